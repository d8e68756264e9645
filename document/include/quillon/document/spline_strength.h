#pragma once

#include <optional>
#include <string>

#include "quillon/strength/strength_check.h"

namespace quillon::document {

class SplineDocument;

// The strength check of the spline a document holds, or why it is not checked (no calculation
// yet, a helical spline, no designation to take the mating part from).
struct SplineStrength {
    std::optional<std::string> notChecked;
    strength::StrengthCheck check;  // empty when not checked
};

// The geometry comes from the calculation, never typed: the spline's own tip and root diameters
// as computed, the mating part's from the reference diameter dB of its designation, z, m and cn.
SplineStrength checkStrength(const SplineDocument& spline, const strength::StrengthInput& input);

}  // namespace quillon::document
