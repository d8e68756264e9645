// The checks, corrections and geometry of the Calculate command, through an in-memory form.
#include "quillon/engine/calculation_run.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "quillon/engine/run_messages.h"
#include "spline_case.h"

namespace quillon {
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
}  // namespace quillon
