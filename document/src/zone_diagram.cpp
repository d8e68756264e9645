#include "quillon/document/zone_diagram.h"

#include <algorithm>

#include "quillon/document/micrometre_text.h"
#include "quillon/engine/designation.h"
#include "quillon/engine/display_decimals.h"

using namespace quillon::engine;

namespace quillon::document {
namespace {

ToleranceZone zoneOf(const PartSizes& part, bool effective) {
    const bool shaft = part.kind == SplineKind::External;
    const PartLimits& d = part.deviations;
    ToleranceZone zone;
    zone.part = part.kind;
    zone.effective = effective;
    zone.lower = effective ? d.effectiveMin : d.actualMin;
    zone.upper = effective ? d.effectiveMax : d.actualMax;
    zone.name = std::string(shaft ? "外花键 " : "内花键 ") + printTolerance(part.toleranceClass) +
                (effective ? " 作用" : " 实际") + (shaft ? "齿厚 s" : "齿槽宽 e") +
                (effective ? "v" : "");
    zone.lowerLabel = micrometreText(zone.lower);
    zone.upperLabel = micrometreText(zone.upper);
    return zone;
}

std::string describedZone(const ToleranceZone& zone) {
    return zone.name + (zone.effective ? " 公差带（斜线）：" : " 公差带（色块）：") +
           zone.lowerLabel + " 至 " + zone.upperLabel + " µm";
}

}  // namespace

ZoneDiagram zoneDiagram(const Connection& c) {
    ZoneDiagram diagram;
    diagram.title = c.designation;
    diagram.zeroLine = "零线 s = e = " + shortDecimal(c.shaft.nominal, kWidthDecimals) + " mm";
    diagram.zones = {zoneOf(c.hub, true), zoneOf(c.hub, false), zoneOf(c.shaft, true),
                     zoneOf(c.shaft, false)};
    const auto micrometres = [](double mm) { return micrometreText(mm * 1000); };
    diagram.clearances = {
        {c.shaft.deviations.effectiveMax, c.hub.deviations.effectiveMin,
         "最小侧隙（作用）" + micrometres(c.clearance.effectiveMin) + " µm"},
        {c.shaft.deviations.actualMin, c.hub.deviations.actualMax,
         "最大侧隙（实际）" + micrometres(c.clearance.actualMax) + " µm"},
    };
    diagram.lowest = 0;
    diagram.highest = 0;
    for (const ToleranceZone& zone : diagram.zones) {
        diagram.lowest = std::min(diagram.lowest, zone.lower);
        diagram.highest = std::max(diagram.highest, zone.upper);
    }
    diagram.description.push_back(diagram.zeroLine + "，偏差单位 µm");
    for (const ToleranceZone& zone : diagram.zones) {
        diagram.description.push_back(describedZone(zone));
    }
    for (const ClearanceMark& mark : diagram.clearances) {
        diagram.description.push_back(mark.label);
    }
    if (!c.warning.empty()) {
        diagram.description.push_back(c.warning);
    }
    return diagram;
}

}  // namespace quillon::document
