#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "quillon/document/gbt_spline.h"
#include "quillon/textio/json_writer.h"

namespace quillon::cli {

// What the command line tells of a GB/T 3478.1 run, every quantity by its row: aligned lines of
// the designation, the inputs, each part's results (a pair: both parts and the clearances), the
// notes and warnings.
void writeGbtText(std::ostream& out, const document::GbtRun& run);

// One JSON object: "standard": "gbt3478", the designation, the inputs and "gbt3478" with the
// part's results by their rows' keys, numbers as numbers (a pair: "hub", "shaft" and
// "clearance"); `error` when the run or its request failed, `line` of a batch.
void writeGbtJson(textio::JsonWriter& json, const document::GbtRun& run,
                  const std::optional<std::string>& error, std::optional<long long> line = {});

// The batch's GB/T result columns ("gbt_designation", "gbt_D", ...) and one part's values, each
// to its row's decimals; empty where the part has none.
std::vector<std::string> gbtResultColumns();
std::vector<std::string> gbtResultValues(const document::GbtRun& run);

// The notes, warnings and problems of the run, as the batch's messages cell lists them.
std::vector<std::string> gbtMessages(const document::GbtRun& run);

}  // namespace quillon::cli
