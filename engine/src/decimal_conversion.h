#pragma once

#include <cstdint>
#include <optional>

#include "quillon/engine/field_text.h"

namespace quillon {

// The 15-significant-digit decimal form of a finite value other than 0, correctly rounded (exact
// ties to the even neighbour), as printf("%.14e") gives it.
DecimalForm toDecimalForm(double value);

// The number that reading significand * 10^exponent gives, where one correctly rounded operation
// on exact operands yields it (a significand up to 2^53, a power of ten up to 10^22); none
// otherwise.
std::optional<double> exactDecimal(std::uint64_t significand, int exponent);

// The whole number the first `count` decimal digits spell.
std::uint64_t wholeNumberOf(const char* digits, int count);

}  // namespace quillon
