#include "quillon/engine/field_text.h"
#include "quillon/engine/spline_input.h"
#include "quillon/engine/spline_result.h"

namespace quillon::engine {
namespace {

double numberOf(const Form& form, Field field) {
    return readNumber(form.text(field));
}

}  // namespace

SplineInput SplineInput::readFrom(const Form& form) {
    SplineInput input;
    input.z = numberOf(form, Field::z);
    input.m = numberOf(form, Field::m);
    input.alpha = numberOf(form, Field::alpha);
    input.haStar = numberOf(form, Field::haStar);
    input.beta = numberOf(form, Field::beta);
    input.x = numberOf(form, Field::x);
    input.cn = numberOf(form, Field::cn);
    input.dp = numberOf(form, Field::dp);
    input.kind = form.selectedKind();
    return input;
}

SplineResult SplineResult::readFrom(const Form& form) {
    SplineResult result;
    result.d = numberOf(form, Field::d);
    result.da = numberOf(form, Field::da);
    result.df = numberOf(form, Field::df);
    result.db = numberOf(form, Field::db);
    result.ha = numberOf(form, Field::ha);
    result.hf = numberOf(form, Field::hf);
    result.h = numberOf(form, Field::h);
    result.W = numberOf(form, Field::W);
    result.M = numberOf(form, Field::M);
    result.xm = numberOf(form, Field::xm);
    return result;
}

}  // namespace quillon::engine
