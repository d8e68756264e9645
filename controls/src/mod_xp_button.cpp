#include "quillon/controls/mod_xp_button.h"

namespace quillon::ModXPButton {

void replaceColor(QImage& image, const QColor& from, const QColor& to) {
    if (image.isNull()) {
        return;
    }
    if (image.format() != QImage::Format_ARGB32_Premultiplied &&
        image.format() != QImage::Format_RGB32) {
        image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }
    const QRgb match = from.rgb();
    const QRgb replacement = to.rgb();
    for (int y = 1; y <= image.height(); ++y) {
        for (int x = 1; x <= image.width(); ++x) {
            if (x >= image.width() || y >= image.height()) {
                continue;  // the platform ignores points outside the picture
            }
            if (image.pixel(x, y) == match) {
                image.setPixel(x, y, replacement);
            }
        }
    }
}

}  // namespace quillon::ModXPButton
