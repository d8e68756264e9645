#pragma once

#include <array>
#include <string>
#include <string_view>

#include "quillon/geometry/drawing_table.h"

namespace quillon::document {

class SplineDocument;

// The captions of the columns of every table of names, symbols and values (the data table, the
// connection's sizes, the GB/T 3478.1 results).
inline constexpr std::array<std::string_view, 3> kTableHeader = {"名称", "代号", "数值"};
struct Connection;

// The spline's data table for a drawing (花键参数表): rows of 名称, 代号 and 数值, in the order a
// drawing lists them, every number as the window writes it. The profile shift is given in the
// DIN 5480 sign (a hub's x is the opposite of the window's). In the edition with tolerances W
// carries the report's limits and M the limits through the involute, and a closing note row says
// so, and the limits a drawing states for the width on the reference circle follow M: ev min and
// e max of a hub, sv max and s min of a shaft. The class is written as the designation writes it
// (9h for a shaft). Before a calculation every value reads "—". No cell is empty.
geometry::DrawingTable drawingData(const SplineDocument& document);

// The same for the document's part of a connection: its class, limits and designation from the
// fit, and a row naming the fit and the mate's class.
geometry::DrawingTable drawingData(const SplineDocument& document, const Connection& connection);

// The table as a CSV file: UTF-8 with a byte-order mark (spreadsheets read it as UTF-8 then),
// a header row 名称,代号,数值, records ended by CR LF.
std::string drawingDataCsv(const geometry::DrawingTable& table);

// The header and the table as tab-separated lines, each ended by "\n", for the clipboard.
std::string drawingDataTsv(const geometry::DrawingTable& table);

}  // namespace quillon::document
