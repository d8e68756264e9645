#pragma once

#include <optional>
#include <string>
#include <string_view>

// The fit of a DIN 5480 connection as it is written: the hub's tolerance class, then the shaft's,
// "9H/8f" (the slash may be left out: "9H8f"). A class is a grade and a series letter, upper case
// for the hub's space width, lower case for the shaft's tooth thickness.
namespace quillon::engine {

inline constexpr int kLowestGrade = 5;
inline constexpr int kHighestGrade = 12;

struct DesignationTolerance {
    int grade = 0;    // 5 to 12
    char series = 0;  // the series letter, in the case of the kind ('f' shaft, 'H' hub)

    friend bool operator==(const DesignationTolerance&, const DesignationTolerance&) = default;
};

struct Fit {
    DesignationTolerance hub;
    DesignationTolerance shaft;

    friend bool operator==(const Fit&, const Fit&) = default;
};

// Why a text is not a fit. The series letters are not judged here: which ones have deviations is
// a matter of the tolerance tables.
enum class FitProblem { None, Empty, Unreadable, OneClass, Grade, HubCase, ShaftCase };

struct FitParse {
    std::optional<Fit> fit;
    FitProblem problem = FitProblem::None;
    std::string reason;  // in the user's words; empty when `fit` is given
};

// Reads "9H/8f", "9H8f", "10H/10d", "9 H / 8 f": blanks around the parts, "/" or "／".
FitParse parseFit(std::string_view text);

// "9H", "8f".
std::string printTolerance(const DesignationTolerance& tolerance);
// "9H/8f".
std::string printFit(const Fit& fit);

}  // namespace quillon::engine
