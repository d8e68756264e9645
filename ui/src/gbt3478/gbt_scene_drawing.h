#pragma once

#include "quillon/gbt3478/spline_result.h"
#include "quillon/geometry/measurement_check.h"
#include "quillon/geometry/profile_input.h"
#include "quillon/geometry/tooth_form.h"

namespace quillon::ui {

// What the profile scene draws of a GB/T spline: its circles and measurements in the DIN
// profile's terms (no shift, no helix; the tip and root circles at the middle of their limits,
// M and W at the basic width as the table gives them), the tooth form with its flat or fillet
// root, and whether the pins and anvils touch the flanks as drawn.
struct GbtSceneDrawing {
    geometry::ProfileInput input;
    geometry::ToothFormDesign design;
    geometry::MeasurementCheck check;
};

GbtSceneDrawing gbtSceneDrawing(const gbt3478::SplineResult& result);

}  // namespace quillon::ui
