#pragma once

#include <string>
#include <vector>

#include "quillon/geometry/polyline.h"

namespace quillon {

// An ASCII DXF drawing (AutoCAD 2000 format, millimetres) with the closed contour as one
// LWPOLYLINE on layer PROFILE, arcs as bulges, and circles about the origin on layer CIRCLES.
// `comment` (for example the program, its version and the spline) heads the file as a comment.
// Returns the file's text; writing it safely is the caller's task.
std::string dxfDrawing(const Polyline& contour, const std::vector<double>& circleDiameters,
                       const std::string& comment);

}  // namespace quillon
