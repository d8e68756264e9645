#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "quillon/cli/spline_request.h"
#include "quillon/document/spline_document.h"
#include "quillon/document/spline_strength.h"
#include "quillon/textio/json_writer.h"

namespace quillon::cli {

// What the command line tells of one spline: the document after its run, and why it failed.
struct SplineAnswer {
    const document::SplineDocument& spline;
    std::optional<RequestError> error;
    bool calculated = false;  // the request was written and calculated (no bad value)
    std::optional<document::SplineStrength> strength;  // when strength inputs were given

    bool ok() const { return !error; }
};

// Display columns of a UTF-8 text in a terminal: wide (CJK) characters count two.
std::size_t displayWidth(std::string_view text);

// "caption    value": the value at a column of its own, so the lines of an output align.
void textLine(std::ostream& out, std::string_view caption, std::string_view value);

// The result captions and values as the window shows them, k, the designation and, in the
// tolerance edition, the inspection values with their limits: one per line, aligned.
void writeText(std::ostream& out, const SplineAnswer& answer);

// One JSON object (see the manual page): the inputs and results as the window shows them, k, the
// messages, the designation, the warnings and the tolerance values. `line` is the batch line.
void writeJson(textio::JsonWriter& json, const SplineAnswer& answer,
               std::optional<long long> line = {});

// The batch's output columns after the input columns, for the edition (and the strength check's
// when the batch has strength columns), and one row's values.
std::vector<std::string> resultColumns(const engine::Edition& edition, bool withStrength);
std::vector<std::string> resultValues(const SplineAnswer& answer, bool withStrength);

}  // namespace quillon::cli
