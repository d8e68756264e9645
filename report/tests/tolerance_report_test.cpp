#include "quillon/report/tolerance_report.h"

#include <gtest/gtest.h>

#include <QString>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "quillon/engine/in_memory_form.h"
#include "quillon/report/report_file.h"
#include "quillon/report/report_numbers.h"
#include "report_golden.h"

using namespace quillon::engine;

namespace quillon::report {
namespace {

using FieldTexts = std::vector<std::pair<Field, std::string>>;

// The fields of a tolerance-edition window after calculating z = 20, m = 1.25.
const FieldTexts kExternalRun = {
    {Field::z, "20"},      {Field::x, "0.00000"}, {Field::d, "25.000"}, {Field::da, "26.125"},
    {Field::df, "23.625"}, {Field::db, "21.651"}, {Field::ha, "0.563"}, {Field::hf, "0.688"},
    {Field::h, "1.250"},   {Field::W, "13.067"},  {Field::M, "28.050"},
};

FieldTexts with(FieldTexts texts, const FieldTexts& more) {
    texts.insert(texts.end(), more.begin(), more.end());
    return texts;
}

struct ReportCase {
    std::string golden;
    FieldTexts texts;  // on top of a freshly started window
    SplineKind kind;
    std::string k;
    double nearDeviation;
    double farDeviation;
};

std::vector<std::string> linesFor(const ReportCase& c) {
    InMemoryForm form;
    for (const auto& [field, text] : c.texts) {
        form.setText(field, text);
    }
    form.selectKind(c.kind);
    return toleranceReportLines(form, c.k, c.nearDeviation, c.farDeviation);
}

void PrintTo(const ReportCase& c, std::ostream* os) {
    *os << c.golden;
}

class ToleranceReportGolden : public ::testing::TestWithParam<ReportCase> {};

TEST_P(ToleranceReportGolden, MatchesTheGoldenBytes) {
    const std::vector<std::string> lines = linesFor(GetParam());
    ASSERT_EQ(lines.size(), 24u);
    const QByteArray expected = testing::goldenBytes(QString::fromStdString(GetParam().golden));
    ASSERT_FALSE(expected.isEmpty()) << "missing golden file " << GetParam().golden;
    const std::optional<QByteArray> actual = encodeReport(lines);
    ASSERT_TRUE(actual.has_value());
    EXPECT_EQ(*actual, expected) << testing::decodeGbk(*actual).toStdString() << "\nexpected:\n"
                                 << testing::decodeGbk(expected).toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ToleranceReportGolden,
    ::testing::Values(
        ReportCase{"tolerance_before_calculation.txt", {}, SplineKind::External, "", 0, 0},
        ReportCase{"tolerance_external.txt", kExternalRun, SplineKind::External, "4", -0.040,
                   -0.070},
        ReportCase{"tolerance_kind_switched.txt", kExternalRun, SplineKind::Internal, "4", -0.040,
                   -0.070},
        ReportCase{"tolerance_internal.txt",
                   with(kExternalRun, {{Field::dp, "1.800"},
                                       {Field::da, "23.875"},
                                       {Field::df, "26.375"},
                                       {Field::M, "22.998"}}),
                   SplineKind::Internal, "4", 0.020, 0.055},
        ReportCase{
            "tolerance_typed_module.txt", {{Field::m, "1.375"}}, SplineKind::External, "", 0, 0},
        ReportCase{"tolerance_outside_gbk.txt",
                   {{Field::z, "20😀"}, {Field::m, "1.25한"}, {Field::grade, "9ä"}},
                   SplineKind::External,
                   "",
                   0,
                   0}),
    [](const ::testing::TestParamInfo<ReportCase>& info) {
        return info.param.golden.substr(0, info.param.golden.find('.'));
    });

TEST(ToleranceReport, SwitchingTheKindChangesOnlyThePinLimits) {
    const ReportCase external{"", kExternalRun, SplineKind::External, "4", -0.040, -0.070};
    ReportCase internal = external;
    internal.kind = SplineKind::Internal;
    const auto before = linesFor(external);
    const auto after = linesFor(internal);
    ASSERT_EQ(before.size(), after.size());
    for (std::size_t i = 0; i + 1 < before.size(); ++i) {
        EXPECT_EQ(before[i], after[i]) << "line " << i + 1;
    }
    EXPECT_NE(before.back(), after.back());
}

TEST(ToleranceReport, NoKindSelectedUsesTheInternalPinFactor) {
    InMemoryForm form;
    form.setText(Field::M, "10");
    form.selectKind(std::nullopt);
    EXPECT_EQ(toleranceReportLines(form, "", -0.1, 0.1)[23],
              "齿轮跨棒距：             M  = 9.828 — 10.172");
}

// Lines 21, 23 and 24 are the only computed ones; each case gives field texts and the expected
// tail of one line.
struct ComputedLineCase {
    FieldTexts texts;
    double nearDeviation;
    double farDeviation;
    std::size_t line;  // 1-based
    std::string ending;
};

TEST(ToleranceReport, ComputedLines) {
    const std::vector<ComputedLineCase> cases = {
        // The worked example of the span limits.
        {{{Field::W, "10.000"}}, -0.040, -0.070, 23, "W  = 9.965 — 9.939"},
        // The whole depth comes from ha and hf, never from the h field.
        {{{Field::ha, "0.25"}, {Field::hf, "0.25"}, {Field::h, "99"}}, 0, 0, 21, "h  = .5 "},
        {{{Field::ha, "-1"}, {Field::hf, "0.5"}}, 0, 0, 21, "h  =-.5 "},
        {{{Field::ha, "1.2abc"}, {Field::hf, "abc"}}, 0, 0, 21, "h  = 1.2 "},
        {{{Field::ha, "0.1"}, {Field::hf, "0.2"}}, 0, 0, 21, "h  = .3 "},
        {{{Field::ha, "1e400"}}, 0, 0, 21, "h  = ∞ "},
        // A limit rounds half away from zero on the decimal form.
        {{{Field::M, "1.0005"}}, 0, -0.001, 24, "M  = 1.001 — 0.999"},
        {{{Field::W, ""}}, 0, 0, 23, "W  = 0.000 — 0.000"},
        {{{Field::W, "1e400"}}, 0, 0, 23, "W  = ∞ — ∞"},
    };
    for (const ComputedLineCase& c : cases) {
        const ReportCase report{"", c.texts,         SplineKind::External,
                                "", c.nearDeviation, c.farDeviation};
        const std::string line = linesFor(report).at(c.line - 1);
        EXPECT_TRUE(line.ends_with(c.ending)) << line << " should end in " << c.ending;
    }
}

TEST(ToleranceReport, EmptyFieldsLeaveLabelAndSymbol) {
    InMemoryForm form;
    form.setText(Field::z, "");
    form.setText(Field::grade, "");
    form.setText(Field::seriesLetter, "");
    const auto lines = toleranceReportLines(form, "", 0, 0);
    EXPECT_EQ(lines[3], "齿轮齿数：               z  = ");
    EXPECT_EQ(lines[11], "公差等级：               ");
    EXPECT_EQ(lines[21], "跨测齿数：               k  =   齿");
}

// In a fixed-pitch editor every symbol starts in display column 26 (full-width characters take two
// columns), which a mistyped label would break. A label is full-width characters and blanks.
int symbolColumn(const std::string& line) {
    const QString text = QString::fromStdString(line);
    int column = 0;
    qsizetype i = 0;
    for (; i < text.size() && text[i].unicode() >= 0x2E80; ++i) {
        column += 2;
    }
    for (; i < text.size() && text[i] == u' '; ++i) {
        column += 1;
    }
    return column + 1;
}

TEST(ToleranceReport, SymbolsStartInTheSameColumn) {
    const auto lines = toleranceReportLines(InMemoryForm(), "4", 0, 0);
    for (std::size_t i = 3; i < lines.size(); ++i) {
        if (i == 12 || i == 13) {
            continue;  // the blank line and the heading of the results
        }
        EXPECT_EQ(symbolColumn(lines[i]), 26) << lines[i];
    }
}

TEST(ReportNumbers, PrintedNumber) {
    const std::vector<std::pair<double, std::string>> cases = {
        {1.251, " 1.251 "},
        {0.5, " .5 "},
        {-0.5, "-.5 "},
        {0, " 0 "},
        {-0.0, " 0 "},
        {-3, "-3 "},
        {1e-5, " .00001 "},
        {2.5e15, " 2500000000000000 "},
        {1.0 / 3, " .333333333333333 "},
    };
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(printedNumber(value), text) << value;
    }
}

}  // namespace
}  // namespace quillon::report
