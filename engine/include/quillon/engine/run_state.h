#pragma once

#include <optional>
#include <string>

namespace quillon {

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
};

}  // namespace quillon
