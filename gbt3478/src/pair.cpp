#include "quillon/gbt3478/pair.h"

namespace quillon::gbt3478 {

Clearances clearancesOf(const SplineResult& hub, const SplineResult& shaft) {
    const WidthLimits& e = hub.widths;
    const WidthLimits& s = shaft.widths;
    return {e.effectiveMin - s.effectiveMax, e.effectiveMax - s.effectiveMin,
            e.actualMin - s.actualMax, e.actualMax - s.actualMin};
}

PairCalculation calculatePair(const SplineInput& hub, const SplineInput& shaft) {
    PairCalculation pair{calculate(hub), calculate(shaft), std::nullopt, {}};
    if (hub.kind != SplineKind::Internal || shaft.kind != SplineKind::External) {
        pair.problems.push_back("配合须由一个内花键和一个外花键组成");
    } else if (hub.z != shaft.z || hub.module != shaft.module ||
               hub.pressureAngle != shaft.pressureAngle || hub.root != shaft.root) {
        pair.problems.push_back("内花键和外花键的齿数 z、模数 m、压力角 α 和齿根形式必须相同");
    }
    for (const Calculation* part : {&pair.hub, &pair.shaft}) {
        for (const std::string& problem : part->problems) {
            pair.problems.push_back((part == &pair.hub ? "内花键：" : "外花键：") + problem);
        }
    }
    if (pair.problems.empty() && pair.hub.result && pair.shaft.result) {
        pair.clearances = clearancesOf(*pair.hub.result, *pair.shaft.result);
    }
    return pair;
}

}  // namespace quillon::gbt3478
