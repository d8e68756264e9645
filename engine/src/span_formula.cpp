#include "quillon/engine/span_formula.h"

#include <cmath>

#include "quillon/engine/angle_constants.h"
#include "quillon/engine/involute.h"

namespace quillon::engine {
namespace {

// (k − 0.5)·π + z'·inv α: the span in base-circle units of one module for the basic width.
double basicSpanTerm(double alphaDegrees, double k, double zVirtual) {
    return (k - 0.5) * kPi + zVirtual * inv(alphaDegrees);
}

}  // namespace

NumberText teethSpanned(double rawCount) {
    return formattedNumber(roundHalfEven(rawCount, 2), 0);
}

double spanOverTeeth(double m, double alphaDegrees, double k, double zVirtual, double widthTerm) {
    const double inner = basicSpanTerm(alphaDegrees, k, zVirtual) + widthTerm;
    return m * std::cos(alphaDegrees * kDegToRad) * inner;
}

double widthTermOfSpan(double m, double alphaDegrees, double k, double zVirtual, double W) {
    return W / (m * std::cos(alphaDegrees * kDegToRad)) - basicSpanTerm(alphaDegrees, k, zVirtual);
}

}  // namespace quillon::engine
