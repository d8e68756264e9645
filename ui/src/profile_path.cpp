#include "profile_path.h"

#include <QRectF>
#include <cmath>
#include <numbers>

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
        // The arc's centre lies on the chord's perpendicular bisector; sweep = 4 atan(bulge).
        const double sweep = 4 * std::atan(bulge);
        const Point chord = to - from;
        const double halfChord = length(chord) / 2;
        const double radius = halfChord / std::abs(std::sin(sweep / 2));
        const Point normal{-chord.y / (2 * halfChord), chord.x / (2 * halfChord)};
        const double offset = halfChord / std::tan(sweep / 2);
        const Point centre = from + 0.5 * chord + offset * normal;
        const double start = angleOf(from - centre);
        // With y pointing down, Qt's angles (counter-clockwise on screen) are the part's angles.
        const QPointF c = drawingPoint(centre);
        path.arcTo(QRectF(c.x() - radius, c.y() - radius, 2 * radius, 2 * radius),
                   start * kDegreesPerRadian, sweep * kDegreesPerRadian);
    }
    path.closeSubpath();
    return path;
}

}  // namespace quillon::ui
