#pragma once

#include <array>
#include <optional>
#include <string>

#include "quillon/engine/field.h"

namespace quillon::engine {

// What the window keeps of a calculation besides its fields, for its whole lifetime. Each value is
// empty until a run first computes it and keeps its value when a later run does not reach (or
// fails) the step that computes it. An empty value counts as 0 in arithmetic; an empty k prints as
// nothing.
struct RunState {
    std::string k;                    // teeth spanned, the text of a whole number ("4")
    std::optional<double> alphaT;     // transverse pressure angle, degrees
    std::optional<double> zVirtual;   // virtual number of teeth of the span measurement
    std::optional<double> invAlphaT;  // involute of alphaT
    std::optional<double> alphaM;     // pressure angle at the pin centre, degrees
    // Each field's number as a run computed it, before the display format rounded its text:
    // what a drawing is made from, so that it never mixes two precisions.
    std::array<std::optional<double>, kAllFields.size()> computed{};
};

}  // namespace quillon::engine
