// The checks, corrections and geometry of the Calculate command, through an in-memory form.
#include "quillon/engine/calculation_run.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "quillon/engine/run_messages.h"
#include "spline_case.h"

namespace quillon::engine {
namespace {

using testing_support::Calculator;
using testing_support::straightSpline;

struct GeometryCase {
    const char* name;
    SplineKind kind;
    const char* beta;
    const char* x;
    std::vector<std::pair<Field, const char*>> expected;
};

class Geometry : public testing::TestWithParam<GeometryCase> {};

TEST_P(Geometry, GivesTheWorkedValues) {
    const GeometryCase& c = GetParam();
    Calculator calc = straightSpline(c.kind);
    calc.with(Field::beta, c.beta).with(Field::x, c.x).run();
    for (const auto& [field, text] : c.expected) {
        EXPECT_EQ(calc[field], text) << fieldName(field);
    }
    EXPECT_TRUE(calc.form.messages().empty());
    EXPECT_EQ(calc.handOffs, 1);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedValues, Geometry,
    testing::Values(
        GeometryCase{"straight_shaft",
                     SplineKind::External,
                     "0",
                     "0",
                     {{Field::d, "40.000"},
                      {Field::da, "41.800"},
                      {Field::df, "37.800"},
                      {Field::db, "34.641"},
                      {Field::ha, "0.900"},
                      {Field::hf, "1.100"},
                      {Field::h, "2.000"},
                      {Field::x, "0.00000"},
                      {Field::dp, "3.500"}}},
        GeometryCase{"straight_hub",
                     SplineKind::Internal,
                     "0",
                     "0",
                     {{Field::d, "40.000"},
                      {Field::da, "38.200"},
                      {Field::df, "42.200"},
                      {Field::db, "34.641"},
                      {Field::ha, "0.900"},
                      {Field::hf, "1.100"},
                      {Field::h, "2.000"}}},
        // The base circle of a helical involute is d * cos(αt): 35.545, not d * cos α / cos β.
        GeometryCase{"helical_shaft",
                     SplineKind::External,
                     "15",
                     "0.2",
                     {{Field::d, "41.411"},
                      {Field::da, "44.103"},
                      {Field::df, "39.962"},
                      {Field::db, "35.545"},
                      {Field::ha, "0.932"},
                      {Field::hf, "1.139"},
                      {Field::h, "2.071"},
                      {Field::x, "0.20000"}}}),
    [](const testing::TestParamInfo<GeometryCase>& info) { return info.param.name; });

TEST(CalculationRun, LaterStepsReadFifteenDigitResultsNotDisplayTexts) {
    Calculator calc = straightSpline(SplineKind::External);
    calc.with(Field::z, "7").with(Field::m, "1.1").run();
    // d is written first as plain 15-digit text and formatted only at the end.
    std::vector<std::string> dWrites;
    for (const auto& [field, text] : calc.form.writes()) {
        if (field == Field::d) {
            dWrites.push_back(text);
        }
    }
    EXPECT_EQ(dWrites, (std::vector<std::string>{"7.7", "7.700"}));
}

struct RejectionCase {
    const char* name;
    Edition edition;
    SplineKind kind;
    std::vector<std::pair<Field, const char*>> typed;
    const char* message;  // empty: accepted without a message
    std::vector<std::pair<Field, const char*>> expected;
};

class Rejection : public testing::TestWithParam<RejectionCase> {};

TEST_P(Rejection, ShowsTheMessageAndLeavesTheFieldsAsTheProgramsDo) {
    const RejectionCase& c = GetParam();
    Calculator calc = straightSpline(c.kind);
    calc.edition = c.edition;
    calc.run();  // an earlier spline, so that kept values are visible
    for (const auto& [field, text] : c.typed) {
        calc.with(field, text);
    }
    calc.run();
    if (*c.message == '\0') {
        EXPECT_TRUE(calc.form.messages().empty());
    } else {
        EXPECT_EQ(calc.form.messages(), std::vector<std::string>{c.message});
    }
    for (const auto& [field, text] : c.expected) {
        EXPECT_EQ(calc[field], text) << fieldName(field);
    }
    EXPECT_EQ(calc.handOffs, c.edition.handsOffToDeviation ? 2 : 0);
}

const Edition kTol = Edition::tolerance();
const Edition kLite = Edition::lite();
constexpr SplineKind kExt = SplineKind::External;
constexpr SplineKind kInt = SplineKind::Internal;

const std::vector<std::pair<Field, const char*>> kClearedTolerance = {
    {Field::z, "0"},      {Field::beta, "0"},   {Field::alpha, "30"}, {Field::x, "0.00000"},
    {Field::d, "0.000"},  {Field::da, "0.000"}, {Field::df, "0.000"}, {Field::db, "0.000"},
    {Field::ha, "0.000"}, {Field::hf, "0.000"}, {Field::h, "0.000"},  {Field::W, "0.000"},
    {Field::M, "0.000"},  {Field::dp, "3.500"}, {Field::m, "2"},      {Field::haStar, "0.45"}};

const std::vector<std::pair<Field, const char*>> kClearedLite = {
    {Field::z, "0"},      {Field::beta, "0"},   {Field::alpha, "30"}, {Field::x, "0"},
    {Field::d, "0.000"},  {Field::da, "0.000"}, {Field::df, "0.000"}, {Field::db, "0.000"},
    {Field::xm, "0.000"}, {Field::ha, "0.000"}, {Field::hf, "0.000"}, {Field::h, "0.000"},
    {Field::W, "0.000"},  {Field::M, "0"},      {Field::dp, "3.5"}};

const std::vector<std::pair<Field, const char*>> kToothCountRejected = {
    {Field::beta, "0"},   {Field::x, "0"},  {Field::d, "0"},     {Field::da, "0"}, {Field::df, "0"},
    {Field::db, "0"},     {Field::ha, "0"}, {Field::hf, "0"},    {Field::h, "0"},  {Field::W, "0"},
    {Field::M, "44.982"}, {Field::m, "2"},  {Field::alpha, "30"}};

INSTANTIATE_TEST_SUITE_P(
    Inputs, Rejection,
    testing::Values(
        RejectionCase{"z2_rejected",
                      kTol,
                      kExt,
                      {{Field::z, "2"}},
                      run_messages::kToothCountTooSmall,
                      kToothCountRejected},
        RejectionCase{"z_empty_rejected",
                      kTol,
                      kExt,
                      {{Field::z, ""}},
                      run_messages::kToothCountTooSmall,
                      kToothCountRejected},
        RejectionCase{"z_text_rejected",
                      kTol,
                      kExt,
                      {{Field::z, "abc"}, {Field::x, "0.3"}},
                      run_messages::kToothCountTooSmall,
                      {{Field::z, "abc"}, {Field::x, "0"}}},
        RejectionCase{"z2_5_accepted", kTol, kExt, {{Field::z, "2.5"}}, "", {{Field::d, "5.000"}}},
        RejectionCase{"lite_z3_rejected",
                      kLite,
                      kExt,
                      {{Field::z, "3"}, {Field::x, "0.2"}},
                      run_messages::kToothCountTooSmall,
                      {{Field::xm, "0"}, {Field::x, "0"}, {Field::M, "44.982"}}},
        RejectionCase{
            "lite_z4_accepted", kLite, kExt, {{Field::z, "4"}}, "", {{Field::d, "8.000"}}},
        RejectionCase{"beta30_accepted",
                      kTol,
                      kExt,
                      {{Field::beta, "30"}},
                      "",
                      {{Field::beta, "30"}, {Field::d, "46.188"}}},
        RejectionCase{"beta30_5_reset",
                      kTol,
                      kExt,
                      {{Field::beta, "30.5"}},
                      run_messages::kHelixAngleInvalid,
                      {{Field::beta, "0"}, {Field::d, "40.000"}, {Field::W, "20.907"}}},
        RejectionCase{"beta_negative_reset",
                      kTol,
                      kExt,
                      {{Field::beta, "-1"}},
                      run_messages::kHelixAngleInvalid,
                      {{Field::beta, "0"}, {Field::d, "40.000"}}},
        RejectionCase{"alpha60_accepted",
                      kTol,
                      kExt,
                      {{Field::alpha, "60"}},
                      "",
                      {{Field::alpha, "60"}, {Field::db, "20.000"}}},
        RejectionCase{"alpha0_shaft",
                      kTol,
                      kExt,
                      {{Field::alpha, "0"}},
                      run_messages::kPressureAngleInvalidShaft,
                      {{Field::alpha, "30"}, {Field::db, "34.641"}, {Field::M, "44.982"}}},
        RejectionCase{"alpha61_hub",
                      kTol,
                      kInt,
                      {{Field::alpha, "61"}},
                      run_messages::kPressureAngleInvalidHub,
                      {{Field::alpha, "30"}, {Field::M, "34.826"}}},
        RejectionCase{"alpha_empty_hub",
                      kTol,
                      kInt,
                      {{Field::alpha, ""}},
                      run_messages::kPressureAngleInvalidHub,
                      {{Field::alpha, "30"}}},
        RejectionCase{
            "x_special_shaft", kTol, kExt, {{Field::x, "0.879"}}, "", {{Field::x, "0.87900"}}},
        RejectionCase{"x088_shaft",
                      kTol,
                      kExt,
                      {{Field::x, "0.88"}},
                      run_messages::kProfileShiftOutsideDin5480,
                      kClearedTolerance},
        RejectionCase{
            "x_low_shaft", kTol, kExt, {{Field::x, "-0.07"}}, "", {{Field::x, "-0.07000"}}},
        RejectionCase{
            "x_high_shaft", kTol, kExt, {{Field::x, "0.77"}}, "", {{Field::x, "0.77000"}}},
        RejectionCase{
            "x_special_hub", kTol, kInt, {{Field::x, "-0.879"}}, "", {{Field::x, "-0.87900"}}},
        RejectionCase{"x_low_hub", kTol, kInt, {{Field::x, "-0.77"}}, "", {{Field::x, "-0.77000"}}},
        RejectionCase{"x_high_hub", kTol, kInt, {{Field::x, "0.07"}}, "", {{Field::x, "0.07000"}}},
        RejectionCase{"x008_hub",
                      kTol,
                      kInt,
                      {{Field::x, "0.08"}},
                      run_messages::kProfileShiftOutsideDin5480,
                      kClearedTolerance},
        RejectionCase{"lite_x047_shaft",
                      kLite,
                      kExt,
                      {{Field::x, "0.47"}},
                      "",
                      {{Field::x, "0.47"}, {Field::xm, "0.940"}, {Field::dp, "3.5"}}},
        RejectionCase{"lite_x048_shaft",
                      kLite,
                      kExt,
                      {{Field::x, "0.48"}},
                      run_messages::kProfileShiftOutsideDin5480,
                      kClearedLite},
        RejectionCase{
            "lite_x_minus047_hub", kLite, kInt, {{Field::x, "-0.47"}}, "", {{Field::x, "-0.47"}}},
        RejectionCase{"lite_x_minus048_hub",
                      kLite,
                      kInt,
                      {{Field::x, "-0.48"}},
                      run_messages::kProfileShiftOutsideDin5480,
                      kClearedLite}),
    [](const testing::TestParamInfo<RejectionCase>& info) { return info.param.name; });

TEST(CalculationRun, ChecksInOrderAndShowsEveryMessage) {
    Calculator calc = straightSpline(SplineKind::Internal);
    calc.with(Field::beta, "45").with(Field::alpha, "-5").with(Field::x, "0.5").run();
    EXPECT_EQ(calc.form.messages(),
              (std::vector<std::string>{run_messages::kHelixAngleInvalid,
                                        run_messages::kPressureAngleInvalidHub,
                                        run_messages::kProfileShiftOutsideDin5480}));
}

TEST(CalculationRun, LiteWritesTheProfileShiftAmountBeforeTheChecks) {
    Calculator calc = straightSpline(SplineKind::External);
    calc.lite().with(Field::x, "0.3").with(Field::beta, "99").run();
    ASSERT_FALSE(calc.form.writes().empty());
    EXPECT_EQ(calc.form.writes().front(), std::make_pair(Field::xm, std::string("0.6")));
    EXPECT_EQ(calc[Field::xm], "0.600");
}

TEST(CalculationRun, ToothCountRejectionKeepsTheRunState) {
    Calculator calc = straightSpline(SplineKind::External);
    calc.run();
    const RunState before = calc.state;
    calc.with(Field::z, "1").with(Field::m, "5").run();
    EXPECT_EQ(calc.state.k, before.k);
    EXPECT_EQ(calc.state.alphaM, before.alphaM);
    EXPECT_EQ(calc.state.zVirtual, before.zVirtual);
}

TEST(CalculationRun, WithoutAKindNothingHappens) {
    Calculator calc = straightSpline(SplineKind::External);
    calc.form.selectKind(std::nullopt);
    calc.run();
    EXPECT_TRUE(calc.form.writes().empty());
    EXPECT_TRUE(calc.form.messages().empty());
    EXPECT_EQ(calc.handOffs, 0);
}

TEST(CalculationRun, LiteEditionNeverHandsOff) {
    Calculator calc = straightSpline(SplineKind::External);
    calc.lite().run();
    EXPECT_EQ(calc.handOffs, 0);
}

TEST(CalculationRun, ResultsNeverShowANegativeZero) {
    Calculator calc = straightSpline(SplineKind::External);
    calc.with(Field::m, "-0.00001").with(Field::z, "3").run();
    for (Field field :
         {Field::d, Field::da, Field::df, Field::db, Field::ha, Field::hf, Field::h}) {
        EXPECT_EQ(calc[field].rfind("-0.000", 0), std::string::npos) << calc[field];
    }
}

struct OverflowCase {
    Field field;
    const char* text;
    const char* W;
    const char* shaftM;
    const char* hubM;
};

class Overflow : public testing::TestWithParam<OverflowCase> {};

// A number too large for a double fails every step that reads it, as a division by zero does: no
// result is computed from the earlier spline's fields (z = 20, m = 2, dp = 3.5), nothing is told.
TEST_P(Overflow, FailsEveryStepThatReadsIt) {
    const OverflowCase& c = GetParam();
    for (SplineKind kind : {kExt, kInt}) {
        Calculator calc = straightSpline(kind);
        calc.run();
        calc.with(Field::z, "41").with(Field::m, "1.25").with(Field::dp, "2.165");
        calc.with(c.field, c.text).run();
        EXPECT_EQ(calc[Field::W], c.W) << fieldName(c.field);
        EXPECT_EQ(calc[Field::M], kind == kExt ? c.shaftM : c.hubM) << fieldName(c.field);
    }
}

// alpha, beta and x out of range are corrected or rejected before any step reads them; haStar and
// cn fail the steps of da, df, ha and hf only.
INSTANTIATE_TEST_SUITE_P(
    InEachInput, Overflow,
    testing::Values(OverflowCase{Field::z, "1e400", "0.000", "0.000", "0.000"},
                    OverflowCase{Field::z, "-1e400", "0", "44.982", "34.826"},  // rejected
                    OverflowCase{Field::m, "1e400", "0.000", "0.000", "0.000"},
                    OverflowCase{Field::m, "-1e400", "0.000", "0.000", "0.000"},
                    OverflowCase{Field::alpha, "1e400", "24.491", "54.283", "48.091"},
                    OverflowCase{Field::alpha, "-1e400", "24.491", "54.283", "48.091"},
                    OverflowCase{Field::haStar, "1e400", "24.491", "54.283", "48.091"},
                    OverflowCase{Field::haStar, "-1e400", "24.491", "54.283", "48.091"},
                    OverflowCase{Field::beta, "1e400", "24.491", "54.283", "48.091"},
                    OverflowCase{Field::beta, "-1e400", "24.491", "54.283", "48.091"},
                    OverflowCase{Field::x, "1e400", "0.000", "0.000", "0.000"},
                    OverflowCase{Field::x, "-1e400", "0.000", "0.000", "0.000"},
                    OverflowCase{Field::cn, "1e400", "24.491", "54.283", "48.091"},
                    OverflowCase{Field::cn, "-1e400", "24.491", "54.283", "48.091"},
                    OverflowCase{Field::dp, "1e400", "24.491", "0.000", "0.000"},
                    OverflowCase{Field::dp, "-1e400", "24.491", "0.000", "0.000"}),
    [](const testing::TestParamInfo<OverflowCase>& info) {
        return std::string(fieldName(info.param.field)) + (*info.param.text == '-' ? "_minus" : "");
    });

TEST(CalculationRun, AnInputTooLargeForADoubleFailsItsStepsQuietly) {
    Calculator calc = straightSpline(SplineKind::External);
    calc.run();
    calc.with(Field::m, "1e999").run();
    EXPECT_TRUE(calc.form.messages().empty());
    // d cannot be computed: it keeps its text; W and M are not taken from the earlier spline.
    EXPECT_EQ(calc[Field::d], "40.000");
    EXPECT_EQ(calc[Field::W], "0.000");
    EXPECT_EQ(calc[Field::M], "0.000");
}

struct MagnitudeCase {
    Edition edition;
    SplineKind kind;
    const char* z;
    const char* m;
    const char* beta;
    const char* x;
    const char* dp;
    const char* k;
    std::vector<const char*> results;  // d, da, df, db, ha, hf, h, W, M, xm
};

class Magnitude : public testing::TestWithParam<MagnitudeCase> {};

// Splines of every size give the texts the field-by-field run gave, from the tiny to the absurd
// (results beyond 2^53 or below 1e-5 take the general number conversions).
TEST_P(Magnitude, GivesTheTextsOfTheFieldByFieldRun) {
    const MagnitudeCase& c = GetParam();
    Calculator calc;
    calc.edition = c.edition;
    calc.kind(c.kind)
        .with(Field::z, c.z)
        .with(Field::m, c.m)
        .with(Field::beta, c.beta)
        .with(Field::x, c.x)
        .with(Field::dp, c.dp)
        .run();
    EXPECT_EQ(calc.state.k, c.k);
    const Field results[] = {Field::d,  Field::da, Field::df, Field::db, Field::ha,
                             Field::hf, Field::h,  Field::W,  Field::M,  Field::xm};
    for (std::size_t i = 0; i < c.results.size(); ++i) {
        EXPECT_EQ(calc[results[i]], c.results[i]) << fieldName(results[i]);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, Magnitude,
    testing::Values(
        MagnitudeCase{
            kTol,
            kExt,
            "20",
            "1e-7",
            "0",
            "0",
            "2e-7",
            "4",
            {"0.000", "0.000", "0.000", "0.000", "0.000", "0.000", "0.000", "0.000", "0.000", "0"}},
        MagnitudeCase{
            kTol,
            kInt,
            "20",
            "0.0001234",
            "7",
            "-0.1",
            "0.0002",
            "4",
            {"0.002", "0.002", "0.003", "0.002", "0.000", "0.000", "0.000", "0.001", "0.002", "0"}},
        MagnitudeCase{kTol,
                      kExt,
                      "97",
                      "1e14",
                      "0",
                      "0.2",
                      "1.7e14",
                      "17",
                      {"9700000000000000.000", "9830000000000000.000", "9630000000000000.000",
                       "8400446460027470.000", "45000000000000.000", "55000000000000.000",
                       "100000000000000.000", "4960689891793270.000", "9974936571628300.000", "0"}},
        MagnitudeCase{kTol,
                      kExt,
                      "1e15",
                      "2",
                      "0",
                      "0",
                      "3.5",
                      "166666666666667",
                      {"2000000000000000.000", "2000000000000000.000", "2000000000000000.000",
                       "1732050816500510.000", "0.900", "1.100", "2.000", "999999984529958.000",
                       "1999999989686650.000", "0"}},
        MagnitudeCase{kLite,
                      kInt,
                      "41",
                      "1.75",
                      "29.99",
                      "-0.4",
                      "2.52",
                      "11",
                      {"82.841", "82.639", "86.680", "68.930", "0.909", "1.111", "2.021", "55.580",
                       "81.365", "-0.700"}},
        MagnitudeCase{kLite,
                      kExt,
                      "12345",
                      "0.6",
                      "12.5",
                      "0.47",
                      "1.04",
                      "2195",
                      {"7586.838", "7587.969", "7586.740", "6530.397", "0.277", "0.338", "0.615",
                       "3950.313", "7588.890", "0.282"}},
        MagnitudeCase{kTol,
                      kInt,
                      "23",
                      "8",
                      "30",
                      "0.07",
                      "11.52",
                      "6",
                      {"212.465", "202.858", "221.333", "176.781", "4.157", "5.081", "9.238",
                       "131.686", "198.029", "0"}},
        MagnitudeCase{kTol,
                      kExt,
                      "7",
                      "1e30",
                      "0",
                      "0",
                      "1e30",
                      "2",
                      {"7000000000000000000000000000000.000", "7900000000000000000000000000000.000",
                       "5900000000000000000000000000000.000", "6062177857751780000000000000000.000",
                       "450000000000000000000000000000.000", "550000000000000000000000000000.000",
                       "1000000000000000000000000000000.000", "4406899617178520000000000000000.000",
                       "0.000", "0"}}));

TEST(Clear, ResetsInFieldOrder) {
    InMemoryForm form;
    clear(form, Edition::lite());
    std::vector<Field> order;
    for (const auto& [field, text] : form.writes()) {
        order.push_back(field);
    }
    EXPECT_EQ(order, (std::vector<Field>{Field::z, Field::beta, Field::alpha, Field::x, Field::d,
                                         Field::da, Field::df, Field::db, Field::xm, Field::ha,
                                         Field::hf, Field::h, Field::W, Field::M}));
    EXPECT_EQ(form.text(Field::alpha), "30");
}

}  // namespace
}  // namespace quillon::engine
