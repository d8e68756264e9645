#pragma once

class QWidget;

namespace quillon::ui {

// Moves the companion `window` to the right of `mainWindow` where the screen has room, else to its
// left, else as near to it as the screen allows.
void placeBesideMainWindow(QWidget& window, const QWidget& mainWindow);

// Shows the companion `window` in front, placed beside `mainWindow` the first time (`placed`
// remembers it, so that a window the user moved stays where it is).
void showBesideMainWindow(QWidget& window, const QWidget& mainWindow, bool& placed);

}  // namespace quillon::ui
