#pragma once

#include <QAbstractButton>
#include <QPixmap>

namespace quillon::ui {

// The window's icon in the title strip, which opens the window menu as a system menu icon does:
// it looks like a picture, and assistive tools see a button "菜单" with a press action.
class MenuIcon final : public QAbstractButton {
  public:
    MenuIcon(const QPixmap& picture, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QPixmap picture_;
};

}  // namespace quillon::ui
