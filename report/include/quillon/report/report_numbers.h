#pragma once

#include <string>

// The two ways a report turns a computed number into text.
namespace quillon::report {

// The plain printed form of a number: one blank before a non-negative value (a "-" before a
// negative one), up to 15 significant digits without trailing zeros, no "0" before the point of a
// value between -1 and 1, then one blank: 1.251 -> " 1.251 ", 0.5 -> " .5 ", -0.5 -> "-.5 ".
std::string printedNumber(double value);

// A measurement limit, rounded half away from zero to three decimals: 9.96536 -> "9.965".
std::string limitText(double value);

}  // namespace quillon::report
