// The exact contour against the calculation: closed, simple, z-fold symmetric, the right circles,
// and W and M measured on it equal to the window's fields.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "calculated_spline.h"
#include "contour_measure.h"
#include "quillon/geometry/measurement_check.h"
#include "quillon/geometry/polyline.h"
#include "quillon/geometry/tooth_form.h"

using namespace quillon::engine;

namespace quillon::geometry {
namespace {

using testing_support::calculated;
using testing_support::SplineCase;

constexpr SplineKind kShaft = SplineKind::External;
constexpr SplineKind kHub = SplineKind::Internal;
constexpr double kMicrometre = 0.001;

// Points along the polyline, arcs divided finely, for the crossing and radius checks.
std::vector<Point> tracePolyline(const Polyline& poly) {
    std::vector<Point> trace;
    for (std::size_t i = 0; i < poly.size(); ++i) {
        const Point a = poly[i].at;
        const Point b = poly[(i + 1) % poly.size()].at;
        const double sweep = 4 * std::atan(poly[i].bulge);
        const int pieces = poly[i].bulge == 0 ? 1 : 16;
        for (int k = 0; k < pieces; ++k) {
            if (poly[i].bulge == 0) {
                trace.push_back(a);
                continue;
            }
            // The point at fraction k/pieces along the arc from a to b.
            const Point chord = b - a;
            const double half = length(chord) / 2;
            const double radius = half / std::sin(sweep / 2);
            const Point mid = a + 0.5 * chord;
            const Point normal{-chord.y / (2 * half), chord.x / (2 * half)};
            const Point centre = mid + (radius * std::cos(sweep / 2)) * normal;
            const double start = angleOf(a - centre);
            trace.push_back(centre + std::abs(radius) * direction(start + sweep * k / pieces));
        }
    }
    return trace;
}

bool segmentsCross(Point a, Point b, Point c, Point d) {
    const double d1 = cross(b - a, c - a);
    const double d2 = cross(b - a, d - a);
    const double d3 = cross(d - c, a - c);
    const double d4 = cross(d - c, b - c);
    return ((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0));
}

bool crossesItself(const std::vector<Point>& trace) {
    const std::size_t n = trace.size();
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t j = i + 2; j < n; ++j) {
            if ((j + 1) % n == i) {
                continue;
            }
            if (segmentsCross(trace[i], trace[(i + 1) % n], trace[j], trace[(j + 1) % n])) {
                return true;
            }
        }
    }
    return false;
}

class Contour : public testing::TestWithParam<SplineCase> {};

TEST_P(Contour, IsClosedSimpleAndSymmetric) {
    const ProfileInput in = calculated(GetParam());
    const ToothFormDesign design = designToothForm(in);
    ASSERT_TRUE(design.form) << design.problem;
    const ToothForm& f = *design.form;

    const std::vector<ContourSegment> contour = splineContour(f);
    for (std::size_t i = 0; i < contour.size(); ++i) {
        const Point gap = endPoint(contour[i]) - startPoint(contour[(i + 1) % contour.size()]);
        ASSERT_LT(length(gap), 1e-9) << "open after segment " << i;
    }

    const Polyline poly = flattenContour(f);
    ASSERT_EQ(poly.size() % f.z, 0u);
    const std::size_t perPitch = poly.size() / f.z;
    for (std::size_t i = 0; i < poly.size(); ++i) {
        const Point turned = rotated(poly[i].at, f.pitchAngle());
        EXPECT_LT(length(turned - poly[(i + perPitch) % poly.size()].at), 1e-9);
    }
    const std::vector<Point> trace = tracePolyline(poly);
    EXPECT_FALSE(crossesItself(trace));

    double largest = 0;
    double smallest = 1e300;
    for (Point p : trace) {
        largest = std::max(largest, length(p));
        smallest = std::min(smallest, length(p));
    }
    EXPECT_NEAR(largest, std::max(in.da, in.df) / 2, kMicrometre);
    EXPECT_NEAR(smallest, std::min(in.da, in.df) / 2, kMicrometre);
}

TEST_P(Contour, MeasuresTheCalculatedWAndM) {
    const ProfileInput in = calculated(GetParam());
    const ToothForm f = *designToothForm(in).form;
    EXPECT_TRUE(checkMeasurements(f, in).warnings.empty());
    EXPECT_NEAR(testing_support::spanOnContour(f, static_cast<int>(in.k)), in.W, kMicrometre);
    EXPECT_NEAR(testing_support::pinsOnContour(f, in.dp), in.M, kMicrometre);
}

TEST_P(Contour, FlattensWithinHalfAMicrometre) {
    const ToothForm f = *designToothForm(calculated(GetParam())).form;
    const std::vector<ContourSegment> pitch = pitchContour(f);
    const Polyline poly = flatten(pitch);
    // Every chord's middle, and points between, lie within the tolerance of the exact pitch.
    for (std::size_t i = 0; i + 1 < poly.size(); ++i) {
        if (poly[i].bulge != 0) {
            continue;
        }
        for (double s : {0.25, 0.5, 0.75}) {
            const Point p = poly[i].at + s * (poly[i + 1].at - poly[i].at);
            double nearest = 1e300;
            for (const ContourSegment& seg : pitch) {
                nearest = std::min(nearest, distanceTo(seg, p));
            }
            EXPECT_LE(nearest, kFlatteningTolerance + 1e-9);
        }
    }
}

// Shafts and hubs, even and odd z, modules 0.5 to 5, x across DIN 5480's range, the pins the window
// proposes (1.732 m, 1.44 m) or, where those would not rest on the flanks, ones near mid-flank.
INSTANTIATE_TEST_SUITE_P(Splines, Contour,
                         testing::Values(SplineCase{kShaft, "20", "1.25", "0", "2.165"},
                                         SplineCase{kShaft, "21", "2", "0.45", "4.2"},
                                         SplineCase{kShaft, "6", "1", "0.45", "3.39"},
                                         SplineCase{kShaft, "37", "3", "-0.05", "5.196"},
                                         SplineCase{kShaft, "9", "0.8", "0.77", "2.65"},
                                         SplineCase{kShaft, "100", "0.5", "0.2", "0.866"},
                                         SplineCase{kHub, "20", "1.25", "0", "2.2"},
                                         SplineCase{kHub, "21", "2", "-0.45", "3.65"},
                                         SplineCase{kHub, "24", "2", "0.05", "3.5"},
                                         SplineCase{kHub, "11", "5", "-0.77", "9.5"},
                                         SplineCase{kHub, "50", "0.5", "-0.2", "0.9"}));

}  // namespace
}  // namespace quillon::geometry
