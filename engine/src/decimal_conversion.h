#pragma once

#include "quillon/engine/field_text.h"

namespace quillon::engine {

// The 15-significant-digit decimal form of a finite value other than 0, correctly rounded (exact
// ties to the even neighbour), as printf("%.14e") gives it.
DecimalForm toDecimalForm(double value);

// True when the 15 digits times their power of ten make one correctly rounded operation on exact
// operands (a power of ten up to 10^22 either way): then exactValueOf gives the number reading
// them gives, and that number's 15-digit form is these digits again.
bool isExactDecimal(const DecimalForm& form);

// The number that reading the digits gives, for an exact decimal form.
double exactValueOf(const DecimalForm& form);

}  // namespace quillon::engine
