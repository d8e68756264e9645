#pragma once

class QWidget;

namespace quillon::ui {

// Moves the companion `window` to the right of `mainWindow` where the screen has room, else to its
// left, else as near to it as the screen allows.
void placeBesideMainWindow(QWidget& window, const QWidget& mainWindow);

}  // namespace quillon::ui
