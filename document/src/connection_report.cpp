#include "quillon/document/connection_report.h"

#include "quillon/document/spline_document.h"
#include "quillon/engine/designation.h"
#include "quillon/engine/display_decimals.h"
#include "quillon/engine/field_text.h"
#include "quillon/report/tolerance_report.h"

using namespace quillon::engine;
using quillon::report::labelledLine;

namespace quillon::document {
namespace {

constexpr std::string_view kBlankLine = "          ";
constexpr std::string_view kBetween = " — ";

std::string micrometres(double value) {
    return shortDecimal(value, 1);
}

std::string pair(double low, double high, int decimals) {
    return formatNumber(low, decimals) + std::string(kBetween) + formatNumber(high, decimals);
}

void addPart(std::vector<std::string>& lines, const PartSizes& part) {
    const bool shaft = part.kind == SplineKind::External;
    const tolerance::ToleranceTableValues& t = part.table;
    lines.push_back(labelledLine(
        shaft ? "外花键：    " : "内花键：    ", "",
        printTolerance(part.toleranceClass) + "  A = " + micrometres(t.seriesDeviation) +
            "  T = " + micrometres(t.totalTolerance) + "  TE = " + micrometres(t.actualTolerance) +
            "  Teff = " + micrometres(part.effectiveTolerance) + " μm"));
    lines.push_back(
        labelledLine(shaft ? "作用齿厚：  " : "作用齿槽宽：", shaft ? "sv = " : "ev = ",
                     pair(part.sizes.effectiveMin, part.sizes.effectiveMax, kWidthDecimals)));
    lines.push_back(labelledLine(shaft ? "实际齿厚：  " : "实际齿槽宽：", shaft ? "s  = " : "e  = ",
                                 pair(part.sizes.actualMin, part.sizes.actualMax, kWidthDecimals)));
    const InspectionValues& values = part.inspection;
    if (shaft && values.wLimits) {
        lines.push_back(labelledLine("公法线长度：", "W  = ", values.wLimits->pairText()));
    }
    const auto& m = values.mLimitsExact ? values.mLimitsExact : values.mLimits;
    if (m) {
        lines.push_back(labelledLine("跨棒距：    ", "M  = ", m->pairText()));
    }
}

std::string clearanceText(double lowMm, double highMm, double lowAngle, double highAngle) {
    return pair(lowMm, highMm, kLengthDecimals) + " mm  (" +
           formatNumber(lowAngle, kArcMinuteDecimals) + "′" + std::string(kBetween) +
           formatNumber(highAngle, kArcMinuteDecimals) + "′)";
}

}  // namespace

std::vector<std::string> connectionReportLines(const Connection& c) {
    std::vector<std::string> lines = {std::string(kBlankLine), "配合计算：  "};
    lines.push_back(labelledLine("配合标记：  ", "", c.designation));
    addPart(lines, c.hub);
    addPart(lines, c.shaft);
    lines.push_back(labelledLine("作用侧隙：  ", "jv = ",
                                 clearanceText(c.clearance.effectiveMin, c.clearance.effectiveMax,
                                               c.backlash.effectiveMin, c.backlash.effectiveMax)));
    lines.push_back(labelledLine("实际侧隙：  ", "j  = ",
                                 clearanceText(c.clearance.actualMin, c.clearance.actualMax,
                                               c.backlash.actualMin, c.backlash.actualMax)));
    if (c.interference) {
        lines.push_back(labelledLine("注意：      ", "",
                                     "可能过盈：最小作用侧隙为 " +
                                         formatNumber(c.clearance.effectiveMin, kLengthDecimals) +
                                         " mm，装配时可能卡住"));
    }
    return lines;
}

std::vector<std::string> reportLines(const SplineDocument& document, const Connection& connection) {
    std::vector<std::string> lines = document.reportLines();
    const std::vector<std::string> section = connectionReportLines(connection);
    lines.insert(lines.end(), section.begin(), section.end());
    return lines;
}

}  // namespace quillon::document
