#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "quillon/engine/form.h"

namespace quillon::report {

// The tolerance edition's calculation report: 24 lines (UTF-8, without line ends) copied from the
// window at the moment of the command. `form` gives the field texts and the selected kind; `k` is
// the window's number of teeth spanned (empty before the first calculation); the two deviations
// are those of the last deviation calculation in millimetres (0 before it first ran).
//
// Nothing is recomputed except the whole depth (ha + hf as read from their fields) and the limits
// of W and M, which add the deviations scaled by fixed factors to the W and M fields.
std::vector<std::string> toleranceReportLines(const engine::Form& form, std::string_view k,
                                              double nearDeviation, double farDeviation);

// The values of single report lines, for anything that shows them beside the report.

// Line 12: the grade text immediately followed by the series letter text ("9H").
std::string toleranceText(const engine::Form& form);

// Two limits of a measurement as lines 23 and 24 write them: the limit from the near deviation,
// then the one from the far deviation, each to three decimals.
struct LimitTexts {
    std::string nearLimit;
    std::string farLimit;

    // "13.047 — 13.012"
    std::string pairText() const;
};

// The limits of lines 23 and 24 (after "W  = " and "M  = "): W and M moved by each deviation times
// the report's fixed factor.
LimitTexts spanLimits(const engine::Form& form, double nearDeviation, double farDeviation);
LimitTexts pinLimits(const engine::Form& form, double nearDeviation, double farDeviation);

// Two limits as those lines write them: "13.047 — 13.012".
std::string limitPairText(double nearLimit, double farLimit);

// A line as the report lays it out: the label (12 display columns, "公差等级：  "), 13 blanks,
// the symbol ("W  = ") and the value, so that every symbol starts in column 26.
std::string labelledLine(std::string_view label, std::string_view symbol, std::string_view value);

}  // namespace quillon::report
