#include "profile_path.h"

#include <QRectF>
#include <numbers>

using namespace quillon::geometry;

namespace quillon::ui {

QPainterPath contourPath(const Polyline& contour) {
    QPainterPath path;
    if (contour.empty()) {
        return path;
    }
    constexpr double kDegreesPerRadian = 180 / std::numbers::pi;
    path.moveTo(drawingPoint(contour.front().at));
    for (std::size_t i = 0; i < contour.size(); ++i) {
        const Point from = contour[i].at;
        const Point to = contour[(i + 1) % contour.size()].at;
        const double bulge = contour[i].bulge;
        if (bulge == 0) {
            path.lineTo(drawingPoint(to));
            continue;
        }
        const BulgeArc arc = bulgeArc(from, to, bulge);
        // With y pointing down, Qt's angles (counter-clockwise on screen) are the part's angles.
        const QPointF c = drawingPoint(arc.centre);
        const double r = arc.radius;
        path.arcTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), arc.start * kDegreesPerRadian,
                   arc.sweep * kDegreesPerRadian);
    }
    path.closeSubpath();
    return path;
}

}  // namespace quillon::ui
