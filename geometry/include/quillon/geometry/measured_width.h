#pragma once

#include <optional>

#include "quillon/geometry/profile_input.h"

namespace quillon::geometry {

// The inverse of the measurements: the change of the tooth thickness (shaft) or space width (hub)
// on the reference circle, mm, at which a straight spline measures a given value. Both
// measurements grow with the width, so each has one answer.

// Over (shaft) or between (hub) pins of the input's diameter dp, through the involute as
// exactMLimits computes M; none when no sound tooth form measures that much (or for a helical
// spline).
std::optional<double> widthChangeForPins(const ProfileInput& input, double M);

// Over k teeth: the span grows by cos α per unit of width on the reference circle (the anvils lie
// on the base tangent, where the width is db/d = cos α times as large). Anchored at the
// calculation's W as the report prints it, so a W limit read back gives the deviation the report
// added to W. Straight splines with a calculated W only.
std::optional<double> widthChangeForSpan(const ProfileInput& input, double W);

}  // namespace quillon::geometry
