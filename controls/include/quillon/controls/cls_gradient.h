#pragma once

#include <QColor>
#include <QRect>
#include <cstdint>

class QPainter;

namespace quillon {

// Fills a rectangle with a linear two-colour gradient, the way a rectangle gradient fill of the
// platform does: start colour at the top-left corner, end colour at the bottom-right corner.
class clsGradient final {
  public:
    enum Direction { kLeftToRight = 0, kTopToBottom = 1 };

    // The rectangle's right and bottom edges are exclusive.
    void DefineRect(int left, int top, int right, int bottom);
    void DrawGradient(QPainter& device, int direction, const QColor& start,
                      const QColor& end) const;

    // An 8-bit channel as the 16-bit vertex channel of a gradient fill: value × 256, wrapped into
    // the signed range when above 32767 (the bit pattern is what counts).
    static std::int16_t vertexChannel(int channel8);
    // The 8-bit channel that the fill reads back from a vertex channel.
    static int channelFromVertex(std::int16_t vertex);

  private:
    QRect rect_;
};

}  // namespace quillon
