#include "quillon/controls/cls_gradient.h"

#include <QPainter>
#include <array>
#include <cstdint>

namespace quillon {

void clsGradient::DefineRect(int left, int top, int right, int bottom) {
    rect_ = QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

std::int16_t clsGradient::vertexChannel(int channel8) {
    const int wide = (channel8 & 0xFF) * 256;
    return static_cast<std::int16_t>(wide > 32767 ? wide - 65536 : wide);
}

int clsGradient::channelFromVertex(std::int16_t vertex) {
    return (static_cast<std::uint16_t>(vertex) >> 8) & 0xFF;
}

void clsGradient::DrawGradient(QPainter& device, int direction, const QColor& start,
                               const QColor& end) const {
    if (!rect_.isValid()) {
        return;
    }
    // Colours travel through the 16-bit vertex channels, as the platform fill receives them.
    const auto channels = [](const QColor& colour) {
        return std::array<int, 3>{channelFromVertex(vertexChannel(colour.red())),
                                  channelFromVertex(vertexChannel(colour.green())),
                                  channelFromVertex(vertexChannel(colour.blue()))};
    };
    const auto from = channels(start);
    const auto to = channels(end);
    const bool vertical = direction == kTopToBottom;
    const int extent = vertical ? rect_.height() : rect_.width();
    device.save();
    device.setRenderHint(QPainter::Antialiasing, false);
    for (int i = 0; i < extent; ++i) {
        // Each line takes the colour at its own offset from the start edge: the first line is the
        // start colour, the far edge (just outside the rectangle) would be the end colour.
        int rgb[3];
        for (int c = 0; c < 3; ++c) {
            rgb[c] = from[c] + (to[c] - from[c]) * i / extent;
        }
        const QColor colour(rgb[0], rgb[1], rgb[2]);
        if (vertical) {
            device.fillRect(QRect(rect_.left(), rect_.top() + i, rect_.width(), 1), colour);
        } else {
            device.fillRect(QRect(rect_.left() + i, rect_.top(), 1, rect_.height()), colour);
        }
    }
    device.restore();
}

}  // namespace quillon
