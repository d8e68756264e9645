#pragma once

#include <vector>

#include "quillon/geometry/contour_segment.h"
#include "quillon/geometry/tooth_form.h"

namespace quillon::geometry {

// A vertex of a closed polyline and the bulge of the piece that leaves it: tan(sweep / 4) of a
// circular arc (positive counter-clockwise), 0 for a straight piece.
struct PolylineVertex {
    Point at;
    double bulge = 0;
};
using Polyline = std::vector<PolylineVertex>;

// The circular arc of a piece from `from` to `to` with a bulge other than 0: its centre and
// radius, and the angles (radians, counter-clockwise) where it starts and how far it sweeps.
struct BulgeArc {
    Point centre;
    double radius = 0;
    double start = 0;
    double sweep = 0;
};
BulgeArc bulgeArc(Point from, Point to, double bulge);

// Half a micrometre: far below what any drawing or cutting program resolves.
inline constexpr double kFlatteningTolerance = 0.0005;

// The segments as a polyline (the last piece returns to the first vertex): lines and arcs exactly,
// involutes as chords no farther than `tolerance` from the curve, with the fewest chords that
// allows. Each involute is divided from its end nearer the base circle, so mirror images stay
// mirror images.
Polyline flatten(const std::vector<ContourSegment>& segments,
                 double tolerance = kFlatteningTolerance);

// The whole closed contour, flattened one pitch at a time and turned z times, so all teeth match.
Polyline flattenContour(const ToothForm& form, double tolerance = kFlatteningTolerance);

}  // namespace quillon::geometry
