#pragma once

#include <string>

#include "quillon/geometry/drawing_table.h"

namespace quillon::document {

class SplineDocument;

// The spline's data table for a drawing (花键参数表): rows of 名称, 代号 and 数值, in the order a
// drawing lists them, every number as the window writes it. The profile shift is given in the
// DIN 5480 sign (a hub's x is the opposite of the window's). In the edition with tolerances W
// carries the report's limits and M the limits through the involute, and a closing note row says
// so. Before a calculation every value reads "—". No cell is empty.
geometry::DrawingTable drawingData(const SplineDocument& document);

// The table as a CSV file: UTF-8 with a byte-order mark (spreadsheets read it as UTF-8 then),
// a header row 名称,代号,数值, records ended by CR LF.
std::string drawingDataCsv(const geometry::DrawingTable& table);

// The table as tab-separated lines, each ended by "\n", for the clipboard.
std::string drawingDataTsv(const geometry::DrawingTable& table);

}  // namespace quillon::document
