#include "quillon/report/lite_report.h"

#include <gtest/gtest.h>

#include <QString>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "quillon/engine/in_memory_form.h"
#include "quillon/report/report_file.h"
#include "report_golden.h"

using namespace quillon::engine;

namespace quillon::report {
namespace {

using FieldTexts = std::vector<std::pair<Field, std::string>>;

// A lite window after calculating z = 20 with the module "1.25 " picked from its list.
const FieldTexts kLiteRun = {
    {Field::z, "20"},      {Field::m, "1.25 "},   {Field::xm, "0.000"},  {Field::d, "25.000"},
    {Field::da, "26.125"}, {Field::df, "23.625"}, {Field::db, "21.651"}, {Field::ha, "0.563"},
    {Field::hf, "0.688"},  {Field::h, "1.250"},   {Field::W, "13.067"},  {Field::M, "28.050"},
};

// The reset clears z, beta, x and the results but keeps the module, ha*, cn, dp and k.
const FieldTexts kAfterReset = {{Field::m, "1.25 "}};

InMemoryForm formWith(const FieldTexts& texts, std::optional<SplineKind> kind) {
    InMemoryForm form;
    form.setText(Field::xm, "0");
    for (const auto& [field, text] : texts) {
        form.setText(field, text);
    }
    form.selectKind(kind);
    return form;
}

struct LiteCase {
    std::string golden;
    FieldTexts texts;
    SplineKind kind;
    std::string k;
};

void PrintTo(const LiteCase& c, std::ostream* os) {
    *os << c.golden;
}

class LiteFileReportGolden : public ::testing::TestWithParam<LiteCase> {};

TEST_P(LiteFileReportGolden, MatchesTheGoldenBytes) {
    const LiteCase& c = GetParam();
    const auto lines = liteFileReportLines(formWith(c.texts, c.kind), c.k);
    ASSERT_EQ(lines.size(), 22u);
    const QByteArray expected = testing::goldenBytes(QString::fromStdString(c.golden));
    ASSERT_FALSE(expected.isEmpty()) << "missing golden file " << c.golden;
    const std::optional<QByteArray> actual = encodeReport(lines);
    ASSERT_TRUE(actual.has_value());
    EXPECT_EQ(*actual, expected) << testing::decodeGbk(*actual).toStdString() << "\nexpected:\n"
                                 << testing::decodeGbk(expected).toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LiteFileReportGolden,
    ::testing::Values(LiteCase{"lite_before_calculation.txt", {}, SplineKind::External, ""},
                      LiteCase{"lite_after_calculation.txt", kLiteRun, SplineKind::External, "4"},
                      LiteCase{"lite_after_reset.txt", kAfterReset, SplineKind::External, "4"},
                      LiteCase{"lite_kind_switched.txt", kLiteRun, SplineKind::Internal, "4"}),
    [](const ::testing::TestParamInfo<LiteCase>& info) {
        return info.param.golden.substr(0, info.param.golden.find('.'));
    });

TEST(LiteReport, TitleFollowsTheSelectedKind) {
    EXPECT_EQ(liteReportTitle(SplineKind::External), "DIN 5480外花键计算报告");
    EXPECT_EQ(liteReportTitle(SplineKind::Internal), "DIN 5480内花键计算报告");
    EXPECT_EQ(liteReportTitle(std::nullopt), "DIN 5480内花键计算报告");
}

TEST(LiteReport, PrintedLinesHaveTheirOwnLabelsAndNoKLine) {
    const std::vector<std::string> expected = {
        "DIN 5480外花键计算报告",   "已知参数：",
        "齿数     z =      20",     "模数     m =      1.25 ",
        "压力角   α=      30",      "齿顶高系数ha*=    0.45",
        "螺旋角   β=      0",       "变位系数 χ=      0",
        "顶隙系数 cn=      0.1",    "修正量:χ.m=      0.000",
        "量棒直径:dp=      2.165",  "计算结果：",
        "分度圆直径:  d =  25.000", "齿顶圆直径:  da=  26.125",
        "齿根圆直径:  df=  23.625", "基圆直径:    db=  21.651",
        "齿顶高:      ha=  0.563",  "齿根高:      hf=  0.688",
        "全齿高:  h=ha+hf  1.250",  "公法线长度:  Wk=  13.067",
        "跨棒距:       M=  28.050",
    };
    EXPECT_EQ(litePrintedReportLines(formWith(kLiteRun, SplineKind::External)), expected);
}

TEST(LiteReport, EmptyFieldGivesItsLabelAlone) {
    const auto lines = liteFileReportLines(formWith({{Field::dp, ""}}, SplineKind::External), "");
    EXPECT_EQ(lines[10], "量棒直径:dp=  ");
    EXPECT_EQ(lines[19], "跨测齿数:k=  ");
}

}  // namespace
}  // namespace quillon::report
