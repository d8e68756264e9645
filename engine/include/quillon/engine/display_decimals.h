#pragma once

// How many decimals the programs show, wherever a length or a profile shift is written for a
// user: the windows' fields, the report, the drawings, the command line.
namespace quillon::engine {

// Lengths in mm (diameters, heights, W, M, the pin): a micrometre.
inline constexpr int kLengthDecimals = 3;

// The profile shift coefficient x: the designation's dB to a micrometre needs x to 1e-5 at m = 0.5.
inline constexpr int kShiftDecimals = 5;

// A tooth thickness or space width on the reference circle and its limits: a tenth of a
// micrometre, since their tolerances are a few micrometres.
inline constexpr int kWidthDecimals = 4;

// A clearance angle in arc minutes.
inline constexpr int kArcMinuteDecimals = 2;

}  // namespace quillon::engine
