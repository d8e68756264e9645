#pragma once

#include <Qt>

namespace quillon::controls {

// The codes the controls' mouse and key events carry. Shift: 1 Shift, 2 Ctrl, 4 Alt.
inline int shiftCode(Qt::KeyboardModifiers modifiers) {
    return (modifiers.testFlag(Qt::ShiftModifier) ? 1 : 0) |
           (modifiers.testFlag(Qt::ControlModifier) ? 2 : 0) |
           (modifiers.testFlag(Qt::AltModifier) ? 4 : 0);
}

// Button: 1 left, 2 right, 4 middle (several at once for the buttons held during a move).
inline int mouseButtonCode(Qt::MouseButtons buttons) {
    return (buttons.testFlag(Qt::LeftButton) ? 1 : 0) |
           (buttons.testFlag(Qt::RightButton) ? 2 : 0) |
           (buttons.testFlag(Qt::MiddleButton) ? 4 : 0);
}

}  // namespace quillon::controls
