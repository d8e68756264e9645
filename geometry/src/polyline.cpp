#include "quillon/geometry/polyline.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "quillon/geometry/spline_contour.h"

using namespace quillon::engine;

namespace quillon::geometry {
namespace {

// How far the chord between rolls a < b strays from the involute. The involute's tangent at roll t
// points along direction(baseAngle + sense t), so the farthest point is where that is parallel to
// the chord.
double chordDeviation(const InvoluteSegment& inv, double a, double b) {
    const Point pa = involutePoint(inv, a);
    const Point chord = involutePoint(inv, b) - pa;
    const double chordLength = length(chord);
    if (chordLength == 0) {
        return 0;
    }
    const double pi = std::numbers::pi;
    const double target = inv.sense * (angleOf(chord) - inv.baseAngle);
    double t = target + pi * std::ceil((a - target) / pi);
    if (t > b) {
        t = (a + b) / 2;
    }
    return std::abs(cross(chord, involutePoint(inv, t) - pa)) / chordLength;
}

// Rolls from `from` to `to` (from nearer the base circle), greedily as far apart as the tolerance
// allows: no other division of the involute needs fewer chords.
std::vector<double> involuteBreaks(const InvoluteSegment& inv, double from, double to,
                                   double tolerance) {
    std::vector<double> rolls{from};
    double a = from;
    while (chordDeviation(inv, a, to) > tolerance) {
        double fits = a;
        double fails = to;
        for (int i = 0; i < 60 && fails - fits > 1e-13; ++i) {
            const double mid = (fits + fails) / 2;
            (chordDeviation(inv, a, mid) <= tolerance ? fits : fails) = mid;
        }
        if (fits <= a) {
            break;  // cannot happen for a finite curvature; never loop forever
        }
        a = fits;
        rolls.push_back(a);
    }
    rolls.push_back(to);
    return rolls;
}

void appendInvolute(Polyline& out, const InvoluteSegment& inv, double tolerance) {
    const bool rising = inv.rollTo >= inv.rollFrom;
    std::vector<double> rolls = rising ? involuteBreaks(inv, inv.rollFrom, inv.rollTo, tolerance)
                                       : involuteBreaks(inv, inv.rollTo, inv.rollFrom, tolerance);
    if (!rising) {
        std::reverse(rolls.begin(), rolls.end());
    }
    rolls.pop_back();  // the end is the next segment's first vertex
    for (double roll : rolls) {
        out.push_back({involutePoint(inv, roll), 0});
    }
}

}  // namespace

BulgeArc bulgeArc(Point from, Point to, double bulge) {
    // The centre lies on the chord's perpendicular bisector; sweep = 4 atan(bulge).
    const double sweep = 4 * std::atan(bulge);
    const Point chord = to - from;
    const double halfChord = length(chord) / 2;
    const Point normal{-chord.y / (2 * halfChord), chord.x / (2 * halfChord)};
    const Point centre = from + 0.5 * chord + halfChord / std::tan(sweep / 2) * normal;
    return {centre, halfChord / std::abs(std::sin(sweep / 2)), angleOf(from - centre), sweep};
}

Polyline flatten(const std::vector<ContourSegment>& segments, double tolerance) {
    Polyline out;
    for (const ContourSegment& s : segments) {
        if (const auto* inv = std::get_if<InvoluteSegment>(&s.shape)) {
            appendInvolute(out, *inv, tolerance);
        } else if (const auto* arc = std::get_if<ArcSegment>(&s.shape)) {
            out.push_back({startPoint(s), std::tan(arc->sweep / 4)});
        } else {
            out.push_back({startPoint(s), 0});
        }
    }
    return out;
}

Polyline flattenContour(const ToothForm& form, double tolerance) {
    const Polyline pitch = flatten(pitchContour(form), tolerance);
    Polyline out;
    out.reserve(pitch.size() * form.z);
    for (int j = 0; j < form.z; ++j) {
        const double angle = j * form.pitchAngle();
        for (const PolylineVertex& v : pitch) {
            out.push_back({rotated(v.at, angle), v.bulge});
        }
    }
    return out;
}

}  // namespace quillon::geometry
