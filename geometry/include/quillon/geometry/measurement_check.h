#pragma once

#include <optional>
#include <string>
#include <vector>

#include "quillon/geometry/profile_input.h"
#include "quillon/geometry/tooth_form.h"

namespace quillon::geometry {

// Whether the span anvils and the pins that the window's W and M assume touch the involute flanks
// of the real part, for straight splines.
struct MeasurementCheck {
    std::vector<std::string> warnings;  // plain words for the user; empty when all is well
    bool pinsFail = false;
    bool anvilsFail = false;
    std::optional<double> midFlankPinDiameter;
};

// Straight splines only; for a helical spline (beta != 0) the check is empty.
MeasurementCheck checkMeasurements(const ToothForm& form, const ProfileInput& input);

}  // namespace quillon::geometry
