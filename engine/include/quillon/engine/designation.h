#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "quillon/engine/fit.h"
#include "quillon/engine/form.h"
#include "quillon/engine/spline_kind.h"

// The DIN 5480 designation of a straight spline, as it stands on a drawing:
//   "DIN 5480 - W 120 x 3 x 30 x 38 x 8f"
// W shaft or N hub, reference diameter dB, module m, pressure angle α, number of teeth z and the
// tolerance (grade and series letter: lower case for shafts, upper case for hubs). The reference
// diameter carries the profile shift: dB = m·z + 2·x·m + 1.1·m for a shaft; a hub's x has the
// opposite sign in this program, so there dB = m·z − 2·x·m + 1.1·m.
//
// A connection (hub and shaft of one size with their fit) is written with both classes and no part
// letter: "DIN 5480 - 50 x 2 x 30 x 24 x 9H/8f". The standard's own example of a connection
// designation was not at hand when this was written; the form follows the part designation with
// the fit as the connection's tolerance, hub first, as fits are written.
namespace quillon::engine {

struct SplineDesignation {
    SplineKind kind = SplineKind::External;
    double referenceDiameter = 0;  // dB, mm
    double module = 0;             // m, mm
    double pressureAngle = 30;     // α, degrees
    double teeth = 0;              // z, a whole number
    std::optional<DesignationTolerance> tolerance;

    friend bool operator==(const SplineDesignation&, const SplineDesignation&) = default;
};

// A parsed text. When the text names a spline: `designation`. When it gives no number of teeth:
// `candidates`, the designations of every z that makes it a DIN 5480 size (teethCandidates), and
// `designation` too when there is exactly one. Otherwise `unrecognised`, the part of the text that
// was not understood (the rest of the text from where reading failed; the whole text when it ended
// too early or its numbers name no spline), and where the text reads but its numbers are at fault,
// `reason` says why (in the user's words).
//
// A connection's text gives `fit` as well; `designation` (and each candidate) is then the part its
// letter names, the shaft where it names none, with that part's class of the fit as tolerance.
struct DesignationParse {
    std::optional<SplineDesignation> designation;
    std::string unrecognised;
    std::vector<SplineDesignation> candidates;
    std::string reason;
    std::optional<Fit> fit;
};

// Reads a designation as people write it: "DIN 5480" and the dash optional; W or N in either case;
// "x", "X", "×" or "*" between the numbers; blanks anywhere between the parts; "." or "," as the
// decimal mark; an optional tolerance (grade 5 to 12 and a letter) after a further separator or a
// blank, the letter put in the case of the kind. The numbers:
//   dB x m             α is 30, z is sought (candidates);
//   dB x m x n         n is z (α is 30) when it is a whole number whose profile shift the program
//                      accepts (shaft sign -0.07 to 0.77, or 0.879); otherwise, when n is 30, the
//                      standard pressure angle, it is α and z is sought; otherwise n is z;
//   dB x m x α x z     all given.
// dB and m below 0.0005 mm are refused: dB is printed to three decimals and would read as 0.
// A connection ends in a fit (see parseFit) in place of the tolerance; its part letter may be left
// out. A fit that reads but is at fault (a grade out of range, a class in the wrong case) is
// refused with the fit's reason.
DesignationParse parseDesignation(std::string_view text);

// The numbers of teeth that make dB and m a DIN 5480 size: those whose profile shift
// x = (dB - m·z - 1.1·m)/(2·m) (shaft sign) lies from -0.05 to +0.45. One where dB/m is not a whole
// number; two where it is (z = dB/m - 2 with x = +0.45 and z = dB/m - 1 with x = -0.05; the
// standard lists one of them). Ascending; empty when none is a positive number of teeth.
std::vector<int> teethCandidates(double referenceDiameter, double module);

// What sets the designation apart from the DIN 5480 sizes, in the user's words: a profile shift
// outside -0.05 to +0.45 (shaft sign), a reference diameter that is not a whole number of
// millimetres. Notes, not faults: such a spline is calculated all the same.
std::vector<std::string> sizeNotes(const SplineDesignation& designation);

// "DIN 5480 - W 26.375 x 1.25 x 30 x 20 x 9h": dB to three decimals, every number in its shortest
// form (trailing zeros dropped); the tolerance only when the designation has one.
std::string printDesignation(const SplineDesignation& designation);

// "DIN 5480 - 50 x 2 x 30 x 24 x 9H/8f": the size of `designation` (its kind and tolerance are
// not printed) with the fit.
std::string printConnectionDesignation(const SplineDesignation& designation, const Fit& fit);

// dB of a spline of the kind with module m, z teeth and profile shift x (the program's sign).
double referenceDiameter(SplineKind kind, double module, double teeth, double shift);

// The profile shift x that the designation's reference diameter implies (the program's sign).
double profileShift(const SplineDesignation& designation);

// A number to `decimals` places (half away from zero) without trailing zeros: 0.2, -0.45, 120.
std::string shortDecimal(double value, int decimals);

// The designation of the spline the form holds, or why it has none (in the user's words).
struct FormDesignation {
    std::optional<SplineDesignation> designation;
    std::string reason;
};

// Reads kind, z, m, α, β and x from the form, and with `withTolerance` the grade and series letter
// (left out when they do not form a tolerance of grades 5 to 12). A helical spline (β ≠ 0) has no
// DIN 5480 designation.
FormDesignation designationOfForm(const Form& form, bool withTolerance);

// The grade and series letter of the form as a class of `kind` (the letter in that kind's case);
// none when they do not form a tolerance of grades 5 to 12.
std::optional<DesignationTolerance> toleranceOfForm(const Form& form, SplineKind kind);

}  // namespace quillon::engine
