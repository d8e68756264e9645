#pragma once

#include <QColor>
#include <QImage>

namespace quillon::controls::ModXPButton {

// Recolours every pixel of `from` colour to `to`, scanning pixel coordinates 1 to width and 1 to
// height as the button's disabled icon has always been made (column 0 and row 0 are left as they
// are; coordinates past the last pixel are skipped).
void replaceColor(QImage& image, const QColor& from, const QColor& to);

}  // namespace quillon::controls::ModXPButton
