#pragma once

#include "quillon/gbt3478/spline_input.h"
#include "quillon/geometry/tooth_form.h"

namespace quillon::gbt3478 {

// What a drawing needs of the tooth, mm: the circles drawn at the middle of their limits, the
// basic width (where M and W are given, so that the drawing measures as they read), the form
// circle, and the radius of the basic rack's root fillet (0.2·m flat 30°, 0.4·m fillet 30°,
// 0.3·m 37.5°, 0.25·m 45°), which rounds the root of hub and shaft alike.
struct ToothProfile {
    double tipDiameter = 0;   // shaft: major; hub: minor
    double rootDiameter = 0;  // shaft: minor; hub: major
    double formDiameter = 0;  // shaft: DFe max; hub: DFi min
    double rootRadius = 0;
    double width = 0;  // tooth thickness (shaft) or space width (hub) on the reference circle
};

struct SplineResult;

// The tooth form to draw: the flanks at the profile's width, its tip and root circles, and the
// root fillet of the profile's radius where it fits (otherwise the largest that does, so a fillet
// root becomes a full round). None, with the reason, when the circles make no tooth.
geometry::ToothFormDesign drawnToothForm(const SplineResult& result);

// The bare involute form of the spline with `width` on the reference circle: kind, z, reference
// and base radius and the body's half-angle, enough for the pin measurement and its inverse.
geometry::ToothForm involuteForm(SplineKind kind, int z, double module, double pressureAngle,
                                 double width);

}  // namespace quillon::gbt3478
