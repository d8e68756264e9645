#pragma once

#include <optional>

#include "quillon/gbt3478/fit_letter.h"

namespace quillon::gbt3478 {

// The total tolerance T + λ of the space width or tooth thickness, µm, for class 4 to 7, from the
// reference diameter D and the basic width E (both mm).
double totalTolerance(int toleranceClass, double D, double E);

// The effective variation λ, µm: 0.6·√(Fp² + fα² + Fβ²) of the pitch, profile and helix
// deviations of the class, for module m (mm), z teeth and engagement length g (mm).
double effectiveVariation(int toleranceClass, double m, int z, double g);

// The fundamental deviation esv of a shaft's tooth thickness, µm: 0 for h (and H), the ISO 286
// shaft deviation of D's range for f, e and d (none above D = 500 mm), (T + λ)/2 to the whole µm
// for js, T + λ for k.
std::optional<double> fundamentalDeviation(FitLetter letter, double D, double totalTolerance);

}  // namespace quillon::gbt3478
