#include "window_placement.h"

#include <QLayout>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace quillon::ui {
namespace {

constexpr int kGapToMainWindow = 8;  // pixels between the two windows

}  // namespace

void placeBesideMainWindow(QWidget& window, const QWidget& mainWindow) {
    const QRect main = mainWindow.frameGeometry();
    const QScreen* screen = mainWindow.screen();
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->availableGeometry();
    const QSize size = window.frameGeometry().size().expandedTo(window.size());
    int left = main.right() + 1 + kGapToMainWindow;
    const int leftOfMain = main.left() - kGapToMainWindow - size.width();
    if (left + size.width() > area.right() + 1 && leftOfMain >= area.left()) {
        left = leftOfMain;
    }
    // Where neither side has room it overlaps from the right, so that the main window's menu
    // icon and known values at its left stay in reach.
    left = std::clamp(left, area.left(), std::max(area.left(), area.right() + 1 - size.width()));
    const int top =
        std::clamp(main.top(), area.top(), std::max(area.top(), area.bottom() + 1 - size.height()));
    window.move(left, top);
}

void showBesideMainWindow(QWidget& window, const QWidget& mainWindow, bool& placed) {
    if (!placed) {
        // The size the window will have once shown: its layout may still have to grow it to
        // the minimum its pages need, and the placement must know the final width.
        window.ensurePolished();
        if (QLayout* layout = window.layout()) {
            layout->activate();
        }
        placeBesideMainWindow(window, mainWindow);
        placed = true;
    }
    window.show();
    window.raise();
    window.activateWindow();
}

}  // namespace quillon::ui
