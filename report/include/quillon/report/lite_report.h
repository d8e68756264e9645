#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "quillon/engine/form.h"
#include "quillon/engine/spline_kind.h"

namespace quillon::report {

// The lite edition's reports copy the fields exactly as the window shows them; the title follows
// the kind selected at the time of the command. Lines are UTF-8, without line ends.

// "DIN 5480外花键计算报告" for an external spline, "DIN 5480内花键计算报告" otherwise.
std::string liteReportTitle(std::optional<engine::SplineKind> selectedKind);

// The file report: 22 lines, with the window's number of teeth spanned `k` on line 20 (nothing
// after its label before the first calculation).
std::vector<std::string> liteFileReportLines(const engine::Form& form, std::string_view k);

// The printed report: the title and 20 lines, laid out for the printed page; it has no k line.
std::vector<std::string> litePrintedReportLines(const engine::Form& form);

}  // namespace quillon::report
