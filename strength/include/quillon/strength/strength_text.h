#pragma once

#include <string>
#include <vector>

#include "quillon/strength/strength_check.h"

// Text out of the strength check, shared by the page and the command line (no Qt).
namespace quillon::strength {

// The result as text, one line each: the method, then every result with its caption, value and
// unit ("平均直径 dm = 47.800 mm"), then the verdict. What "copy results" and the command line's
// text output print.
std::vector<std::string> resultLines(const StrengthResult& result);

}  // namespace quillon::strength
