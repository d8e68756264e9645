#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "quillon/gbt3478/spline_input.h"

// The designation as it stands on a drawing:
//   "INT 24z×2.5m×30R×5H GB/T 3478.1"            a hub,
//   "EXT 24z×2.5m×30P×5h GB/T 3478.1"            a shaft,
//   "INT/EXT 24z×2.5m×30R×5H/5h GB/T 3478.1"     a pair.
// The third part is the pressure angle with the root: 30P (flat) or 30R (fillet) at 30°; 37.5 and
// 45 alone, as these angles have the fillet root only (37.5R and 45R read as the same).
namespace quillon::gbt3478 {

enum class DesignationKind { Internal, External, Pair };

struct ClassAndFit {
    int toleranceClass = 5;
    FitLetter fit = FitLetter::H;

    friend bool operator==(const ClassAndFit&, const ClassAndFit&) = default;
};

struct Designation {
    DesignationKind kind = DesignationKind::Internal;
    int z = 0;
    double module = 0;
    double pressureAngle = 30;
    Root root = Root::Fillet;
    std::optional<ClassAndFit> hub;    // internal and pair
    std::optional<ClassAndFit> shaft;  // external and pair

    friend bool operator==(const Designation&, const Designation&) = default;
};

// A read text: the designation, or the part not understood (the rest from where reading failed;
// the whole text when it ended too early or its values are refused) and, where the text reads but
// its values are at fault, why (in the user's words).
struct DesignationParse {
    std::optional<Designation> designation;
    std::string unrecognised;
    std::string reason;
};

// Reads a designation as people write it: INT, EXT or INT/EXT in either case; "×", "x", "X" or
// "*" as the times sign and blanks anywhere between the parts; "." or "," as the decimal mark;
// the fit letter put in the case of the kind; the standard "GB/T 3478.1" (a year after "-", "—"
// or ":" allowed), "ISO 4156" (with "-1" and a year allowed), before or after, or none. The values
// must pass checkInput.
DesignationParse parseDesignation(std::string_view text);

// "INT 24z×2.5m×30R×5H GB/T 3478.1": the module in its shortest form to six decimals.
std::string printDesignation(const Designation& designation);

Designation designationOf(const SplineInput& spline);
// The pair's designation; none when the two are not a hub and a shaft of one size.
std::optional<Designation> designationOf(const SplineInput& hub, const SplineInput& shaft);

// The inputs the designation names, the hub first; g and dp not given.
std::vector<SplineInput> inputsOf(const Designation& designation);

}  // namespace quillon::gbt3478
