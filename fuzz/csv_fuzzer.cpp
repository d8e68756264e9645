// Arbitrary bytes as a CSV file of spline rows and as a command-line number. Nothing may crash or
// hang; every record read, written back and read again must give the same fields; a string
// written as JSON must come out as valid UTF-8 without raw control characters; an accepted number
// must be finite and read back from its shortest text as the same double.
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "quillon/textio/csv_error.h"
#include "quillon/textio/csv_reader.h"
#include "quillon/textio/csv_writer.h"
#include "quillon/textio/json_writer.h"
#include "quillon/textio/strict_number.h"
#include "quillon/textio/utf8_check.h"

namespace {

using quillon::textio::CsvError;
using quillon::textio::CsvReader;
using quillon::textio::CsvRecord;
using quillon::textio::CsvWriter;

using Rows = std::vector<std::vector<std::string>>;

void require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// The records up to the first error, and whether one came.
Rows readAll(const std::string& text, bool& refused) {
    std::istringstream in(text);
    CsvReader reader(in);
    CsvRecord record;
    Rows rows;
    refused = false;
    try {
        while (reader.next(record)) {
            require(!record.empty() && record.line() >= 1);
            rows.emplace_back();
            for (std::size_t i = 0; i < record.size(); ++i) {
                rows.back().emplace_back(record[i]);
            }
        }
    } catch (const CsvError& error) {
        require(error.line() >= 1);
        refused = true;
    }
    require(!reader.next(record));
    return rows;
}

void checkRoundTrip(const std::string& text, bool withMark) {
    bool refused = false;
    const Rows rows = readAll(text, refused);
    std::ostringstream out;
    if (withMark) {
        CsvWriter::writeByteOrderMark(out);
    }
    CsvWriter writer(out, withMark ? "\n" : CsvWriter::kCrLf);
    for (const auto& row : rows) {
        for (const auto& field : row) {
            writer.writeField(field);
        }
        writer.endRecord();
    }
    bool refusedAgain = false;
    require(readAll(out.str(), refusedAgain) == rows);
    require(!refusedAgain);
}

void checkJsonString(std::string_view text) {
    std::ostringstream out;
    quillon::textio::JsonWriter(out).string(text);
    quillon::textio::Utf8Check check;
    for (char c : out.str()) {
        require(check.feed(static_cast<unsigned char>(c)));
        require(static_cast<unsigned char>(c) >= 0x20 || c == '\n');
    }
    require(!check.midSequence());
}

void checkNumber(std::string_view text) {
    const auto value = quillon::textio::strictNumber(text);
    if (!value) {
        return;
    }
    require(std::isfinite(*value));
    char shortest[32];
    const auto result = std::to_chars(shortest, shortest + sizeof shortest, *value);
    const auto again = quillon::textio::strictNumber(std::string_view(shortest, result.ptr));
    require(again && std::memcmp(&*again, &*value, sizeof(double)) == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(bytes), size);
    checkRoundTrip(text, size % 2 == 1);
    checkJsonString(text);
    checkNumber(text);
    return 0;
}
