#pragma once

#include <functional>

#include "quillon/engine/edition.h"
#include "quillon/engine/form.h"
#include "quillon/engine/run_state.h"

namespace quillon::engine {

// The Calculate command: reads the known parameters from the form, checks z, beta, alpha and x in
// this order (with the programs' messages and corrections), writes d, da, df, db, ha, hf, h, the
// span measurement W and the pin measurement M field by field, and formats the fields for display.
// Each computation is a step of its own: a step whose arithmetic fails writes nothing and the run
// goes on. With no kind selected nothing happens.
//
// `handOff` runs as the last step when the edition hands off to the deviation calculation,
// including after a rejected tooth count or profile shift.
void calculate(Form& form, RunState& state, const Edition& edition,
               const std::function<void()>& handOff = {});

// Resets z, beta, x and the results to "0" and alpha to "30", in the window's field order. The
// module, ha*, cn and dp keep their texts.
void clear(Form& form, const Edition& edition);

}  // namespace quillon::engine
