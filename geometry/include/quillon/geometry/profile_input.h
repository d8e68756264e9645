#pragma once

#include <optional>

#include "quillon/engine/form.h"
#include "quillon/engine/run_state.h"
#include "quillon/engine/spline_kind.h"

namespace quillon::geometry {

// The numbers of one calculated spline: what the profile is drawn from. The diameters d, da, df
// and db are the calculation's own numbers, not their three-decimal display, so that a drawing
// never mixes two precisions; the rest is what the fields show.
// Angles in degrees, lengths in millimetres; x with the window's sign (a hub's x counts positive
// towards the centre, the opposite of the usual convention for internal gears).
struct ProfileInput {
    engine::SplineKind kind = engine::SplineKind::External;
    double z = 0;
    double m = 0;
    double alpha = 0;
    double beta = 0;
    double x = 0;
    double dp = 0;
    double d = 0;
    double da = 0;
    double df = 0;
    double db = 0;
    double W = 0;
    double M = 0;
    double k = 0;

    // The fields and k of a window after a calculation; none when no kind is selected.
    static std::optional<ProfileInput> readFrom(const engine::Form& form,
                                                const engine::RunState& state);
};

}  // namespace quillon::geometry
