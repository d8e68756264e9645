#pragma once

#include <optional>

#include "quillon/geometry/measurement_check.h"
#include "quillon/geometry/profile_input.h"
#include "quillon/geometry/tooth_form.h"

namespace quillon::ui {

class DIN5480;

// The tooth form of the spline the main window shows now, and what it says about the
// measurements; the profile and inspection pages read it from here.
struct WindowProfile {
    std::optional<ProfileInput> input;  // none when no kind is selected
    bool calculated = false;            // the result fields hold a calculation
    ToothFormDesign design;
    MeasurementCheck check;
};

WindowProfile profileOfWindow(const DIN5480& window);

}  // namespace quillon::ui
