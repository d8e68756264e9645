#include "quillon/textio/csv_error.h"

namespace quillon::textio {

namespace {

std::string lineMessage(std::int64_t line, std::string_view reason) {
    std::string message = "第 " + std::to_string(line) + " 行：";
    message += reason;
    return message;
}

}  // namespace

CsvError::CsvError(std::int64_t line, std::string_view reason)
    : std::runtime_error(lineMessage(line, reason)), line_(line), reason_(reason) {}

}  // namespace quillon::textio
