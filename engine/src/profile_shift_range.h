#pragma once

#include "quillon/engine/spline_kind.h"

namespace quillon::engine {

// DIN 5480 keeps the profile shift of a shaft at or above -0.07 and of a hub at or below +0.07;
// 0.879 (and -0.879 for hubs) is admitted as a special value. `bound` is the edition's other end.
inline constexpr double kShiftFloor = 0.07;
inline constexpr double kSpecialShift = 0.879;

inline bool profileShiftAccepted(double x, SplineKind kind, double bound) {
    if (kind == SplineKind::External) {
        return (-kShiftFloor <= x && x <= bound) || x == kSpecialShift;
    }
    return (-bound <= x && x <= kShiftFloor) || x == -kSpecialShift;
}

}  // namespace quillon::engine
