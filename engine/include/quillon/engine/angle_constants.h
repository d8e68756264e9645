#pragma once

namespace quillon::engine {

// The engine converts degrees with pi taken as 3.1415926, not at full precision. Every stored
// result (and every published worked value) depends on these exact constants, so they must not be
// replaced by std::numbers::pi.
inline constexpr double kPi = 3.1415926;
inline constexpr double kHalfPi = 1.5707963;
inline constexpr double kDegToRad = 3.1415926 / 180.0;  // 0.017453292222222222

}  // namespace quillon::engine
