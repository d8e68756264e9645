#pragma once

#include <string>

#include "quillon/engine/calculation_run.h"
#include "quillon/engine/in_memory_form.h"
#include "quillon/geometry/profile_input.h"

namespace quillon::geometry::testing_support {

// The window's numbers after "更新数据" with these inputs over the start-up texts, from the engine.
struct SplineCase {
    engine::SplineKind kind;
    const char* z;
    const char* m;
    const char* x;
    const char* dp;
    const char* beta = "0";
};

inline ProfileInput calculated(const SplineCase& c) {
    engine::InMemoryForm form;
    engine::RunState state;
    form.selectKind(c.kind);
    form.setText(engine::Field::z, c.z);
    form.setText(engine::Field::m, c.m);
    form.setText(engine::Field::x, c.x);
    form.setText(engine::Field::dp, c.dp);
    form.setText(engine::Field::beta, c.beta);
    calculate(form, state, engine::Edition::tolerance());
    return *ProfileInput::readFrom(form, state);
}

}  // namespace quillon::geometry::testing_support
