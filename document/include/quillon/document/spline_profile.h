#pragma once

#include <optional>

#include "quillon/geometry/measurement_check.h"
#include "quillon/geometry/profile_input.h"
#include "quillon/geometry/tooth_form.h"

namespace quillon::document {

// The tooth form of one spline and what it says about the measurements.
struct SplineProfile {
    std::optional<geometry::ProfileInput> input;  // none when no kind is selected
    bool calculated = false;                      // the result fields hold a calculation
    geometry::ToothFormDesign design;
    geometry::MeasurementCheck check;
};

}  // namespace quillon::document
