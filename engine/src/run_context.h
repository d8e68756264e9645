#pragma once

#include "quillon/engine/arithmetic_failure.h"
#include "quillon/engine/edition.h"
#include "quillon/engine/field_text.h"
#include "quillon/engine/form.h"
#include "quillon/engine/run_state.h"
#include "quillon/engine/spline_kind.h"

namespace quillon {

// One calculation run for one kind: the form it reads and writes, the state it keeps, and which
// values this run has determined itself (W and M are built only from those).
class RunContext final {
  public:
    RunContext(Form& form, RunState& state, const Edition& edition, SplineKind kind)
        : form(form), state(state), edition(edition), kind(kind) {}

    Form& form;
    RunState& state;
    const Edition& edition;
    const SplineKind kind;

    // Determined in this run (the run state may still hold an earlier run's values).
    bool alphaTDetermined = false;
    bool zVirtualDetermined = false;
    bool kDetermined = false;
    bool invMDetermined = false;
    bool alphaMDetermined = false;

    double sign() const { return kindSign(kind); }

    // The number a field holds at this moment (leading-number rule).
    double number(Field field) const { return readNumber(form.text(field)); }

    // Writes a result as plain 15-digit text; a value that is not finite fails the step.
    void write(Field field, double value) { form.setText(field, writeNumber(finiteOrFail(value))); }

    // Runs one step: when its arithmetic fails it has written nothing and the run goes on.
    template <typename Step>
    bool step(Step&& body) {
        try {
            body();
            return true;
        } catch (const ArithmeticFailure&) {
            return false;
        }
    }
};

}  // namespace quillon
