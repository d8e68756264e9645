#pragma once

namespace quillon::engine {

// Involute function of an angle given in degrees: tan(a) - a, converted with kDegToRad.
double inv(double degrees);

// Inverse involute: the angle in degrees (between 0 and about 64.87) whose involute is `value`,
// by Newton's method from 45 degrees. Defined for 0 <= value < 1 only; outside that range, after
// 100 rounds without settling, or when the angle leaves (-90, 90) degrees it throws
// ArithmeticFailure. The result is converted with the full-precision pi, unlike `inv`.
double AInv2(double value);

}  // namespace quillon::engine
