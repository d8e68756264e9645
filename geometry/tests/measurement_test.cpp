// What the geometry tells about the measurements: warnings where the pins or anvils would not touch
// the flanks, the pin for mid-flank contact, exact limits of M, and no profile for unsound input.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "calculated_spline.h"
#include "contour_measure.h"
#include "quillon/geometry/exact_m_limits.h"
#include "quillon/geometry/measurement_check.h"
#include "quillon/geometry/pin_position.h"
#include "quillon/geometry/polyline.h"

using namespace quillon::engine;

namespace quillon::geometry {
namespace {

using testing_support::calculated;
using testing_support::SplineCase;

constexpr SplineKind kShaft = SplineKind::External;
constexpr SplineKind kHub = SplineKind::Internal;

struct WarningCase {
    SplineCase spline;
    const char* expected;  // a piece of the one warning expected, "" for none
};

class Warnings : public testing::TestWithParam<WarningCase> {};

TEST_P(Warnings, SayWhereTheMeasurementFails) {
    const ProfileInput in = calculated(GetParam().spline);
    const ToothForm f = *designToothForm(in).form;
    const MeasurementCheck check = checkMeasurements(f, in);
    const std::string expected = GetParam().expected;
    std::string all;
    for (const std::string& w : check.warnings) {
        all += w + "\n";
    }
    if (expected.empty()) {
        EXPECT_EQ(all, "");
    } else {
        EXPECT_NE(all.find(expected), std::string::npos) << all;
    }
    // The proposed pin rests on both flanks, half way up the involute, and draws no warning.
    ASSERT_TRUE(check.midFlankPinDiameter);
    const auto pin = pinOnFlanks(f, *check.midFlankPinDiameter);
    ASSERT_TRUE(pin);
    EXPECT_NEAR(pin->contactRadius, (f.involuteFrom() + f.involuteTo()) / 2, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Pins, Warnings,
    testing::Values(WarningCase{{kHub, "20", "1.25", "0", "1.8"}, "嵌入内花键齿根 0.11 mm"},
                    WarningCase{{kShaft, "20", "1.25", "0", "1.8"}, "嵌入外花键齿根 0.11 mm"},
                    WarningCase{{kShaft, "20", "1.25", "0", "5"}, "齿顶棱边"},
                    WarningCase{{kShaft, "20", "1.25", "0", "0.5"}, "量棒太小"},
                    WarningCase{{kHub, "20", "1.25", "0", "5"}, "量棒太大"},
                    WarningCase{{kShaft, "15", "2", "0.45", "3.5"}, "公法线量砧落在齿顶棱边上"},
                    WarningCase{{kHub, "9", "2", "-0.45", "3.5"}, "公法线量砧落在齿根过渡部分"},
                    WarningCase{{kShaft, "20", "1.25", "0", "2.165"}, ""},
                    WarningCase{{kHub, "20", "1.25", "0", "2.2"}, ""}));

TEST(Warnings, AreLeftOutForHelicalSplines) {
    const ProfileInput in = calculated({kHub, "20", "1.25", "0", "1.8", "15"});
    const MeasurementCheck check = checkMeasurements(*designToothForm(in).form, in);
    EXPECT_TRUE(check.warnings.empty());
    EXPECT_FALSE(exactMLimits(in, -0.01, -0.03));
}

struct LimitCase {
    SplineCase spline;
    double factor;  // dM / d(width) at the nominal width, to two places
};

class ExactLimits : public testing::TestWithParam<LimitCase> {};

TEST_P(ExactLimits, AreThePinMeasurementsOfTheLimitWidths) {
    const ProfileInput in = calculated(GetParam().spline);
    const double nearDev = -0.01;
    const double farDev = 0.01;
    const auto limits = exactMLimits(in, nearDev, farDev);
    ASSERT_TRUE(limits);
    // Measured on contours drawn at the limit widths.
    const double nearOnContour =
        testing_support::pinsOnContour(*designToothForm(in, nearDev).form, in.dp);
    EXPECT_NEAR(limits->nearLimit, nearOnContour, 1e-6);
    EXPECT_NEAR((limits->farLimit - limits->nearLimit) / (farDev - nearDev), GetParam().factor,
                0.005);
}

// The report's fixed factors are 1.52 (shafts) and 1.72 (hubs).
INSTANTIATE_TEST_SUITE_P(Factors, ExactLimits,
                         testing::Values(LimitCase{{kHub, "24", "2", "0.05", "3.5"}, 2.00},
                                         LimitCase{{kShaft, "6", "1", "0.45", "3.39"}, 1.04},
                                         LimitCase{{kShaft, "21", "2", "0", "3.5"}, 1.58}));

struct UnsoundCase {
    const char* name;
    ProfileInput input;
};

class Unsound : public testing::TestWithParam<UnsoundCase> {};

TEST_P(Unsound, GivesNoProfileButAReason) {
    const ToothFormDesign design = designToothForm(GetParam().input);
    EXPECT_FALSE(design.form);
    EXPECT_FALSE(design.problem.empty());
}

ProfileInput shaftWith(double z, double m, double x, double da, double df) {
    ProfileInput in;
    in.z = z;
    in.m = m;
    in.alpha = 30;
    in.x = x;
    in.da = da;
    in.df = df;
    return in;
}

ProfileInput hubWith(double z, double m, double x, double da, double df) {
    ProfileInput in = shaftWith(z, m, x, da, df);
    in.kind = kHub;
    return in;
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    Inputs, Unsound,
    testing::Values(UnsoundCase{"no_teeth", shaftWith(0, 1, 0, 20.9, 18.9)},
                    UnsoundCase{"no_module", shaftWith(20, 0, 0, 20.9, 18.9)},
                    UnsoundCase{"not_a_number", shaftWith(20, kNaN, 0, 20.9, 18.9)},
                    UnsoundCase{"half_a_tooth", shaftWith(20.5, 1, 0, 21.4, 19.4)},
                    UnsoundCase{"too_many_teeth", shaftWith(5000, 1, 0, 5000.9, 4998.9)},
                    UnsoundCase{"tip_inside_root", shaftWith(20, 1, 0, 18, 19)},
                    UnsoundCase{"hub_tip_outside_root", hubWith(20, 1, 0, 21, 20)},
                    UnsoundCase{"pointed_tip", shaftWith(6, 1, 0.879, 9.6, 6.6)},
                    UnsoundCase{"teeth_overlap", shaftWith(20, 1, 1.5, 23.9, 19)},
                    UnsoundCase{"hub_spaces_close", hubWith(20, 1, 1.0, 18.5, 22)},
                    UnsoundCase{"undercut", shaftWith(3, 2, 0, 7.8, 3.8)}),
    [](const auto& info) { return std::string(info.param.name); });

// Whatever the numbers, designing and flattening end, and any profile made is closed.
TEST(Profile, NeverFailsOnOddInput) {
    std::mt19937 random(5480);
    std::uniform_real_distribution<double> unit(0, 1);
    for (int i = 0; i < 400; ++i) {
        const double z = std::floor(2 + 60 * unit(random));
        const double m = 0.5 + 5 * unit(random);
        ProfileInput in = (i % 2 ? hubWith : shaftWith)(z, m, 2 * unit(random) - 1, 0, 0);
        in.beta = 40 * unit(random) - 5;
        in.dp = 3 * m * unit(random);
        in.M = z * m * (0.8 + 0.4 * unit(random));
        in.W = z * m * unit(random);
        in.da = z * m * (0.9 + 0.2 * unit(random));
        in.df = z * m * (0.9 + 0.2 * unit(random));
        const ToothFormDesign design = designToothForm(in);
        if (!design.form) {
            EXPECT_FALSE(design.problem.empty());
            continue;
        }
        checkMeasurements(*design.form, in);
        const Polyline poly = flattenContour(*design.form);
        ASSERT_FALSE(poly.empty());
        const std::vector<ContourSegment> pitch = pitchContour(*design.form);
        const Point closing = rotated(startPoint(pitch.front()), design.form->pitchAngle());
        EXPECT_LT(length(endPoint(pitch.back()) - closing), 1e-9);
    }
}

}  // namespace
}  // namespace quillon::geometry
