#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "quillon/document/inspection_values.h"
#include "quillon/engine/fit.h"
#include "quillon/engine/spline_kind.h"
#include "quillon/geometry/profile_input.h"
#include "quillon/tolerance/deviation_result.h"

// A DIN 5480 connection: a hub and a shaft of one size with the fit between them. Sizes are
// circular widths on the reference circle d = m·z: the shaft's tooth thickness s and the hub's
// space width e, which are equal at nominal (the mate has the same dB, so its profile shift is the
// opposite of the part's). Each part takes A, T and TE from the tolerance tables for its own
// class, and Teff = T − TE.
//   hub:   ev min = e + A,  e max = ev min + T,  e min = ev min + Teff,  ev max = e max − Teff
//   shaft: sv max = s + A,  s min = sv max − T,  s max = sv max − Teff,  sv min = s min + Teff
// The actual limits are those the report's limit deviations give (its near and far deviations).
namespace quillon::document {

class SplineDocument;

// The four limits of one part, either as deviations from nominal (µm) or as sizes (mm).
// Effective: what the GO gauge checks (ev / sv); actual: the width measured at one space or tooth
// (e / s).
struct PartLimits {
    double effectiveMin = 0;
    double effectiveMax = 0;
    double actualMin = 0;
    double actualMax = 0;
};

// One part of a connection, calculated as a window of its kind calculates it.
struct PartSizes {
    engine::SplineKind kind = engine::SplineKind::External;
    engine::DesignationTolerance toleranceClass;  // "8f", "9H"
    double nominal = 0;                           // s or e, mm
    tolerance::ToleranceTableValues table;        // A, T, TE in µm and the row
    double effectiveTolerance = 0;                // Teff = T − TE, µm
    PartLimits deviations;                        // µm from nominal
    PartLimits sizes;                             // mm
    tolerance::DeviationResult deviation;         // the report's near and far deviations, mm
    geometry::ProfileInput input;                 // the calculated part (for measurements)
    InspectionValues inspection;                  // W, M and their limits as the page shows them
};

// Four clearances between the hub's space width and the shaft's tooth thickness.
struct Clearances {
    double effectiveMin = 0;  // ev min − sv max
    double effectiveMax = 0;  // ev max − sv min
    double actualMin = 0;     // e min − s max
    double actualMax = 0;     // e max − s min
};

struct Connection {
    engine::Fit fit;
    std::string designation;       // "DIN 5480 - 50 x 2 x 30 x 24 x 9H/8f"
    double referenceDiameter = 0;  // d = m·z, mm
    PartSizes hub;
    PartSizes shaft;
    Clearances clearance;       // mm
    Clearances backlash;        // the clearances as angles about the axis, arc minutes
    bool interference = false;  // the effective minimum is below 0
    std::string warning;        // "可能过盈…" when it is; empty otherwise

    const PartSizes& part(engine::SplineKind kind) const {
        return kind == engine::SplineKind::External ? shaft : hub;
    }
};

// A connection, or why there is none (in the user's words).
struct ConnectionResult {
    std::optional<Connection> connection;
    std::string refusal;
};

// One part's sizes, or why there are none.
struct PartSizesResult {
    std::optional<PartSizes> part;
    std::string refusal;
};

// A fit as the user typed it, with the series letters checked against the tolerance tables.
struct FitReading {
    std::optional<engine::Fit> fit;
    std::string reason;
};
FitReading readFit(std::string_view text);

// The fit a connection starts with: the document's grade and letter for its own part, H or h of
// the same grade for the mate (9H when the fields give no class).
engine::Fit defaultFit(const SplineDocument& document);

// The document's spline (calculated, straight, in the edition with tolerances) and its mate, each
// with its class of the fit. The document's own fields are not changed.
ConnectionResult connection(const SplineDocument& document, std::string_view fitText);

// The document's own part with the class its fields give, as in a connection.
PartSizesResult partSizes(const SplineDocument& document);

}  // namespace quillon::document
