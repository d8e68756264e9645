#pragma once

#include <optional>
#include <string_view>

namespace quillon::textio {

// A number given on the command line: a plain decimal, optional sign, digits with at most one
// "." and an optional exponent ("-1.25e3", ".5", "20."), nothing before or after it. Unlike the
// window's fields, "20abc", " 20", "", "inf", "nan" and "0x14" are refused, and so is a value
// beyond the range of a double; one too small for it reads as the nearest double (0 at the end).
// "." is the decimal point in every locale.
std::optional<double> strictNumber(std::string_view text);

}  // namespace quillon::textio
