#pragma once

#include <optional>

#include "quillon/gbt3478/spline_input.h"

namespace quillon::gbt3478 {

// M over (shaft) or between (hub) two pins of diameter dp for the spline with `width` (tooth
// thickness or space width, mm) on the reference circle, through the exact involute; none when
// the pin cannot rest on both flanks.
std::optional<double> pinMeasurementAt(const SplineInput& spline, double dp, double width);

// The inverse: the width on the reference circle that a measured M implies; none when no pin
// centre outside the base circle gives that M.
std::optional<double> widthOfPinMeasurement(const SplineInput& spline, double dp, double M);

// The pin that touches the flanks on the reference circle of the spline with `width`, rounded
// to 0.01 mm (a size one can buy or grind, still touching near the reference circle).
std::optional<double> proposedPinDiameter(const SplineInput& spline, double width);

// The teeth a span measurement of a shaft covers: the anvils touch near the reference circle.
int teethSpanned(const SplineInput& spline);

// W over k teeth of a shaft with tooth thickness `thickness` on the reference circle.
double spanAt(const SplineInput& spline, int k, double thickness);

// The inverse: the tooth thickness on the reference circle that a measured W over k teeth implies.
double thicknessOfSpan(const SplineInput& spline, int k, double W);

}  // namespace quillon::gbt3478
