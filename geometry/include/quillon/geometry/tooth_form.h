#pragma once

#include <optional>
#include <string>

#include "quillon/engine/spline_kind.h"
#include "quillon/geometry/profile_input.h"

namespace quillon::geometry {

// Where the root fillet sits, on the right-hand side of the body on +Y (angles from +Y, positive
// counter-clockwise, so the right-hand side is negative).
struct FilletPlacement {
    double radius = 0;
    double centreAngle = 0;
    double centreDistance = 0;
    double contactRadius = 0;  // where it meets the flank
    bool onInvolute = true;    // false: it meets the radial flank below the base circle
};

// The transverse tooth form of one spline. The "body" is the involute-bounded piece centred on +Y:
// the tooth of a shaft, the space of a hub. Both narrow outwards, so one description serves both:
// at radius r >= baseRadius the body's half-angle is bodyHalfAngle - inv(arccos(baseRadius / r)),
// below the base circle the flanks run radially.
struct ToothForm {
    engine::SplineKind kind = engine::SplineKind::External;
    int z = 0;
    double referenceRadius = 0;
    double baseRadius = 0;
    double tipRadius = 0;
    double rootRadius = 0;
    double bodyHalfAngle = 0;  // at the base circle, radians
    FilletPlacement fillet;

    double pitchAngle() const;
    // The body ends outwards at the shaft's tip or the hub's root, inwards at the other circle.
    double outerRadius() const;
    double innerRadius() const;
    double bodyHalfAngleAt(double radius) const;
    // The radii between which the flank is an involute.
    double involuteFrom() const;
    double involuteTo() const;
};

struct ToothFormDesign {
    std::optional<ToothForm> form;
    std::string problem;  // why there is no sound form, in words for the user
};

// The tooth thickness (shaft) or space width (hub) on the reference circle, transverse, mm, as
// the profile shift gives it: (π/2 ± 2·x·tan α)·m / cos β.
double referenceWidth(const ProfileInput& input);

// Places the flanks with the tooth thickness (shaft) or space width (hub) that the span and pin
// measurements of the calculation imply, widened by `widthChange` mm on the reference circle, and
// fits the root fillets (0.16 m, or the largest radius that fits).
ToothFormDesign designToothForm(const ProfileInput& input, double widthChange = 0);

// The root fillet of the nominal radius where it fits between the root circle and the flank,
// otherwise the largest that fits; none when no fillet fits. The form's radii and bodyHalfAngle
// must be set; its own fillet is ignored.
std::optional<FilletPlacement> fitRootFillet(const ToothForm& form, double nominalRadius);

// Why the flanks, tip and root circles of the form make no tooth (a pointed tip, overlapping
// teeth, no involute above the base circle), in words for the user; empty when they make one.
std::string shapeProblem(const ToothForm& form);

// inv(a) = tan a - a and its inverse, radians; the inverse is defined for 0 <= v < 1.5.
double involuteOf(double angle);
std::optional<double> angleOfInvolute(double value);

}  // namespace quillon::geometry
