#pragma once

#include <QColor>
#include <QWidget>

namespace quillon::ui {

// The filled circle with a white rim under a title glyph. Decoration only: it swallows presses so
// that they neither start a drag nor reach the window.
class GlyphCircle final : public QWidget {
  public:
    GlyphCircle(QColor fill, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    QColor fill_;
};

}  // namespace quillon::ui
