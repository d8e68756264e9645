#include "quillon/geometry/measured_width.h"

#include <cmath>
#include <numbers>

#include "quillon/geometry/pin_position.h"
#include "quillon/geometry/tooth_form.h"

namespace quillon::geometry {
namespace {

// The first bracket is a tenth of a module either side; it doubles until it holds the answer or
// reaches two modules, which no tolerance comes near.
constexpr double kFirstReach = 0.1;
constexpr double kWidestReach = 2.0;
// Bisection ends at a nanometre; the measurement is a smooth increasing function of the width.
constexpr double kTolerance = 1e-7;

std::optional<double> pinsAt(const ProfileInput& input, double widthChange) {
    const ToothFormDesign design = designToothForm(input, widthChange);
    return design.form ? pinMeasurement(*design.form, input.dp) : std::nullopt;
}

// One end of the bracket: the first width change on the side of `sign` (-1 or +1) at which the
// spline measures no more (below) or no less (above) than M.
std::optional<double> bracketEnd(const ProfileInput& input, double M, double sign) {
    for (double reach = kFirstReach * input.m; reach <= kWidestReach * input.m; reach *= 2) {
        const auto measured = pinsAt(input, sign * reach);
        if (!measured) {
            return std::nullopt;  // no sound form this far from the nominal width
        }
        if (sign < 0 ? *measured <= M : *measured >= M) {
            return sign * reach;
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<double> widthChangeForPins(const ProfileInput& input, double M) {
    if (input.beta != 0 || !std::isfinite(M)) {
        return std::nullopt;
    }
    const auto lowEnd = bracketEnd(input, M, -1);
    const auto highEnd = bracketEnd(input, M, +1);
    if (!lowEnd || !highEnd) {
        return std::nullopt;
    }
    double low = *lowEnd;
    double high = *highEnd;
    while (high - low > kTolerance) {
        const double middle = (low + high) / 2;
        const auto measured = pinsAt(input, middle);
        if (!measured) {
            return std::nullopt;
        }
        (*measured < M ? low : high) = middle;
    }
    return (low + high) / 2;
}

std::optional<double> widthChangeForSpan(const ProfileInput& input, double W) {
    if (input.beta != 0 || !(input.W > 0) || !std::isfinite(W)) {
        return std::nullopt;
    }
    return (W - input.W) / std::cos(input.alpha * std::numbers::pi / 180);
}

}  // namespace quillon::geometry
