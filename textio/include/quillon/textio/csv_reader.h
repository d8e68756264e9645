#pragma once

#include <cstddef>
#include <cstdint>
#include <istream>
#include <vector>

#include "quillon/textio/csv_record.h"
#include "quillon/textio/utf8_check.h"

namespace quillon::textio {

// Streaming CSV reader (RFC 4180) for spline tables from scripts and spreadsheets.
//  - Fields are separated by ","; a quoted field may hold commas, CR and LF, and "" for a quote.
//  - A record ends with LF, CR LF or a lone CR (old Mac exports); the same three count lines.
//  - A UTF-8 byte-order mark at the very start is skipped; a last record without line end is
//    read; blank lines (nothing between two line ends) are no records, anywhere in the file.
//  - A quote inside an unquoted field is kept as text (ab"c); text after a closing quote other
//    than "," or a line end is refused, as it leaves the field's meaning open.
// The input is read in blocks of what the stream holds ready, one record is held at a time, never
// the whole input. std::cin tied to C stdio holds nothing ready and is read byte by byte:
// std::ios::sync_with_stdio(false) first makes standard input as fast as a file.
// Refused input throws CsvError naming the line: a record over kMaxRecordBytes (the line the
// record starts on), a NUL byte or invalid UTF-8 (the line of the byte), a quote still open at
// the end of the input (the line of the opening quote). Reading stops at the first error: later
// calls to next() return false, since after a broken record no record boundary can be trusted.
class CsvReader {
  public:
    static constexpr std::size_t kMaxRecordBytes = 64 * 1024;

    explicit CsvReader(std::istream& in);

    // The next record into `record` (its buffers are reused); false at the end of the input.
    bool next(CsvRecord& record);

  private:
    enum class State { RecordStart, FieldStart, Unquoted, Quoted, QuoteInQuoted };

    bool fill();
    bool readMore();
    void skipByteOrderMark();
    bool endOfInput(CsvRecord& record);
    void takePlainRun(CsvRecord& record);
    bool lineEnd(char c, CsvRecord& record);
    void character(char c, CsvRecord& record);
    [[noreturn]] void fail(std::int64_t line, const char* reason);

    std::istream& in_;
    std::vector<char> block_;
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
    bool started_ = false;
    bool inputEnded_ = false;
    bool finished_ = false;
    State state_ = State::RecordStart;
    std::int64_t line_ = 1;  // line of the next byte
    std::int64_t quoteLine_ = 0;
    std::size_t recordBytes_ = 0;
    char previous_ = 0;
    Utf8Check utf8_;
};

}  // namespace quillon::textio
