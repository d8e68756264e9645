#include "quillon/controls/mod_xp_button.h"

namespace quillon::controls::ModXPButton {

void replaceColor(QImage& image, const QColor& from, const QColor& to) {
    if (image.format() != QImage::Format_ARGB32_Premultiplied &&
        image.format() != QImage::Format_RGB32) {
        image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }
    for (int y = 1; y < image.height(); ++y) {
        for (int x = 1; x < image.width(); ++x) {
            if (image.pixel(x, y) == from.rgb()) {
                image.setPixel(x, y, to.rgb());
            }
        }
    }
}

}  // namespace quillon::controls::ModXPButton
