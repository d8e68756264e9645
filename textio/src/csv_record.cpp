#include "quillon/textio/csv_record.h"

namespace quillon::textio {

std::string_view CsvRecord::operator[](std::size_t index) const {
    const std::size_t begin = index == 0 ? 0 : ends_[index - 1];
    return std::string_view(text_).substr(begin, ends_[index] - begin);
}

void CsvRecord::clear(std::int64_t line) {
    text_.clear();
    ends_.clear();
    line_ = line;
}

void CsvRecord::addField(std::string_view text) {
    append(text);
    endField();
}

}  // namespace quillon::textio
