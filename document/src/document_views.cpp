// What the details pages and the command line read of a document: the tooth form and the
// inspection values.
#include <cmath>

#include "quillon/document/spline_document.h"
#include "quillon/engine/field_text.h"
#include "quillon/geometry/exact_m_limits.h"
#include "quillon/report/report_numbers.h"
#include "quillon/report/tolerance_report.h"

using namespace quillon::engine;
using namespace quillon::tolerance;
using namespace quillon::geometry;

namespace quillon::document {
namespace {

constexpr char kNotCalculated[] = "尚未计算：请先在主窗口中按“更新数据”。";

// A measurement that is 0 (no calculation yet, or none possible for these values) is not shown.
bool measured(const std::string& text) {
    const double value = readNumber(text);
    return value != 0 && std::isfinite(value);
}

std::optional<std::string> measurement(const std::string& text) {
    return measured(text) ? std::optional(text) : std::nullopt;
}

}  // namespace

SplineProfile SplineDocument::profile(bool checked) const {
    SplineProfile profile;
    profile.input = ProfileInput::readFrom(form(), runState());
    // A calculation has run when the results hold a diameter; before it, or after a rejected
    // input cleared them, there is nothing to draw.
    profile.calculated = profile.input && (profile.input->d != 0 || profile.input->da != 0 ||
                                           profile.input->df != 0);
    if (!profile.calculated) {
        profile.design.problem = kNotCalculated;
        return profile;
    }
    profile.design = designToothForm(*profile.input);
    if (profile.design.form && checked) {
        profile.check = checkMeasurements(*profile.design.form, *profile.input);
    }
    return profile;
}

InspectionValues SplineDocument::inspection(const SplineProfile& profile) const {
    const Form& fields = form();
    InspectionValues values;
    const std::string& k = runState().k;
    values.k = k.empty() ? std::nullopt : std::optional(k);
    values.W = measurement(fields.text(Field::W));
    const std::string dp = fields.text(Field::dp);
    values.dp = dp.empty() ? std::nullopt : std::optional(dp);
    values.M = measurement(fields.text(Field::M));
    values.warnings = profile.check.warnings;
    if (!edition().hasTolerances()) {
        return values;
    }
    const DeviationResult& deviation = this->deviation();
    // Neither grade nor letter typed: no tolerance to show, rather than an empty text.
    if (std::string tolerance = report::toleranceText(fields); !tolerance.empty()) {
        values.tolerance = std::move(tolerance);
    }
    if (values.W) {
        values.wLimits =
            report::spanLimits(fields, deviation.nearDeviation, deviation.farDeviation);
    }
    if (values.M) {
        values.mLimits = report::pinLimits(fields, deviation.nearDeviation, deviation.farDeviation);
    }
    if (profile.design.form && values.M) {
        if (const auto exact =
                exactMLimits(*profile.input, deviation.nearDeviation, deviation.farDeviation)) {
            values.mLimitsExact = report::LimitTexts{report::limitText(exact->nearLimit),
                                                     report::limitText(exact->farLimit)};
        }
    }
    values.table = deviation.tableValues;
    return values;
}

}  // namespace quillon::document
