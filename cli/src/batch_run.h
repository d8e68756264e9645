#pragma once

#include <iosfwd>
#include <string>

#include "quillon/document/spline_document.h"

namespace quillon::cli {

// Where a batch writes: standard output, or a file replaced only once it is complete.
class BatchOutput {
  public:
    virtual ~BatchOutput() = default;
    // False when the text could not be written; `failure()` then says why.
    virtual bool write(std::string_view text) = 0;
    virtual bool finish() = 0;
    virtual std::string failure() const = 0;
};

// Reads the CSV batch from `in`, calculates every row as a fresh spline and writes the rows to
// `output` (format "csv" or "jsonl"). Returns the exit code; errors of the input go to `err`.
int runBatch(std::istream& in, const engine::Edition& edition,
             const document::SplineDocument::Database& database, const std::string& format,
             BatchOutput& output, std::ostream& err);

}  // namespace quillon::cli
