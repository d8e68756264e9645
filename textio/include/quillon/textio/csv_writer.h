#pragma once

#include <cstddef>
#include <initializer_list>
#include <ostream>
#include <string>
#include <string_view>

#include "quillon/textio/csv_record.h"

namespace quillon::textio {

// CSV writer whose output CsvReader (and spreadsheets) read back field for field. A field is
// quoted when it holds ",", a quote, CR or LF, begins or ends with a blank or tab (spreadsheets
// trim those), or begins with a byte-order mark (a reader would drop it at the start of a file);
// a record of one empty field is written as "" so that it is no blank line. Bytes pass unchanged.
class CsvWriter {
  public:
    static constexpr std::string_view kCrLf = "\r\n";

    explicit CsvWriter(std::ostream& out, std::string_view lineEnd = kCrLf);

    // For spreadsheets that take a file as UTF-8 only when it starts with the mark.
    static void writeByteOrderMark(std::ostream& out);

    void writeField(std::string_view text);
    // Ends the record; one without fields is written as one empty field.
    void endRecord();

    void writeRecord(std::initializer_list<std::string_view> fields);
    void writeRecord(const CsvRecord& record);

  private:
    std::ostream& out_;
    std::string lineEnd_;
    std::size_t fieldsInRecord_ = 0;
    bool lastFieldEmpty_ = false;
};

}  // namespace quillon::textio
