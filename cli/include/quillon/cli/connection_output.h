#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "quillon/cli/connection_request.h"
#include "quillon/textio/json_writer.h"

namespace quillon::cli {

// The connection (both parts' classes, table values and limits, the clearances) and the
// measurement as aligned text lines, with the digits of the report's connection section.
void writeConnectionText(std::ostream& out, const ConnectionAnswer& answer);

// The members "connection" and "measurement" of a spline's JSON object (see the manual page),
// each where it was asked for.
void writeConnectionJson(textio::JsonWriter& json, const ConnectionAnswer& answer);

// The batch's output columns of a connection and a measurement, and one row's values (empty where
// the row has none).
std::vector<std::string> connectionColumns();
std::vector<std::string> connectionValues(const std::optional<ConnectionAnswer>& answer);

}  // namespace quillon::cli
