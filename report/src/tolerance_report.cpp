#include "quillon/report/tolerance_report.h"

#include "quillon/engine/field_text.h"
#include "quillon/report/report_numbers.h"

using namespace quillon::engine;

namespace quillon::report {
namespace {

// Every label is 12 display columns wide, so with the 13 blanks every symbol starts in column 26
// of a fixed-pitch editor.
constexpr std::string_view kLabelGap = "             ";
constexpr std::string_view kBlankLine = "          ";
constexpr std::string_view kLimitSeparator = " — ";

// How far a deviation of the tooth thickness moves each measurement. Fixed factors of the report:
// about cos 30° for the span, and for the pins one factor per kind. (Not the factors that propose
// a pin diameter for a module.)
constexpr double kSpanLimitFactor = 0.866;
constexpr double kShaftPinLimitFactor = 1.52;
constexpr double kHubPinLimitFactor = 1.72;

LimitTexts limits(double measured, double factor, double nearDeviation, double farDeviation) {
    return {limitText(measured + factor * nearDeviation),
            limitText(measured + factor * farDeviation)};
}

}  // namespace

std::string labelledLine(std::string_view label, std::string_view symbol, std::string_view value) {
    std::string line;
    line.reserve(label.size() + kLabelGap.size() + symbol.size() + value.size());
    line.append(label).append(kLabelGap).append(symbol).append(value);
    return line;
}

std::string LimitTexts::pairText() const {
    return nearLimit + std::string(kLimitSeparator) + farLimit;
}

std::string limitPairText(double nearLimit, double farLimit) {
    return LimitTexts{limitText(nearLimit), limitText(farLimit)}.pairText();
}

std::string toleranceText(const Form& form) {
    return form.text(Field::grade) + form.text(Field::seriesLetter);
}

LimitTexts spanLimits(const Form& form, double nearDeviation, double farDeviation) {
    return limits(readNumber(form.text(Field::W)), kSpanLimitFactor, nearDeviation, farDeviation);
}

LimitTexts pinLimits(const Form& form, double nearDeviation, double farDeviation) {
    const double pinFactor =
        form.selectedKind() == SplineKind::External ? kShaftPinLimitFactor : kHubPinLimitFactor;
    return limits(readNumber(form.text(Field::M)), pinFactor, nearDeviation, farDeviation);
}

std::vector<std::string> toleranceReportLines(const Form& form, std::string_view k,
                                              double nearDeviation, double farDeviation) {
    const auto field = [&form](Field f) { return form.text(f); };
    const double wholeDepth = readNumber(field(Field::ha)) + readNumber(field(Field::hf));
    // The report-date text after the title stays empty: no command ever sets it.
    return {
        "DIN5480花键计算报告      ",
        std::string(kBlankLine),
        "已知参数：",
        labelledLine("齿轮齿数：  ", "z  = ", field(Field::z)),
        labelledLine("齿轮模数：  ", "m  = ", field(Field::m)),
        labelledLine("压力角：    ", "α  = ", field(Field::alpha)),
        labelledLine("齿顶高系数：", "ha*= ", field(Field::haStar)),
        labelledLine("螺旋角：    ", "β  = ", field(Field::beta)),
        labelledLine("变位系数    ", "x  = ", field(Field::x)),
        labelledLine("顶隙系数    ", "cn = ", field(Field::cn)),
        labelledLine("量棒直径：  ", "dp = ", field(Field::dp)),
        labelledLine("公差等级：  ", "", toleranceText(form)),
        std::string(kBlankLine),
        "计算数据：  ",
        labelledLine("分度圆直径：", "d  = ", field(Field::d)),
        labelledLine("齿顶圆直径：", "da = ", field(Field::da)),
        labelledLine("齿根圆直径：", "df = ", field(Field::df)),
        labelledLine("基圆直径：  ", "db = ", field(Field::db)),
        labelledLine("齿轮齿顶高：", "ha = ", field(Field::ha)),
        labelledLine("齿轮齿根高：", "hf = ", field(Field::hf)),
        labelledLine("齿轮齿全高：", "h  =", printedNumber(wholeDepth)),
        labelledLine("跨测齿数：  ", "k  = ", std::string(k) + "  齿"),
        labelledLine("公法线长度：",
                     "W  = ", spanLimits(form, nearDeviation, farDeviation).pairText()),
        labelledLine("齿轮跨棒距：",
                     "M  = ", pinLimits(form, nearDeviation, farDeviation).pairText()),
    };
}

}  // namespace quillon::report
