#pragma once

#include <array>
#include <optional>
#include <string>

#include "quillon/engine/arithmetic_failure.h"
#include "quillon/engine/edition.h"
#include "quillon/engine/field_text.h"
#include "quillon/engine/form.h"
#include "quillon/engine/run_state.h"
#include "quillon/engine/spline_kind.h"

namespace quillon::engine {

// One calculation run for one kind: the form it reads and writes, the state it keeps, and which
// values this run has determined itself (W and M are built only from those).
//
// The form stays the data store: every result goes into its field as text, and the window reacts
// to each write. Beside each field the run keeps the number its text reads as, so a typed field is
// read once per run and a result the run wrote is never read back from its text.
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

    // The number a field holds at this moment (leading-number rule), infinity included: the input
    // checks compare it with their bounds.
    double reading(Field field) { return known(field).value(); }

    // The number a field holds, for a step's arithmetic: a number too large for a double fails the
    // step that reads it, as a division by zero does.
    double number(Field field) { return finiteOrFail(reading(field)); }

    // Writes a result as plain 15-digit text; a value that is not finite fails the step.
    void write(Field field, double value) {
        store(field, plainNumber(finiteOrFail(value)));
        state.computed[fieldIndex(field)] = value;
    }

    // Writes a value in its display format ("0.000" is 3 decimals); not finite fails the step.
    void writeFormatted(Field field, double value, int decimals) {
        store(field, formattedNumber(value, decimals));
    }

    // Rewrites a field in its display format, from the number it holds; not finite fails the step.
    void reformat(Field field, int decimals) {
        store(field, formattedNumber(known(field), decimals));
    }

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

  private:
    const FieldNumber& known(Field field) {
        std::optional<FieldNumber>& number = numbers_[fieldIndex(field)];
        if (!number) {
            number = FieldNumber(readNumber(form.text(field)));
        }
        return *number;
    }

    void store(Field field, NumberText written) {
        form.setText(field, written.text);
        numbers_[fieldIndex(field)] = written.number;
    }

    std::array<std::optional<FieldNumber>, kAllFields.size()> numbers_{};
};

}  // namespace quillon::engine
