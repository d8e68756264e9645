#pragma once

#include <string>
#include <vector>

#include "quillon/geometry/drawing_table.h"
#include "quillon/geometry/polyline.h"

namespace quillon::geometry {

// An ASCII DXF drawing (AutoCAD 2000 format, millimetres) with the closed contour as one
// LWPOLYLINE on layer PROFILE, arcs as bulges, and circles about the origin on layer CIRCLES.
// `comment` (for example the program, its version and the spline) heads the file as a comment.
// A table with rows stands to the right of the profile on layer DATA: LINE entities for its grid,
// TEXT entities in the text style QUILLON_CJK (SimSun, simsun.ttc) for its cells. The profile's
// entities are the same bytes with and without a table.
// Returns the file's text; writing it safely is the caller's task.
std::string dxfDrawing(const Polyline& contour, const std::vector<double>& circleDiameters,
                       const std::string& comment, const DrawingTable& table = {});

}  // namespace quillon::geometry
