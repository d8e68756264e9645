#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace quillon::engine {

// The fields of the window, named by the quantity they hold. The window maps them to its numbered
// controls (Text1, Combo1, ...); the engine and the reports only know these names.
enum class Field {
    // known parameters
    z,
    m,
    alpha,
    haStar,
    beta,
    x,
    cn,
    dp,
    // results
    d,
    da,
    df,
    db,
    ha,
    hf,
    h,
    W,
    M,
    xm,  // profile shift x*m, lite edition only
    // tolerance designation, tolerance edition only
    grade,
    seriesLetter,
};

inline constexpr std::array kAllFields = {
    Field::z,  Field::m,  Field::alpha, Field::haStar, Field::beta,
    Field::x,  Field::cn, Field::dp,    Field::d,      Field::da,
    Field::df, Field::db, Field::ha,    Field::hf,     Field::h,
    Field::W,  Field::M,  Field::xm,    Field::grade,  Field::seriesLetter,
};

// The place of a field in kAllFields, for tables indexed by field.
inline constexpr std::size_t fieldIndex(Field field) {
    return static_cast<std::size_t>(field);
}

// A short English name ("z", "haStar", "W", ...), for messages of tests and tools.
std::string_view fieldName(Field field);

// The caption of the field's label in the window ("齿数     z =", "分度圆直径:  d ="), blanks
// included: the windows and the command line show the same words.
std::string_view fieldCaption(Field field);

}  // namespace quillon::engine
