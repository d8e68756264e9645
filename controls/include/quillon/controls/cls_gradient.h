#pragma once

#include <QColor>
#include <QRect>

class QPainter;

namespace quillon::controls {

// Fills a rectangle with a linear two-colour gradient, line by line: the first line has the start
// colour, each further line the colour at its offset from the start edge (the end colour lies just
// past the far edge).
class clsGradient final {
  public:
    enum Direction { kLeftToRight = 0, kTopToBottom = 1 };

    // The rectangle's right and bottom edges are exclusive.
    void DefineRect(int left, int top, int right, int bottom);
    void DrawGradient(QPainter& device, int direction, const QColor& start,
                      const QColor& end) const;

    // The fill itself, shared with the group frame's header gradients.
    static void fill(QPainter& device, const QRect& area, const QColor& start, const QColor& end,
                     Qt::Orientation orientation);

  private:
    QRect rect_;
};

}  // namespace quillon::controls
