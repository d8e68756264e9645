#pragma once

#include <optional>
#include <string>
#include <vector>

#include "quillon/gbt3478/spline_input.h"
#include "quillon/gbt3478/spline_result.h"

namespace quillon::gbt3478 {

// A calculated spline, or the problems that refused it. Warnings (the result stands but needs a
// look) and notes (what was assumed) in the user's words.
struct Calculation {
    std::optional<SplineResult> result;
    std::vector<std::string> problems;
    std::vector<std::string> warnings;
    std::vector<std::string> notes;
};

Calculation calculate(const SplineInput& input);

}  // namespace quillon::gbt3478
