#include "quillon/geometry/profile_input.h"

#include "quillon/engine/field_text.h"
#include "quillon/engine/spline_input.h"
#include "quillon/engine/spline_result.h"

namespace quillon {

std::optional<ProfileInput> ProfileInput::readFrom(const Form& form, const RunState& state) {
    const SplineInput in = SplineInput::readFrom(form);
    if (!in.kind) {
        return std::nullopt;
    }
    const SplineResult out = SplineResult::readFrom(form);
    return ProfileInput{*in.kind, in.z,   in.m,   in.alpha, in.beta, in.x,  in.dp,
                        out.d,    out.da, out.df, out.db,   out.W,   out.M, readNumber(state.k)};
}

}  // namespace quillon
