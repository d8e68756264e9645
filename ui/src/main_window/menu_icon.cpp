#include "menu_icon.h"

#include <QPainter>

namespace quillon::ui {

MenuIcon::MenuIcon(const QPixmap& picture, QWidget* parent)
    : QAbstractButton(parent), picture_(picture) {
    // Outside the focus order of the window: the menu has its own key, Alt+Space.
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(QStringLiteral("菜单"));
}

void MenuIcon::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.drawPixmap(rect(), picture_);  // scaled to the control, as the picture it replaces
}

}  // namespace quillon::ui
