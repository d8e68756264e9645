#pragma once

#include <optional>

#include "quillon/gbt3478/fit_letter.h"

namespace quillon::gbt3478 {

// The ISO 286-1 standard tolerance of grade IT10, IT11 or IT12 for a size, µm; none for another
// grade or a size outside 0 to 3150 mm.
std::optional<double> standardTolerance(int grade, double size);

// The ISO 286-2 upper deviation of a shaft with the letter f, e or d for a size, µm (negative);
// none for another letter or a size outside 0 to 500 mm.
std::optional<double> shaftUpperDeviation(FitLetter letter, double size);

}  // namespace quillon::gbt3478
