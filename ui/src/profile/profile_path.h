#pragma once

#include <QPainterPath>

#include "quillon/geometry/polyline.h"

namespace quillon::ui {

// The closed polyline as a painter path in drawing coordinates: millimetres with y pointing down,
// so the part appears as in a CAD drawing (+Y up) on screen and in SVG. Bulges become arcs.
QPainterPath contourPath(const geometry::Polyline& contour);

// A point of the part in drawing coordinates.
inline QPointF drawingPoint(geometry::Point p) {
    return {p.x, -p.y};
}

}  // namespace quillon::ui
