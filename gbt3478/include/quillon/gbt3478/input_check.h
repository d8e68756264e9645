#pragma once

#include <string>
#include <vector>

#include "quillon/gbt3478/spline_input.h"

namespace quillon::gbt3478 {

// What is wrong with an input, in the user's words, each naming the input it is about.
struct InputCheck {
    std::vector<std::string> problems;  // the input is refused: nothing is calculated
    std::vector<std::string> warnings;  // calculated all the same

    bool refused() const { return !problems.empty(); }
};

// The checks that need no calculation: z, m, α, root, class, fit letter, g and dp. Whether a
// given pin touches the flanks is judged on the calculated tooth form (calculate).
InputCheck checkInput(const SplineInput& input);

}  // namespace quillon::gbt3478
