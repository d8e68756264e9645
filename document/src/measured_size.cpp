#include "quillon/document/measured_size.h"

#include <cmath>
#include <numbers>

#include "quillon/engine/field_text.h"
#include "quillon/geometry/measured_width.h"

namespace quillon::document {
namespace {

// The printed limits of the measurement, as numbers; none when the part has no such limits.
std::optional<std::pair<double, double>> printedLimits(const PartSizes& part,
                                                       MeasuredQuantity quantity) {
    const auto& limits =
        quantity == MeasuredQuantity::W ? part.inspection.wLimits : part.inspection.mLimitsExact;
    if (!limits) {
        return std::nullopt;
    }
    const double near = engine::readNumber(limits->nearLimit);
    const double far = engine::readNumber(limits->farLimit);
    return std::pair{std::min(near, far), std::max(near, far)};
}

}  // namespace

MeasuredSizeResult measuredSize(const PartSizes& part, MeasuredQuantity quantity, double value) {
    const char* symbol = quantity == MeasuredQuantity::W ? "W" : "M";
    if (!std::isfinite(value) || value <= 0) {
        return {std::nullopt, std::string("测量值 ") + symbol + " 必须是正数"};
    }
    if (quantity == MeasuredQuantity::W && part.kind == engine::SplineKind::Internal) {
        return {std::nullopt, "内花键不能测量公法线长度 W，请测量跨棒距 M"};
    }
    const auto change = quantity == MeasuredQuantity::W
                            ? geometry::widthChangeForSpan(part.input, value)
                            : geometry::widthChangeForPins(part.input, value);
    const auto limits = printedLimits(part, quantity);
    // A width on the reference circle lies between nothing and the whole pitch π·m; W is inverted
    // linearly and would give any value for any span.
    const double pitch = std::numbers::pi * part.input.m;
    if (!change || !limits || part.nominal + *change <= 0 || part.nominal + *change >= pitch) {
        return {std::nullopt, std::string("测量值 ") + symbol + " 超出此花键齿形所能测得的范围"};
    }
    MeasuredSize size;
    size.actual = part.nominal + *change;
    size.deviationMicrometres = *change * 1000;
    size.lowest = part.sizes.actualMin;
    size.highest = part.sizes.actualMax;
    size.within = limits->first <= value && value <= limits->second;
    return {size, {}};
}

}  // namespace quillon::document
