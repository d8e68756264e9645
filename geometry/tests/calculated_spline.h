#pragma once

#include <string>

#include "quillon/engine/calculation_run.h"
#include "quillon/engine/in_memory_form.h"
#include "quillon/geometry/profile_input.h"

namespace quillon::testing_support {

// The window's numbers after "更新数据" with these inputs over the start-up texts, from the engine.
struct SplineCase {
    SplineKind kind;
    const char* z;
    const char* m;
    const char* x;
    const char* dp;
    const char* beta = "0";
};

inline ProfileInput calculated(const SplineCase& c) {
    InMemoryForm form;
    RunState state;
    form.selectKind(c.kind);
    form.setText(Field::z, c.z);
    form.setText(Field::m, c.m);
    form.setText(Field::x, c.x);
    form.setText(Field::dp, c.dp);
    form.setText(Field::beta, c.beta);
    calculate(form, state, Edition::tolerance());
    return *ProfileInput::readFrom(form, state);
}

}  // namespace quillon::testing_support
