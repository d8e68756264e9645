#pragma once

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "quillon/strength/strength_check.h"

namespace quillon::ui {

// The strength page's fields read into the check's input, without Qt.
struct StrengthInputTexts {
    strength::StrengthInput input;
    // The fields whose text gave no value (empty where a value is needed, or not a number); the
    // input holds the default there, so the check's own word on these fields does not count.
    std::set<strength::InputField> unread;
    std::vector<strength::InputProblem> problems;  // what is wrong with the unread fields
    bool loadGiven = false;                        // T, P or n typed
};

// Reads the number fields from `textOf` (the typed text of a field); joint, conditions and
// hardening come as chosen. Empty T, P, n, [p] and Re are not given; empty c1, c2 and di are 0;
// empty l, KA, φ and the required S_τ are a problem once a load is given, before that only the
// missing load is to be said.
StrengthInputTexts readStrengthInput(const std::function<std::string(strength::InputField)>& textOf,
                                     strength::Joint joint, strength::Conditions conditions,
                                     bool hardened);

}  // namespace quillon::ui
