#pragma once

#include <string>

namespace quillon::cli {

// What --help prints (Simplified Chinese; option names stay English). The options of a spline and
// of the strength check are listed from their rows.
std::string helpText();

}  // namespace quillon::cli
