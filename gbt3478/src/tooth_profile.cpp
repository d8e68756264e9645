#include "quillon/gbt3478/tooth_profile.h"

#include <cmath>
#include <numbers>

#include "quillon/gbt3478/spline_result.h"

namespace quillon::gbt3478 {

geometry::ToothForm involuteForm(SplineKind kind, int z, double module, double pressureAngle,
                                 double width) {
    const double alpha = pressureAngle * std::numbers::pi / 180;
    geometry::ToothForm f;
    f.kind = kind;
    f.z = z;
    f.referenceRadius = module * z / 2;
    f.baseRadius = f.referenceRadius * std::cos(alpha);
    // The width as an angle on the reference circle, carried down to the base circle.
    f.bodyHalfAngle = width / (2 * f.referenceRadius) + geometry::involuteOf(alpha);
    return f;
}

geometry::ToothFormDesign drawnToothForm(const SplineResult& result) {
    const SplineInput& in = result.input;
    const ToothProfile& profile = result.profile;
    geometry::ToothForm f = involuteForm(in.kind, in.z, in.module, in.pressureAngle, profile.width);
    f.tipRadius = profile.tipDiameter / 2;
    f.rootRadius = profile.rootDiameter / 2;
    if (std::string problem = geometry::shapeProblem(f); !problem.empty()) {
        return {std::nullopt, problem};
    }
    const auto fillet = geometry::fitRootFillet(f, profile.rootRadius);
    if (!fillet) {
        return {std::nullopt, "齿根圆角无法放入齿槽，没有齿形。"};
    }
    f.fillet = *fillet;
    return {f, {}};
}

}  // namespace quillon::gbt3478
