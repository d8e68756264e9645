#pragma once

#include <optional>
#include <string_view>

namespace quillon::textio {

// A number typed outside the windows' fields (the command line, a batch, the strength page): a
// plain decimal, optional sign, digits with at most one "." and an optional exponent ("-1.25e3",
// ".5", "20."), nothing before or after it. Unlike the window's fields, "20abc", " 20", "",
// "inf", "nan" and "0x14" are refused, and so is a value a double cannot hold: beyond its range
// ("1e309") or a non-zero text too small for it ("1e-400"). "." is the decimal point in every
// locale.
std::optional<double> strictNumber(std::string_view text);

// What every door says of a text strictNumber refuses, after the text itself.
inline constexpr std::string_view kNotANumber = "不是有效的数值";

// The text without the blanks, tabs and line breaks around it (a field's text as typed).
std::string_view trimBlanks(std::string_view text);

}  // namespace quillon::textio
