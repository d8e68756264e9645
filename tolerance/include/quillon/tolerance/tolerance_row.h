#pragma once

#include <optional>

namespace quillon::tolerance {

// The row of the tolerance tables for a module m and a lookup diameter D (whole millimetres).
// Module groups: 0.5 <= m <= 1.5, 1.75 <= m <= 4, 5 <= m <= 10. Diameter classes: D <= 12, then
// up to 25, 50, 100, 200, 400 and above 400, each boundary belonging to the lower class. The row
// is the class plus the group; the largest modules have no row for D <= 12. Modules in the gaps of
// the groups, or outside them, have no row either.
std::optional<int> toleranceRow(double module, double lookupDiameter);

}  // namespace quillon::tolerance
