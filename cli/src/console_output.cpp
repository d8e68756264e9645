#include "quillon/cli/console_output.h"

#include <algorithm>
#include <ostream>
#include <streambuf>

#ifdef _WIN32
#include <windows.h>

#include <array>
#include <string>
#endif

namespace quillon::cli {
namespace {

// The bytes of the character that `lead` begins; 1 for ASCII and for bytes that begin none.
std::size_t sequenceLength(unsigned char lead) {
    if (lead >= 0xF8) {
        return 1;
    }
    return lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
}

#ifdef _WIN32
// Gathers the stream's UTF-8 and hands it to the console as UTF-16 when full and on every flush.
class ConsoleBuffer final : public std::streambuf {
  public:
    explicit ConsoleBuffer(HANDLE console) : console_(console) { resetPutArea(); }
    ~ConsoleBuffer() override { writeOut(true); }

  protected:
    int_type overflow(int_type c) override {
        if (!writeOut(false)) {
            return traits_type::eof();
        }
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            sputc(traits_type::to_char_type(c));
        }
        return traits_type::not_eof(c);
    }
    int sync() override { return writeOut(false) ? 0 : -1; }

  private:
    void resetPutArea() { setp(buffer_.data(), buffer_.data() + buffer_.size()); }

    // Writes what is gathered up to the last whole character (with `finishing`, all of it: an
    // unfinished character then shows as U+FFFD, as does any byte that is not UTF-8).
    bool writeOut(bool finishing) {
        carry_.append(pbase(), pptr());
        resetPutArea();
        const std::size_t length = finishing ? carry_.size() : completeUtf8Length(carry_);
        if (length == 0) {
            return true;
        }
        const int bytes = static_cast<int>(length);  // at most the buffer and three bytes
        std::wstring wide(static_cast<std::size_t>(bytes), L'\0');  // never more units than bytes
        wide.resize(static_cast<std::size_t>(
            MultiByteToWideChar(CP_UTF8, 0, carry_.data(), bytes, wide.data(), bytes)));
        carry_.erase(0, length);
        for (std::size_t done = 0; done < wide.size();) {
            const auto rest = static_cast<DWORD>(wide.size() - done);
            DWORD written = 0;
            if (!WriteConsoleW(console_, wide.data() + done, rest, &written, nullptr) ||
                written == 0) {
                return false;
            }
            done += written;
        }
        return true;
    }

    HANDLE console_;
    std::array<char, 4096> buffer_{};
    std::string carry_;
};

std::unique_ptr<std::streambuf> consoleBuffer(ConsoleOutput::Channel channel) {
    const HANDLE handle = GetStdHandle(
        channel == ConsoleOutput::Channel::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
    DWORD mode = 0;
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE || !GetConsoleMode(handle, &mode)) {
        return nullptr;  // a file, a pipe or nothing: the bytes go as they are
    }
    return std::make_unique<ConsoleBuffer>(handle);
}
#else
std::unique_ptr<std::streambuf> consoleBuffer(ConsoleOutput::Channel) {
    return nullptr;  // terminals elsewhere take UTF-8 as it is
}
#endif

}  // namespace

ConsoleOutput::ConsoleOutput(std::ostream& stream, Channel channel)
    : stream_(stream), console_(consoleBuffer(channel)) {
    if (console_) {
        stream_.flush();
        previous_ = stream_.rdbuf(console_.get());
    }
}

ConsoleOutput::~ConsoleOutput() {
    if (console_) {
        stream_.flush();
        stream_.rdbuf(previous_);
    }
}

std::size_t completeUtf8Length(std::string_view text) {
    // A character is at most four bytes: look back over at most three continuation bytes
    // (10xxxxxx) for the lead byte of the last one, whose high bits give its length.
    const std::size_t size = text.size();
    for (std::size_t back = 1; back <= std::min<std::size_t>(size, 4); ++back) {
        const auto byte = static_cast<unsigned char>(text[size - back]);
        if ((byte & 0xC0) == 0x80) {
            continue;
        }
        return back < sequenceLength(byte) ? size - back : size;
    }
    return size;
}

}  // namespace quillon::cli
