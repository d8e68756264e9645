#pragma once

#include <optional>

#include "quillon/gbt3478/spline_input.h"

namespace quillon::gbt3478 {

// The basic rack of one pressure angle and root form, in modules: where its diameters, form
// circles and fillet lie.
struct RackCoefficients {
    // The deep diameters: hub major Dei min = m·(z + c), shaft minor Die max = m·(z − c).
    double deep = 0;
    // The shallow diameters: shaft major Dee max = m·(z + c), hub form DFi min = m·(z + c) + 2·cF.
    double shallow = 0;
    // hs: how far the shaft's straight rack flank reaches below the reference line.
    double flankDepth = 0;
    double rootRadius = 0;
};

// The rack of 30° flat root (30P), 30° fillet root (30R), 37.5° or 45° (fillet root only); none
// for any other angle or a flat root at 37.5° or 45°.
std::optional<RackCoefficients> rackOf(double pressureAngle, Root root);

// Does the angle have a flat root at all?
bool hasFlatRoot(double pressureAngle);

// Is the angle one of 30°, 37.5° and 45°?
bool isStandardAngle(double pressureAngle);

}  // namespace quillon::gbt3478
