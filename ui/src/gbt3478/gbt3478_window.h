#pragma once

#include <QWidget>

namespace quillon::ui {

class DIN5480;
class Gbt3478Page;

// The window "GB/T 3478.1 渐开线花键": one GB/T 3478.1 spline, apart from the DIN 5480 spline of
// the main window. Made on first use from the window menu (tolerance edition); a child window of
// the main window, so it closes with the program.
class Gbt3478Window final : public QWidget {
  public:
    explicit Gbt3478Window(DIN5480& window);

    // Shows the window, beside the main window the first time, and gives it the focus.
    void showAndRaise();

    Gbt3478Page& page() { return *page_; }

  private:
    DIN5480& window_;
    Gbt3478Page* page_;
    bool placed_ = false;
};

}  // namespace quillon::ui
