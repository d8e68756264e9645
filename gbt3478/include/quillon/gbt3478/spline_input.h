#pragma once

#include <optional>

#include "quillon/engine/spline_kind.h"
#include "quillon/gbt3478/fit_letter.h"

// Involute splines with flat or fillet root to GB/T 3478.1 (the same as ISO 4156-1): straight
// teeth, pressure angle 30°, 37.5° or 45°, sized by the module and the number of teeth, with the
// space width (hub) or tooth thickness (shaft) toleranced by class and fit.
namespace quillon::gbt3478 {

using engine::SplineKind;

// The root of the basic rack: flat (P) or fillet (R). 37.5° and 45° have the fillet root only.
enum class Root { Flat, Fillet };

// One spline as the user gives it: internal (INT, hub) or external (EXT, shaft).
struct SplineInput {
    SplineKind kind = SplineKind::External;
    int z = 0;
    double module = 0;          // m, mm
    double pressureAngle = 30;  // α, degrees
    Root root = Root::Flat;
    int toleranceClass = 5;  // 4 to 7
    FitLetter fit = FitLetter::h;
    std::optional<double> engagementLength;  // g, mm; D/2 until given
    std::optional<double> pinDiameter;       // dp, mm; proposed until given

    friend bool operator==(const SplineInput&, const SplineInput&) = default;
};

}  // namespace quillon::gbt3478
