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
std::vector<std::string> toleranceReportLines(const Form& form, std::string_view k,
                                              double nearDeviation, double farDeviation);

// The values of single report lines, for anything that shows them beside the report.

// Line 12: the grade text immediately followed by the series letter text ("9H").
std::string toleranceText(const Form& form);

// Lines 23 and 24 after "W  = " and "M  = ": the limit from the near deviation, " — ", the limit
// from the far deviation ("13.047 — 13.012").
std::string spanLimitsText(const Form& form, double nearDeviation, double farDeviation);
std::string pinLimitsText(const Form& form, double nearDeviation, double farDeviation);

// Two limits as those lines write them: "13.047 — 13.012".
std::string limitPairText(double nearLimit, double farLimit);

}  // namespace quillon::report
