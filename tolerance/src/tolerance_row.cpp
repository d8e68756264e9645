#include "quillon/tolerance/tolerance_row.h"

#include <array>
#include <cmath>

namespace quillon::tolerance {
namespace {

std::optional<int> moduleGroup(double module) {
    if (module >= 0.5 && module <= 1.5) {
        return 0;
    }
    if (module >= 1.75 && module <= 4.0) {
        return 1;
    }
    if (module >= 5.0 && module <= 10.0) {
        return 2;
    }
    return std::nullopt;
}

// Upper bounds of the diameter classes 0 to 5; class 6 is everything above 400 mm.
constexpr std::array kClassUpperBounds = {12.0, 25.0, 50.0, 100.0, 200.0, 400.0};

std::optional<int> diameterClass(double lookupDiameter) {
    // A diameter that overflowed to infinity (or is no number at all) is no size of a spline.
    if (!std::isfinite(lookupDiameter)) {
        return std::nullopt;
    }
    int diameterClass = 0;
    for (const double bound : kClassUpperBounds) {
        if (lookupDiameter <= bound) {
            return diameterClass;
        }
        ++diameterClass;
    }
    return diameterClass;
}

}  // namespace

std::optional<int> toleranceRow(double module, double lookupDiameter) {
    const auto group = moduleGroup(module);
    const auto diameter = diameterClass(lookupDiameter);
    if (!group || !diameter) {
        return std::nullopt;
    }
    // The tables start the largest modules at 12 < D <= 25 (row 3); they have no smaller class.
    if (*group == 2 && *diameter == 0) {
        return std::nullopt;
    }
    return *diameter + *group;
}

}  // namespace quillon::tolerance
