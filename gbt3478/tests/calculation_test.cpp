// The calculation against hand-worked splines, its identities, the pair's clearances, and the
// inputs it refuses or warns about.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "quillon/gbt3478/calculation.h"
#include "quillon/gbt3478/measurement.h"
#include "quillon/gbt3478/pair.h"
#include "quillon/geometry/pin_position.h"

namespace quillon::gbt3478 {
namespace {

constexpr auto INT = SplineKind::Internal;
constexpr auto EXT = SplineKind::External;

SplineInput spline(SplineKind kind, int z, double m, double alpha, Root root, int toleranceClass,
                   FitLetter fit, std::optional<double> dp = {}) {
    return {kind, z, m, alpha, root, toleranceClass, fit, std::nullopt, dp};
}

SplineResult calculated(const SplineInput& in) {
    const Calculation c = calculate(in);
    EXPECT_TRUE(c.problems.empty()) << c.problems.front();
    return c.result.value();
}

// Worked out apart from this code, with a short python script written from the formulas alone:
// i*, i** and the class coefficients for T + λ; Fp, fα, Fβ with g = D/2 for λ; esv from the
// ISO 286 f/e/d rows, (T+λ)/2 rounded for js; the diameters from the c, hs table and IT10-12 of
// ISO 286-1; M by bisection on inv αM = width/D + inv α ± dp/Db (∓ π/z for a shaft);
// W = (k − 1)·π·m·cos α + Db·(S/D + inv α) with k = round(z·α/180 + 0.5). The engine's span
// formula takes π as 3.1415926, which moves W by under 0.001 µm: hence the tolerance on W.
// For 24z × 2.5m × 30R the same figures stand on published drawings: Dii min 57.74,
// Dei max 64.82, DFe max 57.24, Die min 55.18 (to two places).
struct WorkedCase {
    SplineInput in;
    double totalTolerance, lambda, esv;                       // µm
    double effectiveMin, effectiveMax, actualMin, actualMax;  // mm
    double majorMax, majorMin, minorMax, minorMin, form;      // mm
    double M, MUpper, MLower;                                 // mm
    int k;                                                    // shafts
    double W, WUpper, WLower;                                 // mm
};

const WorkedCase kWorked[] = {
    {spline(INT, 24, 2.5, 30, Root::Fillet, 5, FitLetter::H, 4.0),
     74.835667427,
     30.481505882,
     0,
     3.926990817,
     3.971344979,
     3.957472323,
     4.001826484,
     64.824047946,
     64.5,
     58.036352085,
     57.736352085,
     63.0,
     54.76173594,
     54.899944511,
     54.818169235,
     0,
     0,
     0,
     0},
    {spline(EXT, 24, 2.5, 30, Root::Fillet, 5, FitLetter::h, 4.5),
     74.835667427,
     30.481505882,
     0,
     3.882636655,
     3.926990817,
     3.85215515,
     3.896509311,
     62.5,
     62.2,
     55.5,
     55.175952054,
     57.236352085,
     66.595487137,
     66.547228909,
     66.476849585,
     5,
     33.400873808,
     33.374476049,
     33.336064219},
    {spline(EXT, 18, 1.25, 45, Root::Fillet, 6, FitLetter::e, 2.0),
     88.868195753,
     32.097519482,
     -40,
     1.866724732,
     1.923495408,
     1.834627213,
     1.891397889,
     23.46,
     23.33,
     20.96,
     20.817810887,
     21.249192926,
     25.349653955,
     25.279911297,
     25.224865853,
     5,
     15.909902577,
     15.858921932,
     15.818779002},
    {spline(INT, 18, 1.25, 45, Root::Fillet, 6, FitLetter::H, 2.0),
     88.868195753,
     32.097519482,
     0,
     1.963495408,
     2.020266085,
     1.995592928,
     2.052363604,
     24.142189113,
     24.0,
     21.666732957,
     21.536732957,
     23.75,
     19.616768143,
     19.70935767,
     19.650263279,
     0,
     0,
     0,
     0},
    {spline(EXT, 30, 1, 37.5, Root::Fillet, 7, FitLetter::js, 1.8),
     141.077721828,
     50.688768526,
     71,
     1.551407373,
     1.641796327,
     1.500718605,
     1.591107558,
     30.9,
     30.74,
     28.692529001,
     28.508672935,
     29.022243306,
     32.688363507,
     32.713629373,
     32.6009578,
     7,
     18.885941127,
     18.902055110,
     18.830344732},
};

TEST(Calculation, GivesTheHandWorkedFigures) {
    constexpr double kMm = 1e-8;    // the script's figures to nine places
    constexpr double kSpan = 1e-6;  // W: the engine's π
    for (const WorkedCase& w : kWorked) {
        const SplineResult r = calculated(w.in);
        SCOPED_TRACE(w.in.z);
        EXPECT_NEAR(r.totalTolerance, w.totalTolerance, kMm);
        EXPECT_NEAR(r.effectiveVariation, w.lambda, kMm);
        EXPECT_EQ(r.fundamentalDeviation, w.esv);
        EXPECT_NEAR(r.widths.effectiveMin, w.effectiveMin, kMm);
        EXPECT_NEAR(r.widths.effectiveMax, w.effectiveMax, kMm);
        EXPECT_NEAR(r.widths.actualMin, w.actualMin, kMm);
        EXPECT_NEAR(r.widths.actualMax, w.actualMax, kMm);
        EXPECT_NEAR(r.diameters.major.max, w.majorMax, kMm);
        EXPECT_NEAR(r.diameters.major.min, w.majorMin, kMm);
        EXPECT_NEAR(r.diameters.minor.max, w.minorMax, kMm);
        EXPECT_NEAR(r.diameters.minor.min, w.minorMin, kMm);
        EXPECT_NEAR(r.diameters.form, w.form, kMm);
        ASSERT_TRUE(r.pins);
        EXPECT_NEAR(r.pins->M, w.M, kMm);
        EXPECT_NEAR(r.pins->limits.upper, w.MUpper, kMm);
        EXPECT_NEAR(r.pins->limits.lower, w.MLower, kMm);
        ASSERT_EQ(r.span.has_value(), w.k != 0);
        if (r.span) {
            EXPECT_EQ(r.span->k, w.k);
            EXPECT_NEAR(r.span->W, w.W, kSpan);
            EXPECT_NEAR(r.span->limits.upper, w.WUpper, kSpan);
            EXPECT_NEAR(r.span->limits.lower, w.WLower, kSpan);
        }
    }
}

// Every fit, class and angle: the limits hang together, and a printed limit of M or W read back
// through the inverse gives that limit's width.
TEST(Calculation, KeepsItsIdentities) {
    const SplineInput inputs[] = {
        spline(INT, 6, 0.25, 30, Root::Flat, 4, FitLetter::H),
        spline(INT, 31, 1.75, 37.5, Root::Fillet, 7, FitLetter::H),
        spline(EXT, 6, 0.25, 30, Root::Flat, 4, FitLetter::k),
        spline(EXT, 17, 0.75, 30, Root::Fillet, 5, FitLetter::js),
        spline(EXT, 40, 3, 37.5, Root::Fillet, 6, FitLetter::f),
        spline(EXT, 99, 5, 45, Root::Fillet, 7, FitLetter::d),
        spline(EXT, 250, 2.5, 30, Root::Flat, 5, FitLetter::h),
    };
    for (const SplineInput& in : inputs) {
        const SplineResult r = calculated(in);
        SCOPED_TRACE(in.z);
        const WidthLimits& w = r.widths;
        const double inner = (r.totalTolerance - r.effectiveVariation) / 1000;
        EXPECT_NEAR(w.actualMax - w.actualMin, inner, 1e-12);
        EXPECT_NEAR(w.effectiveMax - w.effectiveMin, inner, 1e-12);
        EXPECT_NEAR(std::max(w.effectiveMax, w.actualMax) - std::min(w.effectiveMin, w.actualMin),
                    r.totalTolerance / 1000, 1e-12);
        ASSERT_TRUE(r.pins);
        // A wider space puts the pins of a hub further out, as a thicker tooth does a shaft's:
        // the upper M belongs to the widest limit for both kinds.
        EXPECT_NEAR(*widthOfPinMeasurement(in, r.pins->dp, r.pins->limits.upper), w.actualMax,
                    1e-9);
        EXPECT_NEAR(*widthOfPinMeasurement(in, r.pins->dp, r.pins->limits.lower), w.actualMin,
                    1e-9);
        EXPECT_NEAR(*widthOfPinMeasurement(in, r.pins->dp, r.pins->M), r.basicWidth, 1e-9);
        // The proposed pin touches the flanks near the reference circle.
        const auto pin = geometry::pinOnFlanks(
            involuteForm(in.kind, in.z, in.module, in.pressureAngle, r.basicWidth), r.pins->dp);
        ASSERT_TRUE(pin);
        EXPECT_NEAR(pin->contactRadius, r.D / 2, 0.02);
        ASSERT_EQ(r.span.has_value(), in.kind == EXT);
        if (r.span) {
            EXPECT_NEAR(thicknessOfSpan(in, r.span->k, r.span->limits.upper), w.actualMax, 1e-9);
            EXPECT_NEAR(thicknessOfSpan(in, r.span->k, r.span->limits.lower), w.actualMin, 1e-9);
        }
        EXPECT_TRUE(drawnToothForm(r).form) << drawnToothForm(r).problem;
    }
}

TEST(Pair, ClearancesAddUp) {
    const PairCalculation pair =
        calculatePair(spline(INT, 24, 2.5, 30, Root::Fillet, 5, FitLetter::H),
                      spline(EXT, 24, 2.5, 30, Root::Fillet, 6, FitLetter::e));
    ASSERT_TRUE(pair.clearances);
    const Clearances& c = *pair.clearances;
    const SplineResult& hub = *pair.hub.result;
    const SplineResult& shaft = *pair.shaft.result;
    // e of 50-80 mm is -60 µm: the tightest assembled fit leaves that much.
    EXPECT_NEAR(c.effectiveMin, 0.060, 1e-12);
    const double spread = (hub.totalTolerance - hub.effectiveVariation + shaft.totalTolerance -
                           shaft.effectiveVariation) /
                          1000;
    EXPECT_NEAR(c.effectiveMax - c.effectiveMin, spread, 1e-12);
    EXPECT_NEAR(c.actualMax - c.actualMin, spread, 1e-12);
    EXPECT_NEAR(c.actualMin - c.effectiveMin,
                (hub.effectiveVariation + shaft.effectiveVariation) / 1000, 1e-12);

    const PairCalculation mismatch =
        calculatePair(spline(INT, 24, 2.5, 30, Root::Fillet, 5, FitLetter::H),
                      spline(EXT, 24, 2.5, 30, Root::Flat, 5, FitLetter::h));
    EXPECT_FALSE(mismatch.clearances);
    ASSERT_EQ(mismatch.problems.size(), 1u);
}

struct CheckCase {
    SplineInput in;
    const char* problem;  // a piece of the one problem expected, "" for none
    const char* warning;  // a piece of a warning expected, "" for none at all
};

TEST(Calculation, RefusesOrWarnsNamingTheInput) {
    auto with = [](SplineInput in, auto change) {
        change(in);
        return in;
    };
    const SplineInput hub = spline(INT, 24, 2.5, 30, Root::Fillet, 5, FitLetter::H);
    const SplineInput shaft = spline(EXT, 24, 2.5, 30, Root::Fillet, 5, FitLetter::h);
    const CheckCase cases[] = {
        {hub, "", ""},
        {with(hub, [](auto& s) { s.z = 5; }), "齿数 z = 5 太少", ""},
        {with(hub, [](auto& s) { s.z = 101; }), "", "齿数 z = 101 超过 100"},
        {with(hub, [](auto& s) { s.module = 2.2; }), "", "模数 m = 2.2 mm 不在标准模数系列"},
        {with(hub, [](auto& s) { s.module = 0; }), "模数 m 必须是正数", ""},
        {with(hub, [](auto& s) { s.pressureAngle = 20; }), "压力角 α 20° 不是", ""},
        {with(shaft, [](auto& s) { s.pressureAngle = 45, s.root = Root::Flat; }),
         "压力角 α 45° 只有圆齿根", ""},
        {with(hub, [](auto& s) { s.toleranceClass = 8; }), "公差等级 8 不在 4 至 7 之间", ""},
        {with(shaft, [](auto& s) { s.fit = FitLetter::H; }), "外花键的配合类别只能是", ""},
        {with(hub, [](auto& s) { s.fit = FitLetter::js; }), "内花键的配合类别只能是 H，不能是 js",
         ""},
        {with(shaft, [](auto& s) { s.engagementLength = 0.0; }), "配合长度 g 必须是正数", ""},
        {with(shaft, [](auto& s) { s.z = 201, s.fit = FitLetter::d; }),
         "D = 502.5 mm 超过 500 mm：没有配合类别 d", "超过 100"},
        {with(shaft, [](auto& s) { s.z = 201, s.fit = FitLetter::k; }), "", "超过 100"},
        {with(shaft, [](auto& s) { s.engagementLength = 1e6; }),
         "综合误差 λ = 603.7 µm 不小于总公差 T+λ = 74.8 µm", ""},
        {with(shaft, [](auto& s) { s.pinDiameter = -1.0; }), "量棒直径 dp 必须是正数", ""},
        {with(shaft, [](auto& s) { s.pinDiameter = 1.0; }), "", "量棒"},
        {with(hub, [](auto& s) { s.pinDiameter = 9.0; }), "", "量棒太大"},
    };
    for (const CheckCase& c : cases) {
        const Calculation calc = calculate(c.in);
        std::string problems;
        std::string warnings;
        for (const std::string& p : calc.problems) {
            problems += p + "\n";
        }
        for (const std::string& w : calc.warnings) {
            warnings += w + "\n";
        }
        if (*c.problem == '\0') {
            EXPECT_EQ(problems, "");
            EXPECT_TRUE(calc.result);
        } else {
            EXPECT_NE(problems.find(c.problem), std::string::npos) << problems;
            EXPECT_EQ(calc.problems.size(), 1u) << problems;
            EXPECT_FALSE(calc.result);
        }
        if (*c.warning == '\0') {
            EXPECT_EQ(warnings, "");
        } else {
            EXPECT_NE(warnings.find(c.warning), std::string::npos) << warnings;
        }
    }
}

TEST(Calculation, SaysWhatItAssumed) {
    SplineInput in = spline(EXT, 24, 2.5, 30, Root::Flat, 5, FitLetter::h);
    EXPECT_EQ(
        calculate(in).notes,
        (std::vector<std::string>{"未给出配合长度 g，按 g = D/2 = 30 mm 计算",
                                  "未给出量棒直径 dp，取在分度圆附近接触齿面的 dp = 4.72 mm"}));
    in.engagementLength = 40;
    in.pinDiameter = 4.5;
    const Calculation c = calculate(in);
    EXPECT_TRUE(c.notes.empty());
    EXPECT_EQ(c.result->engagementLength, 40);
}

}  // namespace
}  // namespace quillon::gbt3478
