#pragma once

namespace quillon::engine {

// External spline (shaft, option "外花键") or internal spline (hub, option "内花键").
enum class SplineKind { External, Internal };

// +1 for a shaft, -1 for a hub: the sign with which the profile shift and the pin diameter enter.
inline constexpr double kindSign(SplineKind kind) {
    return kind == SplineKind::External ? 1.0 : -1.0;
}

}  // namespace quillon::engine
