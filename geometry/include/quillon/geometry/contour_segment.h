#pragma once

#include <variant>

#include "quillon/geometry/point.h"

namespace quillon::geometry {

struct LineSegment {
    Point from;
    Point to;
};

// A circular arc from `startAngle` through the signed `sweep` (radians, positive
// counter-clockwise).
struct ArcSegment {
    Point centre;
    double radius = 0;
    double startAngle = 0;
    double sweep = 0;
};

// The involute of the circle of `baseRadius` whose string leaves the circle at `baseAngle` and
// unwinds counter-clockwise (`sense` +1) or clockwise (-1), from roll angle `rollFrom` to `rollTo`
// (radians; the point at roll t lies at radius baseRadius * sqrt(1 + t^2)).
struct InvoluteSegment {
    double baseRadius = 0;
    double baseAngle = 0;
    double sense = 1;
    double rollFrom = 0;
    double rollTo = 0;
};

// What a piece of the contour is on the part: the measurements must touch the flanks only.
enum class SegmentRole { Tip, Flank, FlankBelowBase, Fillet, Root };

struct ContourSegment {
    std::variant<LineSegment, ArcSegment, InvoluteSegment> shape;
    SegmentRole role = SegmentRole::Flank;
};

Point involutePoint(const InvoluteSegment& involute, double roll);
Point startPoint(const ContourSegment& segment);
Point endPoint(const ContourSegment& segment);

ContourSegment reversed(const ContourSegment& segment);
ContourSegment rotated(const ContourSegment& segment, double angle);
// The mirror image across the Y axis.
ContourSegment mirrored(const ContourSegment& segment);

// The distance from `point` to the nearest point of the segment.
double distanceTo(const ContourSegment& segment, Point point);

}  // namespace quillon::geometry
