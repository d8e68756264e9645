#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "quillon/strength/strength_check.h"

// Text in and out of the strength check, shared by the page and the command line (no Qt).
namespace quillon::strength {

// A user-typed number, strictly: blanks around it allowed, an optional sign, digits with at most
// one ".", an optional exponent, nothing else, and finite. "12abc", "1,5", "inf", "" -> none.
std::optional<double> parseInputNumber(std::string_view text);

// What a shown value is; each has its display precision.
enum class Quantity {
    MeanDiameter,   // dm, mm, 3 decimals
    ContactHeight,  // h', mm, 3 decimals
    Force,          // Ft, N, whole
    Stress,         // p, [p], τ, MPa, 1 decimal
    Safety,         // S, S_τ, 2 decimals
    Torque,         // T, T_max, N·m, 1 decimal
    MinLength,      // l_min, mm, 2 decimals
};

int decimalsOf(Quantity quantity);

// The value with exactly `decimals` decimals (printf's rounding); a value that rounds to zero has
// no minus sign ("0.0", never "-0.0").
std::string fixedText(double value, int decimals);

// A number in its short form, up to 15 significant digits: 1.5, 2, 0.3 (a typed limit in a text).
std::string shortText(double value);

// fixedText with the quantity's precision.
std::string quantityText(double value, Quantity quantity);

// The result as text, one line each: the method, then every result with its caption, value and
// unit ("平均直径 dm = 47.800 mm"), then the verdict. What "copy results" and the command line's
// text output print.
std::vector<std::string> resultLines(const StrengthResult& result);

}  // namespace quillon::strength
