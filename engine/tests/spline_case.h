#pragma once

#include <map>
#include <string>

#include "quillon/engine/calculation_run.h"
#include "quillon/engine/in_memory_form.h"

namespace quillon::engine::testing_support {

// A form holding one spline typed over the start-up texts, and a run state of its own.
struct Calculator {
    InMemoryForm form;
    RunState state;
    Edition edition = Edition::tolerance();
    int handOffs = 0;

    Calculator& with(Field field, const std::string& text) {
        form.setText(field, text);
        return *this;
    }
    Calculator& kind(SplineKind k) {
        form.selectKind(k);
        return *this;
    }
    Calculator& lite() {
        edition = Edition::lite();
        return *this;
    }
    Calculator& run() {
        form.forgetHistory();
        calculate(form, state, edition, [this] { ++handOffs; });
        return *this;
    }
    std::string operator[](Field field) const { return form.text(field); }
};

// z = 20, m = 2, dp = 3.5 and the window's other defaults.
inline Calculator straightSpline(SplineKind kind) {
    Calculator c;
    c.with(Field::z, "20").with(Field::m, "2").with(Field::dp, "3.5").kind(kind);
    return c;
}

}  // namespace quillon::engine::testing_support
