#pragma once

#include <string>

namespace quillon::document {

// A deviation in micrometres as a zone diagram labels it: "+71", "0", "−32" (a true minus sign),
// to one decimal where it has one.
std::string micrometreText(double micrometres);

}  // namespace quillon::document
