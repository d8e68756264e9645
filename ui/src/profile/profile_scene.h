#pragma once

#include <QString>

#include "quillon/geometry/measurement_check.h"
#include "quillon/geometry/profile_input.h"
#include "quillon/geometry/tooth_form.h"

class QGraphicsScene;

namespace quillon::ui {

// Fills `scene` with the drawing of the profile page: the whole spline true to shape with the
// circles d (dash-dot), db (thin), da and df and the pins of M; beside it, enlarged, the teeth
// around the top with the span anvils over k (labelled W) and a pin (labelled M), drawn red where
// the measurement would not touch the flanks. Without a sound form it shows `problem`.
void drawProfile(QGraphicsScene& scene, const geometry::ProfileInput& input,
                 const geometry::ToothFormDesign& design, const geometry::MeasurementCheck& check);

}  // namespace quillon::ui
