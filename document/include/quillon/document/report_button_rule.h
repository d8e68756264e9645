#pragma once

#include <string_view>

// When the tolerance edition's report button ("导出参数") is on. The window has three rules that
// differ on purpose, and each is kept as it stands: at start the button follows the z field's
// text; afterwards every change of z, and every change of d, decides anew by its number.
namespace quillon::document {

// At start: on unless z reads exactly "0".
bool reportOnAtStart(std::string_view zText);

// After a change of z: on for more than three teeth (the leading-number rule reads the text).
bool reportOnForTeeth(std::string_view zText);

// After a change of d: on for a reference diameter above 0.
bool reportOnForDiameter(std::string_view dText);

}  // namespace quillon::document
