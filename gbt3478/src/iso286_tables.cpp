#include "iso286_tables.h"

#include <array>
#include <cstddef>

namespace quillon::gbt3478 {
namespace {

// The nominal size ranges of ISO 286-1 (GB/T 1800.1), mm: each row holds sizes above the
// previous bound up to and including its own.
constexpr std::array<double, 21> kSizeBounds = {3,   6,    10,   18,   30,   50,   80,
                                                120, 180,  250,  315,  400,  500,  630,
                                                800, 1000, 1250, 1600, 2000, 2500, 3150};

// Standard tolerances, µm: ISO 286-1:2010 table 1, grades IT10 to IT12, one value per range.
constexpr std::array<std::array<double, 21>, 3> kStandardTolerances = {{
    {40,  48,  58,  70,  84,  100, 120, 140, 160, 185, 210,
     230, 250, 280, 320, 360, 420, 500, 600, 700, 860},
    {60,  75,  90,  110, 130, 160, 190, 220, 250,  290, 320,
     360, 400, 440, 500, 560, 660, 780, 920, 1100, 1350},
    {100, 120, 150, 180, 210, 250,  300,  350,  400,  460, 520,
     570, 630, 700, 800, 900, 1050, 1250, 1500, 1750, 2100},
}};
constexpr int kFirstGrade = 10;

// Upper deviations es of shafts f, e and d, µm: ISO 286-2 (GB/T 1800.2) for sizes up to 500 mm,
// the first 13 ranges; above 500 mm the spline has no such fit.
constexpr std::size_t kDeviationRanges = 13;
constexpr std::array<double, kDeviationRanges> kDeviationF = {-6,  -10, -13, -16, -20, -25, -30,
                                                              -36, -43, -50, -56, -62, -68};
constexpr std::array<double, kDeviationRanges> kDeviationE = {-14, -20, -25,  -32,  -40,  -50, -60,
                                                              -72, -85, -100, -110, -125, -135};
constexpr std::array<double, kDeviationRanges> kDeviationD = {
    -20, -30, -40, -50, -65, -80, -100, -120, -145, -170, -190, -210, -230};

// The row of a size; kSizeBounds.size() for a size beyond the last bound or not above 0.
std::size_t rangeOf(double size) {
    if (!(size > 0)) {
        return kSizeBounds.size();
    }
    std::size_t row = 0;
    while (row < kSizeBounds.size() && size > kSizeBounds[row]) {
        ++row;
    }
    return row;
}

}  // namespace

std::optional<double> standardTolerance(int grade, double size) {
    const std::size_t row = rangeOf(size);
    if (grade < kFirstGrade ||
        grade >= kFirstGrade + static_cast<int>(kStandardTolerances.size()) ||
        row >= kSizeBounds.size()) {
        return std::nullopt;
    }
    return kStandardTolerances[static_cast<std::size_t>(grade - kFirstGrade)][row];
}

std::optional<double> shaftUpperDeviation(FitLetter letter, double size) {
    const std::size_t row = rangeOf(size);
    if (row >= kDeviationRanges) {
        return std::nullopt;
    }
    switch (letter) {
        case FitLetter::f:
            return kDeviationF[row];
        case FitLetter::e:
            return kDeviationE[row];
        case FitLetter::d:
            return kDeviationD[row];
        default:
            return std::nullopt;
    }
}

}  // namespace quillon::gbt3478
