#pragma once

#include <cstddef>
#include <iosfwd>
#include <memory>
#include <string_view>

namespace quillon::cli {

// The program's text is UTF-8. A Windows console shows bytes in its code page (936 on a Chinese
// Windows), so UTF-8 would turn into mojibake there: while a ConsoleOutput lives, text for a
// standard stream that is a console goes to it as UTF-16 (WriteConsoleW). Redirected to a file or
// a pipe, and on other systems, the bytes pass unchanged.
class ConsoleOutput final {
  public:
    enum class Channel { Output, Error };

    ConsoleOutput(std::ostream& stream, Channel channel);
    ~ConsoleOutput();  // flushes and gives the stream its own buffer back
    ConsoleOutput(const ConsoleOutput&) = delete;
    ConsoleOutput& operator=(const ConsoleOutput&) = delete;

  private:
    std::ostream& stream_;
    std::unique_ptr<std::streambuf> console_;
    std::streambuf* previous_ = nullptr;
};

// The length of the longest start of `text` that does not end inside a UTF-8 sequence; the rest
// (at most three bytes, the beginning of one character) waits for the next write.
std::size_t completeUtf8Length(std::string_view text);

}  // namespace quillon::cli
