#pragma once

#include <optional>

#include "quillon/geometry/profile_input.h"

namespace quillon::geometry {

// The limits of M for the limit tooth thickness (shaft) or space width (hub): the pin measurement
// of the spline whose width on the reference circle is moved by each limit deviation, computed
// through the involute rather than by a fixed factor.
struct MLimits {
    double nearLimit = 0;  // for nearDeviation
    double farLimit = 0;   // for farDeviation
};

// Straight splines only (beta = 0) with a sound profile at both limits; none otherwise.
std::optional<MLimits> exactMLimits(const ProfileInput& input, double nearDeviation,
                                    double farDeviation);

}  // namespace quillon::geometry
