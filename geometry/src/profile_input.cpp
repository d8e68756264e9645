#include "quillon/geometry/profile_input.h"

#include "quillon/engine/display_decimals.h"
#include "quillon/engine/field_text.h"
#include "quillon/engine/spline_input.h"
#include "quillon/engine/spline_result.h"

using namespace quillon::engine;

namespace quillon::geometry {
namespace {

// A diameter as the run computed it, while its field still shows that value (plain or in its
// display format); otherwise — a later reset, another run that failed this step — what the field
// shows.
double exactDiameter(const Form& form, const RunState& state, Field field, double shown) {
    const std::optional<double>& computed = state.computed[fieldIndex(field)];
    if (!computed) {
        return shown;
    }
    const std::string text = form.text(field);
    return text == formatNumber(*computed, engine::kLengthDecimals) ||
                   text == writeNumber(*computed)
               ? *computed
               : shown;
}

}  // namespace

std::optional<ProfileInput> ProfileInput::readFrom(const Form& form, const RunState& state) {
    const SplineInput in = SplineInput::readFrom(form);
    if (!in.kind) {
        return std::nullopt;
    }
    const SplineResult out = SplineResult::readFrom(form);
    const auto exact = [&](Field field, double shown) {
        return exactDiameter(form, state, field, shown);
    };
    return ProfileInput{*in.kind,
                        in.z,
                        in.m,
                        in.alpha,
                        in.beta,
                        in.x,
                        in.dp,
                        exact(Field::d, out.d),
                        exact(Field::da, out.da),
                        exact(Field::df, out.df),
                        exact(Field::db, out.db),
                        out.W,
                        out.M,
                        readNumber(state.k)};
}

}  // namespace quillon::geometry
