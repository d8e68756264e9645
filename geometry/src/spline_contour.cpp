#include "quillon/geometry/spline_contour.h"

#include <cmath>
#include <numbers>

using namespace quillon::engine;

namespace quillon::geometry {
namespace {

constexpr double kUp = std::numbers::pi / 2;
constexpr double kShortest = 1e-9;  // mm; shorter pieces are dropped

ContourSegment arcAroundCentre(double radius, double fromAngle, double toAngle, SegmentRole role) {
    return {ArcSegment{{0, 0}, radius, kUp + fromAngle, toAngle - fromAngle}, role};
}

ContourSegment filletArc(const FilletPlacement& f, Point from, Point to) {
    const Point centre = f.centreDistance * direction(kUp + f.centreAngle);
    const double start = angleOf(from - centre);
    double sweep = angleOf(to - centre) - start;
    sweep = std::remainder(sweep, 2 * std::numbers::pi);
    return {ArcSegment{centre, f.radius, start, sweep}, SegmentRole::Fillet};
}

double rollAt(const ToothForm& f, double radius) {
    return std::sqrt(std::max(0.0, radius * radius / (f.baseRadius * f.baseRadius) - 1));
}

bool hasLength(const ContourSegment& s) {
    if (const auto* arc = std::get_if<ArcSegment>(&s.shape)) {
        return std::abs(arc->sweep) * arc->radius > kShortest;
    }
    return length(endPoint(s) - startPoint(s)) > kShortest;
}

bool continues(const ContourSegment& a, const ContourSegment& b) {
    const auto* x = std::get_if<ArcSegment>(&a.shape);
    const auto* y = std::get_if<ArcSegment>(&b.shape);
    return x && y && a.role == b.role && length(x->centre - y->centre) < kShortest &&
           std::abs(x->radius - y->radius) < kShortest && (x->sweep > 0) == (y->sweep > 0);
}

void append(std::vector<ContourSegment>& list, const ContourSegment& s) {
    if (!hasLength(s)) {
        return;
    }
    if (!list.empty() && continues(list.back(), s)) {
        std::get<ArcSegment>(list.back().shape).sweep += std::get<ArcSegment>(s.shape).sweep;
        return;
    }
    list.push_back(s);
}

}  // namespace

std::vector<ContourSegment> halfPitch(const ToothForm& f) {
    const bool external = f.kind == SplineKind::External;
    const FilletPlacement& fil = f.fillet;
    const double flankBase = kUp - f.bodyHalfAngle;  // where the right flank's involute starts
    const Point filletContactPoint =
        fil.onInvolute
            ? involutePoint({f.baseRadius, flankBase, 1, 0, 0}, rollAt(f, fil.contactRadius))
            : fil.contactRadius * direction(flankBase);
    const Point filletRootPoint = f.rootRadius * direction(kUp + fil.centreAngle);
    const SegmentRole outerRole = external ? SegmentRole::Tip : SegmentRole::Root;
    const SegmentRole innerRole = external ? SegmentRole::Root : SegmentRole::Tip;

    // The involute runs down from its upper to its lower end; below the base circle the flank is
    // radial down to the lower end of the flank (fillet contact or tip circle).
    const double involuteTop = f.involuteTo();
    const double involuteBottom = f.involuteFrom();
    const double flankBottom = external ? fil.contactRadius : f.tipRadius;

    std::vector<ContourSegment> half;
    const double outerEnd = external ? -f.bodyHalfAngleAt(f.tipRadius) : fil.centreAngle;
    append(half, arcAroundCentre(f.outerRadius(), 0, outerEnd, outerRole));
    if (!external) {
        append(half, filletArc(fil, filletRootPoint, filletContactPoint));
    }
    if (involuteTop > involuteBottom) {
        append(half, {InvoluteSegment{f.baseRadius, flankBase, 1, rollAt(f, involuteTop),
                                      rollAt(f, involuteBottom)},
                      SegmentRole::Flank});
    }
    const double radialTop = std::min(f.baseRadius, involuteTop);
    if (radialTop > flankBottom) {
        append(half,
               {LineSegment{radialTop * direction(flankBase), flankBottom * direction(flankBase)},
                SegmentRole::FlankBelowBase});
    }
    if (external) {
        append(half, filletArc(fil, filletContactPoint, filletRootPoint));
    }
    const double innerStart = external ? fil.centreAngle : -f.bodyHalfAngleAt(f.tipRadius);
    append(half, arcAroundCentre(f.innerRadius(), innerStart, -f.pitchAngle() / 2, innerRole));
    return half;
}

std::vector<ContourSegment> pitchContour(const ToothForm& f) {
    const std::vector<ContourSegment> half = halfPitch(f);
    std::vector<ContourSegment> pitch;
    // The outer arc of the body on +Y, whole: its right half reversed, then its left half. It is
    // missing when the hub's fillets meet on the root circle.
    const auto* outer = std::get_if<ArcSegment>(&half.front().shape);
    const int first =
        outer && length(outer->centre) == 0 && outer->radius == f.outerRadius() ? 1 : 0;
    if (first == 1) {
        append(pitch, reversed(half.front()));
        append(pitch, mirrored(half.front()));
    }
    const int count = static_cast<int>(half.size());
    for (int i = first; i < count; ++i) {
        append(pitch, mirrored(half[i]));
    }
    for (int i = count - 1; i >= first; --i) {
        append(pitch, rotated(reversed(half[i]), f.pitchAngle()));
    }
    return pitch;
}

std::vector<ContourSegment> splineContour(const ToothForm& f) {
    const std::vector<ContourSegment> pitch = pitchContour(f);
    std::vector<ContourSegment> contour;
    contour.reserve(pitch.size() * f.z);
    for (int j = 0; j < f.z; ++j) {
        for (const ContourSegment& s : pitch) {
            contour.push_back(rotated(s, j * f.pitchAngle()));
        }
    }
    return contour;
}

}  // namespace quillon::geometry
