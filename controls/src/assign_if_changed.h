#pragma once

namespace quillon {

// The property setters of the controls store a value only when it differs, so that an unchanged
// value neither marks the control as changed nor redraws it. Returns whether it was stored.
template <typename T, typename U>
bool assignIfChanged(T& member, const U& value) {
    if (member == value) {
        return false;
    }
    member = value;
    return true;
}

}  // namespace quillon
