#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quillon::textio {

// One CSV record: its fields and the line it starts on. The fields share one buffer, so a record
// passed to CsvReader::next again and again reads a whole file without allocating per row.
class CsvRecord {
  public:
    std::size_t size() const { return ends_.size(); }
    bool empty() const { return ends_.empty(); }
    // The text of field `index` (< size()); valid until the record changes.
    std::string_view operator[](std::size_t index) const;
    // 1-based line of the record's first character; 0 for a record built by hand.
    std::int64_t line() const { return line_; }

    // Building: text goes to the open field, endField() closes it.
    void clear(std::int64_t line = 0);
    void append(char c) { text_.push_back(c); }
    void append(std::string_view text) { text_.append(text); }
    void endField() { ends_.push_back(text_.size()); }
    void addField(std::string_view text);

  private:
    std::string text_;
    std::vector<std::size_t> ends_;
    std::int64_t line_ = 0;
};

}  // namespace quillon::textio
