#include "quillon/engine/involute.h"

#include <cmath>

#include "quillon/engine/angle_constants.h"
#include "quillon/engine/arithmetic_failure.h"

namespace quillon::engine {
namespace {

// Newton's method settles in 6 to 8 rounds for common values and in about 45 for an involute of
// 0; a hundred rounds without settling means the iteration has run away.
constexpr int kMaxRounds = 100;
constexpr double kTolerance = 1e-12;

}  // namespace

double inv(double degrees) {
    const double radians = degrees * kDegToRad;
    return std::tan(radians) - radians;
}

double AInv2(double value) {
    // Outside [0, 1) tan(phi) - phi has no root the iteration can settle on below 64.87 degrees.
    if (!(value >= 0.0 && value < 1.0)) {
        throw ArithmeticFailure();
    }
    const double quarterPi = std::atan(1.0);
    double phi = quarterPi;  // start at 45 degrees
    for (int round = 0; round < kMaxRounds; ++round) {
        const double cosPhi = std::cos(phi);
        const double f = std::tan(phi) - phi - value;
        // The derivative of tan(phi) - phi is 1/cos^2(phi) - 1 = tan^2(phi).
        const double slope = finiteOrFail(1.0 / (cosPhi * cosPhi)) - 1.0;
        const double next = finiteOrFail(phi - finiteOrFail(f / slope));
        if (!(std::fabs(next) < 2.0 * quarterPi)) {
            throw ArithmeticFailure();  // left (-90, 90) degrees
        }
        const double delta = std::fabs(next - phi);
        phi = next;
        if (delta <= kTolerance) {
            return phi / quarterPi * 45.0;
        }
    }
    throw ArithmeticFailure();
}

}  // namespace quillon::engine
