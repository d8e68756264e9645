#pragma once

#include <optional>
#include <string_view>

#include "quillon/engine/field.h"
#include "quillon/engine/spline_kind.h"

namespace quillon::engine {

// The measuring pin proposed for a module: m × 1.732 for a shaft, m × 1.44 for a hub (and when no
// kind is selected). The pin then touches the flanks near the reference circle.
inline constexpr double kShaftPinFactor = 1.732;
inline constexpr double kHubPinFactor = 1.44;

double proposedPinDiameter(std::optional<SplineKind> kind, double module);

// The text a field holds in a freshly started window: module 1.25, α 30, ha* 0.45, cn 0.1, the
// pin proposed for a shaft of that module, tolerance 9H, every other field "0".
std::string_view startText(Field field);

}  // namespace quillon::engine
