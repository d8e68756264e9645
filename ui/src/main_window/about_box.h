#pragma once

class QWidget;

namespace quillon::ui {

// "关于 quillon…": the program's name and edition, its version, its licence and what it computes.
// Not modal to the application: the box deletes itself when closed.
void showAboutBox(QWidget* parent, bool toleranceEdition);

}  // namespace quillon::ui
