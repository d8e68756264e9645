#pragma once

#include <string>
#include <vector>

#include "quillon/document/connection.h"

namespace quillon::document {

class SplineDocument;

// The report of the edition with tolerances for a spline in a connection: its 24 lines as they
// stand (reportLines), then a section on the connection laid out as they are (label, symbol,
// value): the designation, each part's class with A, T, TE and Teff, its effective and actual
// limits (smaller first, mm), its W (shaft) and M limits, the clearances in mm and arc minutes,
// and the warning. Only characters the report file's encoding (GBK) holds: "μm", "-".
std::vector<std::string> reportLines(const SplineDocument& document, const Connection& connection);

// The connection section alone.
std::vector<std::string> connectionReportLines(const Connection& connection);

}  // namespace quillon::document
