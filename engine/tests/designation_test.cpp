#include "quillon/engine/designation.h"

#include <gtest/gtest.h>

#include "quillon/engine/field_text.h"
#include "quillon/engine/in_memory_form.h"

namespace quillon::engine {
namespace {

constexpr auto W = SplineKind::External;
constexpr auto N = SplineKind::Internal;

SplineDesignation spline(SplineKind kind, double dB, double m, double alpha, double z,
                         std::optional<DesignationTolerance> tolerance = {}) {
    return {kind, dB, m, alpha, z, tolerance};
}

struct GoodText {
    const char* text;
    SplineDesignation expected;
};

TEST(DesignationParse, ReadsTheWaysPeopleWriteIt) {
    const GoodText cases[] = {
        {"DIN 5480 - W 120 x 3 x 30 x 38 x 8f", spline(W, 120, 3, 30, 38, {{8, 'f'}})},
        {"W 120 x 3 x 38", spline(W, 120, 3, 30, 38)},
        {"w120x3x38", spline(W, 120, 3, 30, 38)},
        {"N 120 X 3 × 38 * 9h", spline(N, 120, 3, 30, 38, {{9, 'H'}})},
        {"din5480 n 120*3*30*38", spline(N, 120, 3, 30, 38)},
        {"W 10 x 0,8 x 11", spline(W, 10, 0.8, 30, 11)},
        {" DIN 5480 W 26.375 x 1.25 x 20 9 H ", spline(W, 26.375, 1.25, 30, 20, {{9, 'h'}})},
        {"－ W 50 x 2 x 24 x 12e", spline(W, 50, 2, 30, 24, {{12, 'e'}})},
        {"N 45 x 2 x 30 x 21 5F", spline(N, 45, 2, 30, 21, {{5, 'F'}})},
    };
    for (const GoodText& c : cases) {
        const DesignationParse parsed = parseDesignation(c.text);
        ASSERT_TRUE(parsed.designation) << c.text << " -> " << parsed.unrecognised;
        EXPECT_EQ(*parsed.designation, c.expected) << c.text;
    }
}

struct BadText {
    const char* text;
    const char* unrecognised;
    const char* reason = "";
};

TEST(DesignationParse, SaysWhatItDidNotUnderstand) {
    const BadText cases[] = {
        {"", ""},
        {"DIN 5480 - X 120 x 3 x 38", "X 120 x 3 x 38"},
        {"DIN 548 W 120 x 3 x 38", "548 W 120 x 3 x 38"},
        {"W 120", "W 120"},                    // too few numbers
        {"W 120 x 3 x", "W 120 x 3 x"},        // ends early
        {"W 120 x 3 x 30 x 38 x 2", "2"},      // a fifth number
        {"W 120 x 3f x 38", "f x 38"},         // letter inside
        {"W 120 x 3 x 38 x 13f", "13f"},       // grade above 12
        {"W 120 x 3 x 38 x 4f", "4f"},         // grade below 5
        {"W 120 x 3 x 38 x 8f junk", "junk"},  // after the tolerance
        {"W 120 x 3 x 38.5", "W 120 x 3 x 38.5", "齿数 z 不是正整数"},
        {"W 120 x 0 x 38", "W 120 x 0 x 38", "模数 m 小于 0.0005 mm"},
        {"W 40 x 0.0004999 x 18", "W 40 x 0.0004999 x 18", "模数 m 小于 0.0005 mm"},
        // dB would print as 0, which does not read back.
        {"N 0000,00000002271062662408152357x04x80 8i", "N 0000,00000002271062662408152357x04x80 8i",
         "基准直径 dB 小于 0.0005 mm"},
        {"W 1 x 1", "W 1 x 1",
         "没有齿数 z 能使这一尺寸成为 DIN 5480 标准尺寸（变位系数 x 在 -0.05 至 +0.45 "
         "之间），请给出齿数"},
        {"W 40 x 2 x 5 x", "W 40 x 2 x 5 x"},  // x after a blank separates, it is no series
        {"W -120 x 3 x 38", "-120 x 3 x 38"},  // no sign
        {"W 1.2.3 x 3 x 38", ".3 x 3 x 38"},
    };
    for (const BadText& c : cases) {
        const DesignationParse parsed = parseDesignation(c.text);
        EXPECT_FALSE(parsed.designation) << c.text;
        EXPECT_TRUE(parsed.candidates.empty()) << c.text;
        EXPECT_EQ(parsed.unrecognised, c.unrecognised) << c.text;
        EXPECT_EQ(parsed.reason, c.reason) << c.text;
    }
}

TEST(DesignationParse, SizesWithoutTeethListTheCandidates) {
    const struct {
        const char* text;
        SplineDesignation size;  // teeth left 0
        std::vector<int> teeth;
    } cases[] = {
        {"W 40 x 2", spline(W, 40, 2, 30, 0), {18, 19}},
        {"N 40x2x30", spline(N, 40, 2, 30, 0), {18, 19}},  // z = 30 would be x = -5.55
        {"DIN 5480 - W 40 x 2 x 30 x 8f", spline(W, 40, 2, 30, 0, {{8, 'f'}}), {18, 19}},
        {"W 40 x 2 x 9h", spline(W, 40, 2, 30, 0, {{9, 'h'}}), {18, 19}},
        {"w 120 × 3 × 30", spline(W, 120, 3, 30, 0), {38, 39}},
        {"W 10 x 0,8 x 30", spline(W, 10, 0.8, 30, 0), {11}},
        {"N 45 x 2 7H", spline(N, 45, 2, 30, 0, {{7, 'H'}}), {21}},
        {"W 40 x 2 x 12x", spline(W, 40, 2, 30, 0, {{12, 'x'}}), {18, 19}},
    };
    for (const auto& c : cases) {
        const DesignationParse parsed = parseDesignation(c.text);
        std::vector<SplineDesignation> expected;
        for (int z : c.teeth) {
            SplineDesignation candidate = c.size;
            candidate.teeth = z;
            expected.push_back(candidate);
        }
        EXPECT_EQ(parsed.candidates, expected) << c.text << " -> " << parsed.reason;
        // Exactly one candidate is applied as if z had been given.
        EXPECT_EQ(parsed.designation.has_value(), expected.size() == 1) << c.text;
    }
    // A third number that is a tooth count the program accepts stays z, even when it is 30.
    const GoodText teethGiven[] = {
        {"W 65 x 2 x 30", spline(W, 65, 2, 30, 30)},      // x = 0.7
        {"W 120 x 3 x 100", spline(W, 120, 3, 30, 100)},  // not 30: z as before
    };
    for (const GoodText& c : teethGiven) {
        const DesignationParse parsed = parseDesignation(c.text);
        ASSERT_TRUE(parsed.designation) << c.text;
        EXPECT_EQ(*parsed.designation, c.expected) << c.text;
        EXPECT_TRUE(parsed.candidates.empty()) << c.text;
    }
}

TEST(DesignationNumbers, TeethCandidatesOfTheStandardSizes) {
    const struct {
        double dB;
        double m;
        std::vector<int> teeth;  // the published z among them
    } cases[] = {
        {6, 0.8, {6}},       {10, 0.8, {11}},   {25, 1.25, {18, 19}}, {30, 2, {13, 14}},
        {40, 2, {18, 19}},   {50, 2, {23, 24}}, {120, 3, {38, 39}},   {26.375, 1.25, {20}},
        {30, 0.6, {48, 49}},  // dB/m whole, though 0.6 is not exact in binary
        {17, 1.25, {12}},    {2, 1, {1}},       {1, 1, {}},           {0, 1, {}},
        {40, 0, {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(teethCandidates(c.dB, c.m), c.teeth) << c.dB << " x " << c.m;
    }
}

TEST(DesignationNumbers, SizeNotesSayWhereASplineIsNoStandardSize) {
    const struct {
        SplineDesignation designation;
        std::vector<std::string> notes;
    } cases[] = {
        {spline(W, 40, 2, 30, 18), {}},
        {spline(N, 40, 2, 30, 19), {}},
        {spline(W, 26.375, 1.25, 30, 20),
         {"基准直径 dB = 26.375 mm 不是整毫米数，DIN 5480 的标准尺寸都是整毫米数"}},
        {spline(N, 120, 3, 30, 37),
         {"变位系数 x = -0.95 不在 -0.45 至 +0.05 之间，不是 DIN 5480 的标准尺寸"}},
        {spline(W, 26.3, 1.25, 30, 19),
         {"变位系数 x = 0.47 不在 -0.05 至 +0.45 之间，不是 DIN 5480 的标准尺寸",
          "基准直径 dB = 26.3 mm 不是整毫米数，DIN 5480 的标准尺寸都是整毫米数"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(sizeNotes(c.designation), c.notes) << printDesignation(c.designation);
    }
}

TEST(DesignationNumbers, ProfileShiftFromTheReferenceDiameter) {
    const struct {
        SplineDesignation designation;
        const char* x;
    } cases[] = {
        {spline(W, 120, 3, 30, 38), "0.45"},    {spline(N, 120, 3, 30, 38), "-0.45"},
        {spline(W, 50, 2, 30, 24), "-0.05"},    {spline(W, 10, 0.8, 30, 11), "0.2"},
        {spline(W, 26.375, 1.25, 30, 20), "0"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(shortDecimal(profileShift(c.designation), 5), c.x)
            << printDesignation(c.designation);
    }
}

InMemoryForm formWith(SplineKind kind, const char* z, const char* m, const char* x,
                      const char* beta = "0") {
    InMemoryForm form;
    form.selectKind(kind);
    form.setText(Field::z, z);
    form.setText(Field::m, m);
    form.setText(Field::x, x);
    form.setText(Field::beta, beta);
    return form;  // grade "9", letter "H", alpha "30" as at start
}

TEST(DesignationPrint, NamesTheSplineOfTheForm) {
    const struct {
        InMemoryForm form;
        bool withTolerance;
        const char* printed;
    } cases[] = {
        {formWith(W, "20", "1.25", "0.00000"), true, "DIN 5480 - W 26.375 x 1.25 x 30 x 20 x 9h"},
        {formWith(W, "20", "1.25 ", "0"), false, "DIN 5480 - W 26.375 x 1.25 x 30 x 20"},
        {formWith(N, "38", "3.00", "-0.45000"), true, "DIN 5480 - N 120 x 3 x 30 x 38 x 9H"},
        {formWith(W, "24", "2", "-0.05"), false, "DIN 5480 - W 50 x 2 x 30 x 24"},
        {formWith(W, "11", "0.8", "0.2"), false, "DIN 5480 - W 10 x 0.8 x 30 x 11"},
        {formWith(W, "13", "0.5", "0.12345"), false, "DIN 5480 - W 7.173 x 0.5 x 30 x 13"},
    };
    for (const auto& c : cases) {
        const FormDesignation named = designationOfForm(c.form, c.withTolerance);
        ASSERT_TRUE(named.designation) << c.printed << ": " << named.reason;
        EXPECT_EQ(printDesignation(*named.designation), c.printed);
    }
}

TEST(DesignationPrint, SplinesWithoutADesignationSayWhy) {
    InMemoryForm noKind = formWith(W, "20", "1.25", "0");
    noKind.selectKind(std::nullopt);
    const struct {
        InMemoryForm form;
        const char* reason;
    } cases[] = {
        {formWith(W, "20", "1.25", "0", "15"), "斜齿花键（β ≠ 0）没有 DIN 5480 标记"},
        {formWith(W, "0", "1.25", "0"), "齿数 z 不是正整数"},
        {formWith(W, "2.5", "1.25", "0"), "齿数 z 不是正整数"},
        {formWith(W, "20", "abc", "0"), "模数 m 不是正数"},
        {formWith(N, "20", "1", "40"), "变位系数 x 使基准直径不为正"},
        {noKind, "未选择花键类型"},
    };
    for (const auto& c : cases) {
        const FormDesignation named = designationOfForm(c.form, true);
        EXPECT_FALSE(named.designation) << c.reason;
        EXPECT_EQ(named.reason, c.reason);
    }
    InMemoryForm badGrade = formWith(W, "20", "1.25", "0");
    badGrade.setText(Field::grade, "13");
    EXPECT_EQ(printDesignation(*designationOfForm(badGrade, true).designation),
              "DIN 5480 - W 26.375 x 1.25 x 30 x 20");
}

TEST(DesignationRoundTrip, PrintThenParseGivesTheSameFields) {
    const SplineDesignation designations[] = {
        spline(W, 120, 3, 30, 38, {{8, 'f'}}),
        spline(N, 120, 3, 30, 38, {{7, 'H'}}),
        spline(W, 50, 2, 30, 24),
        spline(W, 10, 0.8, 30, 11, {{12, 'a'}}),
        spline(N, 7.173, 0.5, 30, 13),
        spline(W, 500, 10, 37.5, 48),
        spline(W, 40, 2, 30, 18, {{8, 'x'}}),  // the series letter x is no separator
        spline(W, 0.001, 0.0005, 30, 1),       // the smallest numbers that print
    };
    for (const SplineDesignation& designation : designations) {
        const std::string printed = printDesignation(designation);
        const DesignationParse parsed = parseDesignation(printed);
        ASSERT_TRUE(parsed.designation) << printed;
        EXPECT_EQ(*parsed.designation, designation) << printed;
        // And the fields a designation gives name it again.
        InMemoryForm form = formWith(designation.kind, "", "", "");
        form.setText(Field::z, writeNumber(designation.teeth));
        form.setText(Field::m, writeNumber(designation.module));
        form.setText(Field::alpha, writeNumber(designation.pressureAngle));
        form.setText(Field::x, shortDecimal(profileShift(designation), 5));
        EXPECT_EQ(
            printDesignation(*designationOfForm(form, false).designation),
            printDesignation({designation.kind, designation.referenceDiameter, designation.module,
                              designation.pressureAngle, designation.teeth, std::nullopt}));
    }
}

TEST(Fit, ReadsBothClassesOrSaysWhatIsWrong) {
    const struct {
        const char* text;
        std::optional<Fit> fit;
        FitProblem problem;
    } cases[] = {
        {"9H/8f", Fit{{9, 'H'}, {8, 'f'}}, FitProblem::None},
        {"9H8f", Fit{{9, 'H'}, {8, 'f'}}, FitProblem::None},
        {" 10 H ／ 10d ", Fit{{10, 'H'}, {10, 'd'}}, FitProblem::None},
        {"", std::nullopt, FitProblem::Empty},
        {"9H", std::nullopt, FitProblem::OneClass},
        {"9H/", std::nullopt, FitProblem::Unreadable},
        {"H/f", std::nullopt, FitProblem::Unreadable},
        {"9H/8f7", std::nullopt, FitProblem::Unreadable},
        {"4H/8f", std::nullopt, FitProblem::Grade},
        {"9H/99999999999f", std::nullopt, FitProblem::Grade},
        {"9h/8f", std::nullopt, FitProblem::HubCase},
        {"9H/8F", std::nullopt, FitProblem::ShaftCase},
    };
    for (const auto& c : cases) {
        const FitParse parsed = parseFit(c.text);
        EXPECT_EQ(parsed.fit, c.fit) << c.text;
        EXPECT_EQ(parsed.problem, c.problem) << c.text;
        EXPECT_EQ(parsed.reason.empty(), c.fit.has_value()) << c.text;
    }
}

TEST(DesignationParse, AConnectionGivesTheFitAndThePartItNames) {
    const Fit fit{{9, 'H'}, {8, 'f'}};
    const struct {
        const char* text;
        SplineKind kind;
    } cases[] = {
        {"DIN 5480 - 50 x 2 x 30 x 24 x 9H/8f", W},
        {"50x2x24x9H8f", W},
        {"DIN 5480 - N 50 x 2 x 30 x 24 x 9H/8f", N},
        {"w 50 x 2 x 24 9H / 8f", W},
    };
    for (const auto& c : cases) {
        const DesignationParse parsed = parseDesignation(c.text);
        ASSERT_TRUE(parsed.designation) << c.text << " -> " << parsed.reason;
        EXPECT_EQ(parsed.fit, fit) << c.text;
        const DesignationTolerance own = c.kind == W ? fit.shaft : fit.hub;
        EXPECT_EQ(*parsed.designation, spline(c.kind, 50, 2, 30, 24, own)) << c.text;
        EXPECT_EQ(printConnectionDesignation(*parsed.designation, fit),
                  "DIN 5480 - 50 x 2 x 30 x 24 x 9H/8f");
    }
    // Without a fit the part letter is needed; a fit at fault says why.
    EXPECT_EQ(parseDesignation("50 x 2 x 24 x 8f").unrecognised, "50 x 2 x 24 x 8f");
    const DesignationParse wrongCase = parseDesignation("W 50 x 2 x 24 x 9h/8f");
    EXPECT_FALSE(wrongCase.designation);
    EXPECT_EQ(wrongCase.unrecognised, "9h/8f");
    EXPECT_EQ(wrongCase.reason, parseFit("9h/8f").reason);
    // A size without z lists candidates that carry the fit.
    const DesignationParse sought = parseDesignation("40 x 2 x 9H/8f");
    EXPECT_EQ(sought.candidates.size(), 2u);
    EXPECT_EQ(sought.fit, fit);
}

}  // namespace
}  // namespace quillon::engine
