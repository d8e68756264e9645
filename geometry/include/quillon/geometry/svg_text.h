#pragma once

#include <string>
#include <string_view>

namespace quillon::geometry {

// How every SVG file of the program writes its numbers and texts.

// Fixed to the nanometre, without trailing zeros ("12.5", "-3", "0.000125").
std::string svgNumber(double value);

// Text for XML content or an attribute: & < > " escaped, control characters as spaces.
std::string svgEscaped(std::string_view text);

}  // namespace quillon::geometry
