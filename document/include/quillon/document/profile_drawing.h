#pragma once

#include <string>
#include <string_view>

#include "quillon/geometry/drawing_table.h"
#include "quillon/geometry/profile_input.h"
#include "quillon/geometry/tooth_form.h"

namespace quillon::document {

enum class DrawingFormat { Dxf, Svg };

// "DIN 5480 外花键 齿形：z = 20，m = 1.25，x = 0.2": what a drawing of the profile is titled.
std::string drawingTitle(const geometry::ProfileInput& input);

// The closed contour and the circles d, db, da and df, true to size: an SVG drawing (see
// svgDrawing) with the title and `creator` (program and version) as its title and description, or
// a DXF drawing (see dxfDrawing) headed by "creator — title", with `table` (see drawingData)
// beside the profile. The SVG has no table. The text of the file.
std::string profileDrawing(const geometry::ProfileInput& input, const geometry::ToothForm& form,
                           DrawingFormat format, std::string_view creator,
                           const geometry::DrawingTable& table = {});

}  // namespace quillon::document
