#pragma once

#include <optional>
#include <string>
#include <vector>

#include "quillon/gbt3478/calculation.h"

namespace quillon::gbt3478 {

// The clearance between the flanks of a hub and a shaft of one size, mm, as the difference of
// space width and tooth thickness on the reference circle: effective (the fit as assembled,
// Ev − Sv) and actual (one space against one tooth, E − S).
struct Clearances {
    double effectiveMin = 0;  // Ev min − Sv max
    double effectiveMax = 0;  // Ev max − Sv min
    double actualMin = 0;     // E min − S max
    double actualMax = 0;     // E max − S min
};

Clearances clearancesOf(const SplineResult& hub, const SplineResult& shaft);

// Both parts of a pair such as "5H/6e" and their clearances; problems when either part is
// refused or the two are not of one size (z, m, α and root).
struct PairCalculation {
    Calculation hub;
    Calculation shaft;
    std::optional<Clearances> clearances;
    std::vector<std::string> problems;
};

PairCalculation calculatePair(const SplineInput& hub, const SplineInput& shaft);

}  // namespace quillon::gbt3478
