#pragma once

#include <QColor>
#include <QRegion>

class QPainter;

namespace quillon::controls::gdi {

// The shapes of the platform's region and outline calls that both controls are drawn with. Right
// and bottom coordinates are exclusive, as with the platform's calls: a region (0, 0, W, H) covers
// pixels 0 to W − 1, and an outline (0, 0, W − 1, H − 1) lies on pixels 0 to W − 2.

// A rounded-rectangle region; ellipse is the corner ellipse's width and height in pixels.
QRegion roundRectRegion(int left, int top, int right, int bottom, int ellipse);

// A rounded-rectangle outline and its optional fill, drawn with a one-pixel pen.
void roundRect(QPainter& painter, int left, int top, int right, int bottom, int ellipse,
               const QColor& pen, const QColor& fill = QColor());

// A line from (x1, y1) towards (x2, y2); the end point itself is not drawn.
void line(QPainter& painter, int x1, int y1, int x2, int y2, const QColor& colour);

// Half of an integer, rounded to the nearest integer with ties going to the even neighbour.
int halfTiesToEven(int value);

}  // namespace quillon::controls::gdi
