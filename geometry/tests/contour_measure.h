#pragma once

// Measuring the exact contour as an inspector would: span anvils as two parallel lines, pins as
// circles lowered into a space until they touch. Independent of how the tooth form placed the
// flanks, so that the calculation's W and M can be checked against the drawing.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "quillon/geometry/spline_contour.h"

namespace quillon::geometry::testing_support {

template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

// The largest p . n over the segment.
inline double reach(const ContourSegment& s, Point n) {
    double best = std::max(dot(startPoint(s), n), dot(endPoint(s), n));
    const double pi = std::numbers::pi;
    std::visit(Overloaded{
                   [](const LineSegment&) {},
                   [&](const ArcSegment& a) {
                       const double travelled = std::fmod(
                           std::fmod((angleOf(n) - a.startAngle) * (a.sweep < 0 ? -1 : 1), 2 * pi) +
                               2 * pi,
                           2 * pi);
                       if (travelled <= std::abs(a.sweep)) {
                           best = std::max(best, dot(a.centre, n) + a.radius);
                       }
                   },
                   [&](const InvoluteSegment& v) {
                       // Extreme where the tangent direction(baseAngle + sense t) is normal to n.
                       const double lo = std::min(v.rollFrom, v.rollTo);
                       const double hi = std::max(v.rollFrom, v.rollTo);
                       const double t0 = v.sense * (angleOf(n) + pi / 2 - v.baseAngle);
                       for (double t = t0 + pi * std::ceil((lo - t0) / pi); t <= hi; t += pi) {
                           best = std::max(best, dot(involutePoint(v, t), n));
                       }
                   },
               },
               s.shape);
    return best;
}

// The boundary of the body (shaft tooth, hub space) on +Y, turned by `angle`.
inline std::vector<ContourSegment> bodyOutline(const ToothForm& f, double angle) {
    std::vector<ContourSegment> body;
    for (const ContourSegment& s : halfPitch(f)) {
        const bool shaft = f.kind == engine::SplineKind::External;
        const bool gapSide = shaft ? s.role == SegmentRole::Root || s.role == SegmentRole::Fillet
                                   : s.role == SegmentRole::Tip;
        if (gapSide) {
            continue;
        }
        body.push_back(rotated(s, angle));
        body.push_back(rotated(mirrored(s), angle));
    }
    return body;
}

// Two parallel lines touching the outer flanks of k consecutive bodies, square to their middle.
inline double spanOnContour(const ToothForm& f, int k) {
    const double middle = std::numbers::pi / 2 + (k - 1) * f.pitchAngle() / 2;
    const Point n = direction(middle - std::numbers::pi / 2);
    double right = -1e300;
    double left = -1e300;
    for (const ContourSegment& s : bodyOutline(f, 0)) {
        right = std::max(right, reach(s, n));
    }
    for (const ContourSegment& s : bodyOutline(f, (k - 1) * f.pitchAngle())) {
        left = std::max(left, reach(s, -1.0 * n));
    }
    return right + left;
}

// A pin moved along the middle of a space from where it is free until it first touches.
inline double pinsOnContour(const ToothForm& f, double dp) {
    const bool shaft = f.kind == engine::SplineKind::External;
    const Point along = direction(std::numbers::pi / 2 + (shaft ? f.pitchAngle() / 2 : 0.0));
    std::vector<ContourSegment> near;
    for (int j = -1; j <= 1; ++j) {
        for (const ContourSegment& s : pitchContour(f)) {
            near.push_back(rotated(s, j * f.pitchAngle()));
        }
    }
    const auto touches = [&](double radius) {
        double gap = 1e300;
        for (const ContourSegment& s : near) {
            gap = std::min(gap, distanceTo(s, radius * along));
        }
        return gap <= dp / 2;
    };
    double free = shaft ? f.tipRadius + dp : f.tipRadius - dp;
    double blocked = f.rootRadius;
    for (int i = 0; i < 100; ++i) {
        const double mid = (free + blocked) / 2;
        (touches(mid) ? blocked : free) = mid;
    }
    const double chord = f.z % 2 ? std::cos(std::numbers::pi / (2 * f.z)) : 1.0;
    return 2 * free * chord + (shaft ? dp : -dp);
}

}  // namespace quillon::geometry::testing_support
