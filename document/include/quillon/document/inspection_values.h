#pragma once

#include <optional>
#include <string>
#include <vector>

#include "quillon/report/tolerance_report.h"
#include "quillon/tolerance/deviation_result.h"

namespace quillon::document {

// The inspection dimensions of the spline as texts, each as the inspection page shows it; a value
// that cannot be shown yet (no calculation, a measurement of 0) is empty.
struct InspectionValues {
    std::optional<std::string> k;
    std::optional<std::string> W;
    std::optional<std::string> dp;
    std::optional<std::string> M;
    std::vector<std::string> warnings;  // where the anvils or pins miss the involute

    // The edition with tolerances only.
    std::optional<std::string> tolerance;            // grade and series letter, "9H"
    std::optional<report::LimitTexts> wLimits;       // the report's, by fixed factors
    std::optional<report::LimitTexts> mLimits;       // the report's, by fixed factors
    std::optional<report::LimitTexts> mLimitsExact;  // through the involute, straight splines
    std::optional<tolerance::ToleranceTableValues> table;
};

}  // namespace quillon::document
