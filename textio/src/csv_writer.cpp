#include "quillon/textio/csv_writer.h"

namespace quillon::textio {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool needsQuotes(std::string_view text) {
    if (text.empty()) {
        return false;
    }
    return text.find_first_of(",\"\r\n") != std::string_view::npos || isBlank(text.front()) ||
           isBlank(text.back()) || text.starts_with(kByteOrderMark);
}

void writeQuoted(std::ostream& out, std::string_view text) {
    out.put('"');
    for (std::size_t quote = text.find('"'); quote != std::string_view::npos;
         quote = text.find('"')) {
        out.write(text.data(), static_cast<std::streamsize>(quote + 1));
        out.put('"');
        text.remove_prefix(quote + 1);
    }
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.put('"');
}

}  // namespace

CsvWriter::CsvWriter(std::ostream& out, std::string_view lineEnd) : out_(out), lineEnd_(lineEnd) {}

void CsvWriter::writeByteOrderMark(std::ostream& out) {
    out.write(kByteOrderMark.data(), static_cast<std::streamsize>(kByteOrderMark.size()));
}

void CsvWriter::writeField(std::string_view text) {
    if (fieldsInRecord_ > 0) {
        out_.put(',');
    }
    ++fieldsInRecord_;
    lastFieldEmpty_ = text.empty();
    if (needsQuotes(text)) {
        writeQuoted(out_, text);
    } else {
        out_.write(text.data(), static_cast<std::streamsize>(text.size()));
    }
}

void CsvWriter::endRecord() {
    if (fieldsInRecord_ == 0 || (fieldsInRecord_ == 1 && lastFieldEmpty_)) {
        out_.write("\"\"", 2);
    }
    out_.write(lineEnd_.data(), static_cast<std::streamsize>(lineEnd_.size()));
    fieldsInRecord_ = 0;
}

void CsvWriter::writeRecord(std::initializer_list<std::string_view> fields) {
    for (std::string_view field : fields) {
        writeField(field);
    }
    endRecord();
}

void CsvWriter::writeRecord(const CsvRecord& record) {
    for (std::size_t i = 0; i < record.size(); ++i) {
        writeField(record[i]);
    }
    endRecord();
}

}  // namespace quillon::textio
