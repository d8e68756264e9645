#include "quillon/gbt3478/calculation.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "quillon/engine/designation.h"
#include "quillon/gbt3478/input_check.h"
#include "quillon/gbt3478/measurement.h"
#include "quillon/geometry/measurement_check.h"
#include "rack_coefficients.h"
#include "size_limits.h"
#include "tolerances.h"

namespace quillon::gbt3478 {
namespace {

constexpr int kClassOfDiameters = 7;

MeasurementLimits limitsOf(double one, double other) {
    return {std::max(one, other), std::min(one, other)};
}

ToothProfile profileOf(const SplineResult& r, const RackCoefficients& rack) {
    const bool shaft = r.input.kind == SplineKind::External;
    const DiameterLimits& tip = shaft ? r.diameters.major : r.diameters.minor;
    const DiameterLimits& root = shaft ? r.diameters.minor : r.diameters.major;
    return {(tip.max + tip.min) / 2, (root.max + root.min) / 2, r.diameters.form,
            rack.rootRadius * r.input.module, r.basicWidth};
}

// M at the basic width and at the two actual limits; none when the pin rests on no flanks.
std::optional<PinMeasurement> pinsOf(const SplineResult& r, double dp, bool proposed) {
    const SplineInput& in = r.input;
    const auto basic = pinMeasurementAt(in, dp, r.basicWidth);
    const auto atMin = pinMeasurementAt(in, dp, r.widths.actualMin);
    const auto atMax = pinMeasurementAt(in, dp, r.widths.actualMax);
    if (!basic || !atMin || !atMax) {
        return std::nullopt;
    }
    return PinMeasurement{dp, proposed, *basic, limitsOf(*atMin, *atMax)};
}

SpanMeasurement spanOf(const SplineResult& r) {
    const int k = teethSpanned(r.input);
    return {
        k, spanAt(r.input, k, r.basicWidth),
        limitsOf(spanAt(r.input, k, r.widths.actualMin), spanAt(r.input, k, r.widths.actualMax))};
}

// Whether the pins and anvils touch the flanks of the tooth as drawn (at the basic width, where M
// and W are given, so that the drawing measures as the numbers read).
void checkMeasurements(const SplineResult& r, Calculation& c) {
    const geometry::ToothFormDesign design = drawnToothForm(r);
    if (!design.form) {
        c.warnings.push_back("无法生成齿形：" + design.problem);
        return;
    }
    geometry::ProfileInput check;
    check.dp = r.pins ? r.pins->dp : r.input.pinDiameter.value_or(0);
    check.M = pinMeasurementAt(r.input, check.dp, r.profile.width).value_or(0);
    if (r.span) {
        check.W = spanAt(r.input, r.span->k, r.profile.width);
    }
    for (std::string& w : geometry::checkMeasurements(*design.form, check).warnings) {
        c.warnings.push_back(std::move(w));
    }
}

void measure(SplineResult& r, Calculation& c) {
    const SplineInput& in = r.input;
    const std::optional<double> dp =
        in.pinDiameter ? in.pinDiameter : proposedPinDiameter(in, r.basicWidth);
    if (dp) {
        r.pins = pinsOf(r, *dp, !in.pinDiameter);
    }
    if (in.kind == SplineKind::External) {
        r.span = spanOf(r);
    }
    const std::size_t warningsBefore = c.warnings.size();
    checkMeasurements(r, c);
    if (!r.pins && c.warnings.size() == warningsBefore) {
        c.warnings.push_back("量棒不能同时接触两侧齿面，没有量棒测量值 M");
    }
}

}  // namespace

Calculation calculate(const SplineInput& in) {
    Calculation c;
    InputCheck check = checkInput(in);
    c.problems = std::move(check.problems);
    c.warnings = std::move(check.warnings);
    const auto rack = rackOf(in.pressureAngle, in.root);
    if (!c.problems.empty() || !rack) {
        return c;
    }
    SplineResult r;
    r.input = in;
    const double alpha = in.pressureAngle * std::numbers::pi / 180;
    r.D = in.module * in.z;
    r.Db = r.D * std::cos(alpha);
    r.p = std::numbers::pi * in.module;
    r.basicWidth = r.p / 2;
    r.engagementLength = in.engagementLength.value_or(r.D / 2);
    if (!in.engagementLength) {
        c.notes.push_back("未给出配合长度 g，按 g = D/2 = " +
                          engine::shortDecimal(r.engagementLength, 3) + " mm 计算");
    }
    r.totalTolerance = totalTolerance(in.toleranceClass, r.D, r.basicWidth);
    r.effectiveVariation =
        effectiveVariation(in.toleranceClass, in.module, in.z, r.engagementLength);
    if (!(r.effectiveVariation < r.totalTolerance)) {
        // Far outside the standard's sizes the variation formulas outgrow the total tolerance,
        // and the actual limits would cross.
        c.problems.push_back("综合误差 λ = " + engine::shortDecimal(r.effectiveVariation, 1) +
                             " µm 不小于总公差 T+λ = " + engine::shortDecimal(r.totalTolerance, 1) +
                             " µm：模数 m、齿数 z 或配合长度 g 超出本标准的范围");
        return c;
    }
    if (in.kind == SplineKind::External) {
        r.fundamentalDeviation = fundamentalDeviation(in.fit, r.D, r.totalTolerance).value_or(0);
    }
    r.widths = widthLimits(in.kind, r.basicWidth, r.totalTolerance, r.effectiveVariation,
                           r.fundamentalDeviation);
    const auto diameters = diametersOf(in, *rack, r.D, r.Db, r.fundamentalDeviation,
                                       totalTolerance(kClassOfDiameters, r.D, r.basicWidth));
    if (!diameters) {
        c.problems.push_back("大径或小径超过 3150 mm，没有 ISO 286 标准公差");
        return c;
    }
    r.diameters = *diameters;
    r.profile = profileOf(r, *rack);
    measure(r, c);
    if (r.pins && r.pins->proposed) {
        c.notes.push_back("未给出量棒直径 dp，取在分度圆附近接触齿面的 dp = " +
                          engine::shortDecimal(r.pins->dp, 3) + " mm");
    }
    c.result = std::move(r);
    return c;
}

}  // namespace quillon::gbt3478
