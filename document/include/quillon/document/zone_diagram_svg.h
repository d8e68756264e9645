#pragma once

#include <string>
#include <string_view>

#include "quillon/document/zone_diagram.h"

namespace quillon::document {

// The diagram as an SVG 1.1 file in millimetres (y down, as a page reads it): the zero line, each
// zone as a rectangle (id "zone-hub-effective", "zone-shaft-actual", ...) of true relative
// height, effective zones hatched and actual zones in a solid tone so that they differ without
// colour, every boundary labelled, the two clearances as dimension lines, and a legend. The
// title is the diagram's, the description its lines in words and `creator`. Returns the file's
// text; writing it safely is the caller's task.
std::string zoneDiagramSvg(const ZoneDiagram& diagram, std::string_view creator);

}  // namespace quillon::document
