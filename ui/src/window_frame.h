#pragma once

#include <QObject>
#include <QPoint>
#include <functional>
#include <optional>

class QWidget;

namespace quillon::ui {

// The window draws its own frame: a press on the title strip moves the window, a click on "—"
// minimises it and a press on "X" closes it at once.
class WindowFrame final : public QObject {
  public:
    WindowFrame(QWidget& window, QWidget* titleStrip, QWidget* minimiseGlyph, QWidget* closeGlyph,
                std::function<void()> close);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool titleStripEvent(QEvent* event);

    QWidget& window_;
    QWidget* titleStrip_;
    QWidget* minimiseGlyph_;
    QWidget* closeGlyph_;
    std::function<void()> close_;
    std::optional<QPoint> manualDragOffset_;
    bool minimisePressed_ = false;
};

}  // namespace quillon::ui
