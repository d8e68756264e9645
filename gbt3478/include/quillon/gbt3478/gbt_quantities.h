#pragma once

#include <optional>
#include <span>

#include "quillon/gbt3478/pair.h"
#include "quillon/gbt3478/spline_result.h"
#include "quillon/textio/quantity.h"

// The quantities of a GB/T 3478.1 spline, one row each: the page's captions, the command line's
// options and --help, the batch columns, the JSON keys and the text lines read them here. The
// inputs z, m, α, dp and the kind carry the same key and option as the DIN 5480 spline's, so a
// door names them alike for both standards; the standard decides which row reads a value.
namespace quillon::gbt3478 {

enum class InputField { Kind, Teeth, Module, Angle, Root, Class, Fit, Length, Pin };

inline constexpr InputField kInputFields[] = {
    InputField::Kind,  InputField::Teeth, InputField::Module, InputField::Angle, InputField::Root,
    InputField::Class, InputField::Fit,   InputField::Length, InputField::Pin,
};

const textio::Quantity& inputQuantity(InputField field);
std::optional<InputField> inputFieldOfKey(std::string_view key);
std::optional<InputField> inputFieldOfOption(std::string_view option);

// The results. Lengths in mm; T+λ, λ and esv in µm.
enum class ResultField {
    D,
    Db,
    p,
    E,
    S,
    g,
    TotalTolerance,
    Lambda,
    Esv,
    DeiMax,
    DeiMin,
    DiiMax,
    DiiMin,
    DFiMin,
    EMax,
    EMin,
    EvMax,
    EvMin,  // hub
    DeeMax,
    DeeMin,
    DieMax,
    DieMin,
    DFeMax,
    SvMax,
    SvMin,
    SMax,
    SMin,  // shaft
    Dp,
    M,
    MUpper,
    MLower,
    K,
    W,
    WUpper,
    WLower,  // shaft
};

const textio::Quantity& resultQuantity(ResultField field);

// The results of a hub or a shaft, in the order every door lists them.
std::span<const ResultField> resultFields(SplineKind kind);

// The value of a result; none where the spline has none (M without a pin that rests on the
// flanks, a hub's W).
std::optional<double> resultValue(const SplineResult& result, ResultField field);

// The clearances of a pair, mm.
enum class ClearanceField { EffectiveMin, EffectiveMax, ActualMin, ActualMax };

inline constexpr ClearanceField kClearanceFields[] = {
    ClearanceField::EffectiveMin, ClearanceField::EffectiveMax, ClearanceField::ActualMin,
    ClearanceField::ActualMax};

const textio::Quantity& clearanceQuantity(ClearanceField field);
double clearanceValue(const Clearances& clearances, ClearanceField field);

}  // namespace quillon::gbt3478
