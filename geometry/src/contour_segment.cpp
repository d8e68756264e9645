#include "quillon/geometry/contour_segment.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace quillon::geometry {
namespace {

template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

constexpr double kTwoPi = 2 * std::numbers::pi;

double distanceToLine(const LineSegment& line, Point p) {
    const Point along = line.to - line.from;
    const double lengthSquared = dot(along, along);
    const double t =
        lengthSquared > 0 ? std::clamp(dot(p - line.from, along) / lengthSquared, 0.0, 1.0) : 0.0;
    return length(p - (line.from + t * along));
}

double distanceToArc(const ArcSegment& arc, Point p) {
    const Point offset = p - arc.centre;
    // Angle of p measured from the arc's start in the arc's own sense, in [0, 2 pi).
    double travelled = (angleOf(offset) - arc.startAngle) * (arc.sweep < 0 ? -1.0 : 1.0);
    travelled = std::fmod(std::fmod(travelled, kTwoPi) + kTwoPi, kTwoPi);
    if (travelled <= std::abs(arc.sweep)) {
        return std::abs(length(offset) - arc.radius);
    }
    const Point start = arc.centre + arc.radius * direction(arc.startAngle);
    const Point end = arc.centre + arc.radius * direction(arc.startAngle + arc.sweep);
    return std::min(length(p - start), length(p - end));
}

// Every normal of an involute touches its base circle, so the nearest inner point lies on one of
// the two tangents from p to the base circle.
double distanceToInvolute(const InvoluteSegment& inv, Point p) {
    const double lo = std::min(inv.rollFrom, inv.rollTo);
    const double hi = std::max(inv.rollFrom, inv.rollTo);
    double best = std::min(length(p - involutePoint(inv, lo)), length(p - involutePoint(inv, hi)));
    const double r = length(p);
    if (r <= inv.baseRadius) {
        return best;
    }
    const double spread = std::acos(inv.baseRadius / r);
    for (double side : {-1.0, 1.0}) {
        const double tangentAngle = angleOf(p) + side * spread;
        double roll = inv.sense * (tangentAngle - inv.baseAngle);
        roll -= kTwoPi * std::floor((roll - lo) / kTwoPi);
        if (roll <= hi) {
            best = std::min(best, length(p - involutePoint(inv, roll)));
        }
    }
    return best;
}

}  // namespace

Point involutePoint(const InvoluteSegment& inv, double roll) {
    const double angle = inv.baseAngle + inv.sense * roll;
    return inv.baseRadius * direction(angle) -
           (inv.sense * inv.baseRadius * roll) * leftNormal(angle);
}

Point startPoint(const ContourSegment& segment) {
    return std::visit(
        Overloaded{
            [](const LineSegment& s) { return s.from; },
            [](const ArcSegment& s) { return s.centre + s.radius * direction(s.startAngle); },
            [](const InvoluteSegment& s) { return involutePoint(s, s.rollFrom); },
        },
        segment.shape);
}

Point endPoint(const ContourSegment& segment) {
    return startPoint(reversed(segment));
}

ContourSegment reversed(const ContourSegment& segment) {
    ContourSegment r = segment;
    std::visit(Overloaded{
                   [](LineSegment& s) { std::swap(s.from, s.to); },
                   [](ArcSegment& s) {
                       s.startAngle += s.sweep;
                       s.sweep = -s.sweep;
                   },
                   [](InvoluteSegment& s) { std::swap(s.rollFrom, s.rollTo); },
               },
               r.shape);
    return r;
}

ContourSegment rotated(const ContourSegment& segment, double angle) {
    ContourSegment r = segment;
    std::visit(Overloaded{
                   [angle](LineSegment& s) {
                       s.from = rotated(s.from, angle);
                       s.to = rotated(s.to, angle);
                   },
                   [angle](ArcSegment& s) {
                       s.centre = rotated(s.centre, angle);
                       s.startAngle += angle;
                   },
                   [angle](InvoluteSegment& s) { s.baseAngle += angle; },
               },
               r.shape);
    return r;
}

ContourSegment mirrored(const ContourSegment& segment) {
    const auto flip = [](Point p) { return Point{-p.x, p.y}; };
    ContourSegment r = segment;
    std::visit(Overloaded{
                   [&](LineSegment& s) {
                       s.from = flip(s.from);
                       s.to = flip(s.to);
                   },
                   [&](ArcSegment& s) {
                       s.centre = flip(s.centre);
                       s.startAngle = std::numbers::pi - s.startAngle;
                       s.sweep = -s.sweep;
                   },
                   [](InvoluteSegment& s) {
                       s.baseAngle = std::numbers::pi - s.baseAngle;
                       s.sense = -s.sense;
                   },
               },
               r.shape);
    return r;
}

double distanceTo(const ContourSegment& segment, Point point) {
    return std::visit(
        Overloaded{
            [point](const LineSegment& s) { return distanceToLine(s, point); },
            [point](const ArcSegment& s) { return distanceToArc(s, point); },
            [point](const InvoluteSegment& s) { return distanceToInvolute(s, point); },
        },
        segment.shape);
}

}  // namespace quillon::geometry
