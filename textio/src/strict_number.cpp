#include "quillon/textio/strict_number.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

namespace quillon::textio {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t digitsFrom(std::string_view text, std::size_t pos) {
    std::size_t end = pos;
    while (end < text.size() && isDigit(text[end])) {
        ++end;
    }
    return end - pos;
}

}  // namespace

std::optional<double> strictNumber(std::string_view text) {
    std::size_t pos = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        pos = 1;
    }
    const std::size_t mantissaStart = pos;
    const std::string_view integer = text.substr(pos, digitsFrom(text, pos));
    pos += integer.size();
    std::string_view fraction;
    if (pos < text.size() && text[pos] == '.') {
        fraction = text.substr(pos + 1, digitsFrom(text, pos + 1));
        pos += 1 + fraction.size();
    }
    if (integer.empty() && fraction.empty()) {
        return std::nullopt;
    }
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        if (++pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
            ++pos;
        }
        const std::size_t digits = digitsFrom(text, pos);
        if (digits == 0) {
            return std::nullopt;
        }
        pos += digits;
    }
    if (pos != text.size()) {
        return std::nullopt;
    }

    double value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data() + mantissaStart, end, value);
    // A value beyond a double either way is refused, an underflow of a non-zero text too: "1e-400"
    // is no zero the user meant. Zero with any exponent ("0e-400") is zero.
    const bool zero = integer.find_first_not_of('0') == std::string_view::npos &&
                      fraction.find_first_not_of('0') == std::string_view::npos;
    if (zero) {
        return negative ? -0.0 : 0.0;
    }
    if (error != std::errc() || stop != end || !std::isfinite(value) || value == 0) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

std::string_view trimBlanks(std::string_view text) {
    constexpr std::string_view kBlanks = " \t\r\n";
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

}  // namespace quillon::textio
