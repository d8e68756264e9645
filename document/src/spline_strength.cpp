#include "quillon/document/spline_strength.h"

#include "quillon/document/spline_document.h"
#include "quillon/engine/field_text.h"

namespace quillon::document {

SplineStrength checkStrength(const SplineDocument& spline, const strength::StrengthInput& input) {
    const SplineProfile profile = spline.profile(false);
    if (!profile.calculated) {
        return {profile.design.problem, {}};
    }
    const geometry::ProfileInput& in = *profile.input;
    if (const auto reason = strength::notCheckedReason(in.beta)) {
        return {std::string(*reason), {}};
    }
    const engine::FormDesignation named = spline.designation();
    if (!named.designation) {
        return {named.reason, {}};
    }
    const double cn = engine::readNumber(spline.form().text(engine::Field::cn));
    const strength::MatingGeometry pair = strength::matingGeometry(
        in.kind, in.m, named.designation->referenceDiameter, cn, in.da, in.df);
    return {std::nullopt, strength::check(input, in.z, pair)};
}

}  // namespace quillon::document
