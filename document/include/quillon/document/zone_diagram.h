#pragma once

#include <string>
#include <vector>

#include "quillon/document/connection.h"

namespace quillon::document {

// One tolerance zone of a connection, in µm from the zero line (the nominal s = e).
struct ToleranceZone {
    engine::SplineKind part = engine::SplineKind::Internal;
    bool effective = false;  // the GO gauge's zone (drawn hatched) or the actual one (toned)
    double lower = 0;
    double upper = 0;
    std::string name;        // "内花键 9H 作用齿槽宽 ev"
    std::string lowerLabel;  // "+26"
    std::string upperLabel;  // "+71"
};

// A clearance between a shaft boundary and a hub boundary, µm.
struct ClearanceMark {
    double from = 0;    // the shaft's boundary
    double to = 0;      // the hub's boundary
    std::string label;  // "最小侧隙 22 µm"
};

// The tolerance zones of a connection as a drawing shows them, without any painting: the hub's
// zones (usually above the zero line), the shaft's (usually below), each boundary labelled with
// its deviation, and the least and greatest clearance. A page paints it, zoneDiagramSvg writes
// it, and `description` says the same in words (for a screen reader or a report).
struct ZoneDiagram {
    std::string title;                      // the connection's designation
    std::string zeroLine;                   // "零线 s = e = 3.0261 mm"
    std::vector<ToleranceZone> zones;       // hub effective, hub actual, shaft effective, actual
    std::vector<ClearanceMark> clearances;  // the least (effective), the greatest (actual)
    double lowest = 0;                      // the range drawn, µm, the zero line included
    double highest = 0;
    std::vector<std::string> description;  // one line per zone and clearance, the warning last
};

ZoneDiagram zoneDiagram(const Connection& connection);

}  // namespace quillon::document
