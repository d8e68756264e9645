#pragma once

#include <string>
#include <vector>

#include "quillon/geometry/polyline.h"

namespace quillon::geometry {

// An SVG 1.1 drawing true to size: a square sheet whose width, height and view box are in
// millimetres, y up as in the DXF, the closed contour as one path (arcs as SVG arcs, so a fillet
// stays a circle, not a curve close to one) and the circles about the origin in a group of their
// own. `title` and `description` (UTF-8) become the file's title and desc.
// Returns the file's text; writing it safely is the caller's task.
std::string svgDrawing(const Polyline& contour, const std::vector<double>& circleDiameters,
                       const std::string& title, const std::string& description);

}  // namespace quillon::geometry
