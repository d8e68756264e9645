#pragma once

#include <optional>

#include "quillon/gbt3478/spline_result.h"
#include "rack_coefficients.h"

namespace quillon::gbt3478 {

// The four limits of the space width (hub) or tooth thickness (shaft), mm, from the basic width
// E (mm), T + λ, λ and the shaft's fundamental deviation esv (µm). A hub's effective width starts
// at E; a shaft's effective thickness at E + esv. The actual limits lie λ inside the effective
// ones, as one space or tooth must leave room for the variation of all the others.
WidthLimits widthLimits(SplineKind kind, double E, double totalTolerance, double lambda,
                        double esv);

// The major, minor and form diameters, mm, of the spline with rack `rack`, reference and base
// diameter D and Db, fundamental deviation esv and class-7 T + λ (µm), which sets the tolerance of
// the diameters made by the cutting tool whatever the class. None when a diameter lies beyond the
// ISO 286 sizes.
std::optional<Diameters> diametersOf(const SplineInput& in, const RackCoefficients& rack, double D,
                                     double Db, double esv, double totalToleranceOfClass7);

}  // namespace quillon::gbt3478
