#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace quillon::textio {

// Input the CSV reader refuses. what() is the whole message for standard error,
// "第 12 行：记录超过 64 KiB"; line() is the 1-based line it names.
class CsvError : public std::runtime_error {
  public:
    CsvError(std::int64_t line, std::string_view reason);

    std::int64_t line() const { return line_; }
    const std::string& reason() const { return reason_; }

  private:
    std::int64_t line_;
    std::string reason_;
};

}  // namespace quillon::textio
