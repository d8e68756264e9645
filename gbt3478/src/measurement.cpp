#include "quillon/gbt3478/measurement.h"

#include <cmath>
#include <numbers>

#include "quillon/engine/span_formula.h"
#include "quillon/gbt3478/tooth_profile.h"
#include "quillon/geometry/pin_position.h"

namespace quillon::gbt3478 {
namespace {

// Proposed pins are rounded to this step, mm.
constexpr double kPinStep = 0.01;

geometry::ToothForm formOf(const SplineInput& s, double width) {
    return involuteForm(s.kind, s.z, s.module, s.pressureAngle, width);
}

double basicWidth(const SplineInput& s) {
    return std::numbers::pi * s.module / 2;
}

}  // namespace

std::optional<double> pinMeasurementAt(const SplineInput& spline, double dp, double width) {
    return geometry::pinMeasurement(formOf(spline, width), dp);
}

std::optional<double> widthOfPinMeasurement(const SplineInput& spline, double dp, double M) {
    const geometry::ToothForm form = formOf(spline, basicWidth(spline));
    const auto bodyHalfAngle = geometry::bodyHalfAngleOfMeasurement(form, dp, M);
    if (!bodyHalfAngle) {
        return std::nullopt;
    }
    const double alpha = spline.pressureAngle * std::numbers::pi / 180;
    return (*bodyHalfAngle - geometry::involuteOf(alpha)) * 2 * form.referenceRadius;
}

std::optional<double> proposedPinDiameter(const SplineInput& spline, double width) {
    const geometry::ToothForm form = formOf(spline, width);
    const auto dp = geometry::pinDiameterTouchingAt(form, form.referenceRadius);
    if (!dp) {
        return std::nullopt;
    }
    return std::round(*dp / kPinStep) * kPinStep;
}

int teethSpanned(const SplineInput& spline) {
    const double raw = spline.z * spline.pressureAngle / 180 + 0.5;
    return static_cast<int>(engine::teethSpanned(raw).number.value());
}

double spanAt(const SplineInput& spline, int k, double thickness) {
    const double widthTerm = (thickness - basicWidth(spline)) / spline.module;
    return engine::spanOverTeeth(spline.module, spline.pressureAngle, k, spline.z, widthTerm);
}

double thicknessOfSpan(const SplineInput& spline, int k, double W) {
    return basicWidth(spline) + spline.module * engine::widthTermOfSpan(spline.module,
                                                                        spline.pressureAngle, k,
                                                                        spline.z, W);
}

}  // namespace quillon::gbt3478
