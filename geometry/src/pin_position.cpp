#include "quillon/geometry/pin_position.h"

#include <cmath>
#include <numbers>

using namespace quillon::engine;

namespace quillon::geometry {
namespace {

bool isShaft(const ToothForm& f) {
    return f.kind == SplineKind::External;
}

// Between opposite pins, or the pins nearest to opposite when z is odd.
double chordFactor(const ToothForm& f) {
    return f.z % 2 == 1 ? std::cos(std::numbers::pi / (2 * f.z)) : 1.0;
}

// The pin touches the flank on the tangent from its centre to the base circle, dp/2 short of the
// centre on a shaft (the flank curves away from the space) and dp/2 beyond it on a hub.
PinPosition positionFromCentre(const ToothForm& f, double dp, double centreRadius) {
    const double rb = f.baseRadius;
    const double along = std::sqrt(centreRadius * centreRadius - rb * rb);
    const double contactAlong = isShaft(f) ? along - dp / 2 : along + dp / 2;
    return {centreRadius, contactAlong < 0 ? -1.0 : std::hypot(rb, contactAlong)};
}

}  // namespace

std::optional<PinPosition> pinOnFlanks(const ToothForm& f, double dp) {
    if (!(dp > 0) || !std::isfinite(dp)) {
        return std::nullopt;
    }
    // inv(alphaM) at the pin centre, from the angular width of the body on the base circle.
    const double rb = f.baseRadius;
    const double invAtCentre = isShaft(f) ? dp / (2 * rb) + f.bodyHalfAngle - f.pitchAngle() / 2
                                          : f.bodyHalfAngle - dp / (2 * rb);
    const auto alphaM = angleOfInvolute(invAtCentre);
    if (!alphaM) {
        return std::nullopt;
    }
    return positionFromCentre(f, dp, rb / std::cos(*alphaM));
}

std::optional<PinPosition> pinOfMeasurement(const ToothForm& f, double dp, double M) {
    const double sign = isShaft(f) ? 1.0 : -1.0;
    const double centreRadius = (M - sign * dp) / (2 * chordFactor(f));
    if (!(dp > 0) || !std::isfinite(centreRadius) || centreRadius <= f.baseRadius) {
        return std::nullopt;
    }
    return positionFromCentre(f, dp, centreRadius);
}

std::optional<double> pinMeasurement(const ToothForm& f, double dp) {
    const auto pin = pinOnFlanks(f, dp);
    if (!pin) {
        return std::nullopt;
    }
    return 2 * pin->centreRadius * chordFactor(f) + (isShaft(f) ? dp : -dp);
}

std::optional<double> bodyHalfAngleOfMeasurement(const ToothForm& f, double dp, double M) {
    const auto pin = pinOfMeasurement(f, dp, M);
    if (!pin) {
        return std::nullopt;
    }
    // pinOnFlanks turned round: the body's half-angle from inv(alphaM) at the pin centre.
    const double rb = f.baseRadius;
    const double invAtCentre = involuteOf(std::acos(rb / pin->centreRadius));
    return isShaft(f) ? invAtCentre - dp / (2 * rb) + f.pitchAngle() / 2
                      : invAtCentre + dp / (2 * rb);
}

std::optional<double> midFlankPinDiameter(const ToothForm& f) {
    return pinDiameterTouchingAt(f, (f.involuteFrom() + f.involuteTo()) / 2);
}

std::optional<double> pinDiameterTouchingAt(const ToothForm& f, double radius) {
    const double rb = f.baseRadius;
    const double roll = std::sqrt(radius * radius / (rb * rb) - 1);
    // The pin centre lies on the flank's normal at that point and on the space's middle line.
    const double dp = isShaft(f)
                          ? 2 * rb * (std::tan(roll - f.bodyHalfAngle + f.pitchAngle() / 2) - roll)
                          : 2 * rb * (roll - std::tan(roll - f.bodyHalfAngle));
    if (!(dp > 0) || !std::isfinite(dp)) {
        return std::nullopt;
    }
    return dp;
}

}  // namespace quillon::geometry
