#include "connection_rows.h"

#include "quillon/document/drawing_data.h"
#include "quillon/document/micrometre_text.h"
#include "quillon/engine/designation.h"
#include "quillon/engine/display_decimals.h"
#include "quillon/engine/field_text.h"

using namespace quillon::engine;
using quillon::document::Connection;
using quillon::document::PartSizes;

namespace quillon::ui {
namespace {

const std::string kNotShown = "—";

std::string micrometres(double value) {
    return shortDecimal(value, 1) + " µm";
}

// "3.0711 mm（+45 µm）": the size and its deviation from nominal.
std::string limit(double size, double deviation) {
    return formatNumber(size, kWidthDecimals) + " mm（" + document::micrometreText(deviation) +
           " µm）";
}

std::string limits(const std::optional<report::LimitTexts>& texts) {
    return texts ? texts->pairText() + " mm" : kNotShown;
}

void addPart(std::vector<ConnectionRow>& rows, const PartSizes& part) {
    const bool shaft = part.kind == SplineKind::External;
    const document::PartLimits& size = part.sizes;
    const document::PartLimits& deviation = part.deviations;
    rows.push_back(
        {shaft ? "外花键公差带" : "内花键公差带", "", printTolerance(part.toleranceClass)});
    rows.push_back({shaft ? "名义齿厚" : "名义齿槽宽", shaft ? "s" : "e",
                    formatNumber(part.nominal, kWidthDecimals) + " mm"});
    rows.push_back({"基本偏差", "A", document::micrometreText(part.table.seriesDeviation) + " µm"});
    rows.push_back({"总公差", "T", micrometres(part.table.totalTolerance)});
    rows.push_back({"实际公差", "TE", micrometres(part.table.actualTolerance)});
    rows.push_back({"作用公差", "Teff", micrometres(part.effectiveTolerance)});
    // The GO gauge's limit and the far actual limit bind; the other two follow from Teff.
    if (shaft) {
        rows.push_back(
            {"最大作用齿厚（通规）", "sv max", limit(size.effectiveMax, deviation.effectiveMax)});
        rows.push_back(
            {"最小作用齿厚", "sv min", limit(size.effectiveMin, deviation.effectiveMin)});
        rows.push_back(
            {"最大实际齿厚（参考）", "s max", limit(size.actualMax, deviation.actualMax)});
        rows.push_back({"最小实际齿厚", "s min", limit(size.actualMin, deviation.actualMin)});
        rows.push_back({"公法线长度极限", "W", limits(part.inspection.wLimits)});
    } else {
        rows.push_back(
            {"最小作用齿槽宽（通规）", "ev min", limit(size.effectiveMin, deviation.effectiveMin)});
        rows.push_back(
            {"最大作用齿槽宽", "ev max", limit(size.effectiveMax, deviation.effectiveMax)});
        rows.push_back(
            {"最小实际齿槽宽（参考）", "e min", limit(size.actualMin, deviation.actualMin)});
        rows.push_back({"最大实际齿槽宽", "e max", limit(size.actualMax, deviation.actualMax)});
    }
    rows.push_back({"跨棒距极限，同报告", "M", limits(part.inspection.mLimits)});
    rows.push_back({"跨棒距极限，按齿形精确计算", "M", limits(part.inspection.mLimitsExact)});
}

// "0.022 mm（3.15′）"
std::string clearance(double millimetres, double arcMinutes) {
    return formatNumber(millimetres, kLengthDecimals) + " mm（" +
           formatNumber(arcMinutes, kArcMinuteDecimals) + "′）";
}

}  // namespace

std::vector<ConnectionRow> connectionRows(const Connection& c) {
    std::vector<ConnectionRow> rows = {{"配合标记", "", c.designation}};
    addPart(rows, c.hub);
    addPart(rows, c.shaft);
    const document::Clearances& j = c.clearance;
    const document::Clearances& angle = c.backlash;
    rows.push_back({"最小作用侧隙", "jv min", clearance(j.effectiveMin, angle.effectiveMin)});
    rows.push_back({"最大作用侧隙", "jv max", clearance(j.effectiveMax, angle.effectiveMax)});
    rows.push_back({"最小实际侧隙", "j min", clearance(j.actualMin, angle.actualMin)});
    rows.push_back({"最大实际侧隙", "j max", clearance(j.actualMax, angle.actualMax)});
    return rows;
}

std::string connectionTsv(const std::vector<ConnectionRow>& rows) {
    return document::drawingDataTsv(geometry::DrawingTable{rows});
}

}  // namespace quillon::ui
