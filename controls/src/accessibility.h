#pragma once

class QWidget;

namespace quillon {

// Registers (once) the accessibility factory that describes the custom-drawn controls to screen
// readers and test tools: XPButton as a push button named by its caption with a press action,
// GroupFrame as a grouping named by its caption.
void installControlsAccessibility();

// Tells assistive technology that a control's name (its caption) has changed.
void notifyAccessibleNameChanged(QWidget* control);

}  // namespace quillon
