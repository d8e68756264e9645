#include "quillon/controls/cls_gradient.h"

#include <QPainter>

namespace quillon::controls {

void clsGradient::DefineRect(int left, int top, int right, int bottom) {
    rect_ = QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

void clsGradient::DrawGradient(QPainter& device, int direction, const QColor& start,
                               const QColor& end) const {
    fill(device, rect_, start, end, direction == kTopToBottom ? Qt::Vertical : Qt::Horizontal);
}

void clsGradient::fill(QPainter& device, const QRect& area, const QColor& start, const QColor& end,
                       Qt::Orientation orientation) {
    const bool vertical = orientation == Qt::Vertical;
    const int extent = vertical ? area.height() : area.width();
    const auto mix = [extent](int from, int to, int i) { return from + (to - from) * i / extent; };
    for (int i = 0; i < extent; ++i) {
        const QColor colour(mix(start.red(), end.red(), i), mix(start.green(), end.green(), i),
                            mix(start.blue(), end.blue(), i));
        device.fillRect(vertical ? QRect(area.left(), area.top() + i, area.width(), 1)
                                 : QRect(area.left() + i, area.top(), 1, area.height()),
                        colour);
    }
}

}  // namespace quillon::controls
