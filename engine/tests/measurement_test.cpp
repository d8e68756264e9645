// The span measurement W over k teeth and the pin measurement M, checked against worked values.
#include <gtest/gtest.h>

#include <cmath>

#include "quillon/engine/angle_constants.h"
#include "quillon/engine/field_text.h"
#include "spline_case.h"

namespace quillon::engine {
namespace {

using testing_support::Calculator;
using testing_support::straightSpline;

struct MeasurementCase {
    const char* name;
    SplineKind kind;
    const char* z;
    const char* x;
    const char* beta;
    const char* m;
    const char* dp;
    const char* k;
    const char* W;
    const char* M;
};

class Measurement : public testing::TestWithParam<MeasurementCase> {};

TEST_P(Measurement, GivesTheWorkedValues) {
    const MeasurementCase& c = GetParam();
    Calculator calc;
    calc.kind(c.kind)
        .with(Field::z, c.z)
        .with(Field::x, c.x)
        .with(Field::beta, c.beta)
        .with(Field::m, c.m)
        .with(Field::dp, c.dp)
        .run();
    EXPECT_EQ(calc.state.k, c.k);
    if (*c.W != '\0') {
        EXPECT_EQ(calc[Field::W], c.W);
    }
    if (*c.M != '\0') {
        EXPECT_EQ(calc[Field::M], c.M);
    }
    EXPECT_TRUE(calc.form.messages().empty());
}

constexpr SplineKind kExt = SplineKind::External;
constexpr SplineKind kInt = SplineKind::Internal;

INSTANTIATE_TEST_SUITE_P(
    WorkedValues, Measurement,
    testing::Values(
        MeasurementCase{"straight_shaft", kExt, "20", "0", "0", "2", "3.5", "4", "20.907",
                        "44.982"},
        MeasurementCase{"straight_hub", kInt, "20", "0", "0", "2", "3.5", "4", "20.907", "34.826"},
        MeasurementCase{"odd_shaft", kExt, "21", "0", "0", "2", "3.5", "4", "21.000", "46.863"},
        MeasurementCase{"odd_hub", kInt, "21", "0", "0", "2", "3.5", "4", "21.000", "36.721"},
        MeasurementCase{"half_rounds_up", kExt, "18", "0", "0", "2", "3.5", "4", "", ""},
        MeasurementCase{"two_stage_k", kExt, "18", "-0.003", "0", "2", "3.5", "4", "20.715", ""},
        MeasurementCase{"helical_shaft", kExt, "20", "0.2", "15", "2", "3.5", "4", "21.488",
                        "47.120"},
        MeasurementCase{"shaft_shift", kExt, "30", "0.1", "0", "1.25", "2.165", "6", "20.575", ""},
        MeasurementCase{"hub_mirrors_shaft", kInt, "30", "-0.1", "0", "1.25", "2.165", "6",
                        "20.575", ""},
        MeasurementCase{"three_teeth", kExt, "3", "0", "0", "2", "3.5", "1", "3.000", ""}),
    [](const testing::TestParamInfo<MeasurementCase>& info) { return info.param.name; });

TEST(Measurement, KeepsTheAnglesInTheRunState) {
    Calculator shaft = straightSpline(SplineKind::External);
    shaft.run();
    EXPECT_NEAR(*shaft.state.alphaM, 33.3749, 0.5e-4);
    EXPECT_NEAR(*shaft.state.zVirtual, 20.0, 1e-12);
    Calculator hub = straightSpline(SplineKind::Internal);
    hub.run();
    EXPECT_NEAR(*hub.state.alphaM, 25.3321, 0.5e-4);

    Calculator helical = straightSpline(SplineKind::External);
    helical.with(Field::beta, "15").with(Field::x, "0.2").run();
    EXPECT_NEAR(*helical.state.alphaT, 30.8675, 0.5e-4);
    EXPECT_NEAR(*helical.state.zVirtual, 21.9446, 0.5e-4);
}

TEST(Measurement, ParityRoundsTheToothCountToEven) {
    // 2.5 -> 2 and 3.5 -> 4 are even (no chord correction), 3.4 -> 3 is odd.
    const auto pins = [](const char* z) {
        Calculator c = straightSpline(SplineKind::External);
        c.with(Field::z, z).run();
        return c;
    };
    const auto chordFactor = [](const Calculator& c) {
        const double d = readNumber(c[Field::d]);
        const double cosT = std::cos(*c.state.alphaT * kDegToRad);
        const double cosM = std::cos(*c.state.alphaM * kDegToRad);
        return (readNumber(c[Field::M]) - 3.5) / (d * cosT / cosM);
    };
    EXPECT_NEAR(chordFactor(pins("2.5")), 1.0, 1e-3);
    EXPECT_NEAR(chordFactor(pins("3.5")), 1.0, 1e-3);
    EXPECT_NEAR(chordFactor(pins("3.4")), std::cos(90.0 / 3.4 * kDegToRad), 1e-3);
}

TEST(Measurement, PressureAngleWithTrailingTextCountsAsItsNumberEverywhere) {
    Calculator plain = straightSpline(SplineKind::External);
    plain.run();
    Calculator degrees = straightSpline(SplineKind::External);
    degrees.with(Field::alpha, "30°").run();
    EXPECT_EQ(degrees.state.k, "4");
    EXPECT_EQ(degrees[Field::W], plain[Field::W]);
    EXPECT_EQ(degrees[Field::M], plain[Field::M]);
}

struct UnmeasurableCase {
    const char* name;
    const char* m;
    const char* dp;
    const char* W;
};

class UnmeasurablePins : public testing::TestWithParam<UnmeasurableCase> {};

// A spline whose pins cannot be placed shows M = 0, never the previous spline's value.
TEST_P(UnmeasurablePins, ShowZeroNotAnEarlierSplinesValue) {
    Calculator calc = straightSpline(SplineKind::External);
    calc.run();
    ASSERT_EQ(calc[Field::M], "44.982");
    calc.with(Field::m, GetParam().m).with(Field::dp, GetParam().dp).run();
    EXPECT_EQ(calc[Field::M], "0.000");
    EXPECT_EQ(calc[Field::W], GetParam().W);
    EXPECT_TRUE(calc.form.messages().empty());
    EXPECT_EQ(calc.handOffs, 2);
}

INSTANTIATE_TEST_SUITE_P(Inputs, UnmeasurablePins,
                         testing::Values(UnmeasurableCase{"zero_module", "0", "3.5", "0.000"},
                                         UnmeasurableCase{"pin_too_small", "2", "0.1", "20.907"},
                                         UnmeasurableCase{"pin_too_large", "2", "200", "20.907"}),
                         [](const testing::TestParamInfo<UnmeasurableCase>& info) {
                             return info.param.name;
                         });

TEST(Measurement, LiteEditionFormatsMAtOnce) {
    Calculator calc = straightSpline(SplineKind::External);
    calc.lite().run();
    EXPECT_EQ(calc[Field::M], "44.982");
    EXPECT_EQ(calc[Field::W], "20.907");
    // M is written formatted in its own step, before the display formats are applied.
    bool formattedWhenWritten = false;
    for (const auto& [field, text] : calc.form.writes()) {
        if (field == Field::M) {
            formattedWhenWritten = text == "44.982";
        }
    }
    EXPECT_TRUE(formattedWhenWritten);
}

}  // namespace
}  // namespace quillon::engine
