#include "quillon/textio/strict_number.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

namespace quillon::textio {

namespace {

// Far beyond any double's decimal exponent, and small enough never to overflow an int.
constexpr int kExponentCap = 100000;

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

// The decimal exponent of the leading nonzero digit, e.g. 3 for "1234.5" and -2 for "0.012e0":
// out of range with a negative one is an underflow, otherwise an overflow.
int leadingExponent(std::string_view integer, std::string_view fraction, int exponent) {
    const std::size_t firstInteger = integer.find_first_not_of('0');
    if (firstInteger != std::string_view::npos) {
        return exponent + static_cast<int>(integer.size() - firstInteger) - 1;
    }
    const std::size_t firstFraction = fraction.find_first_not_of('0');
    return exponent - static_cast<int>(firstFraction) - 1;
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
    int exponent = 0;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        bool negativeExponent = false;
        if (++pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
            negativeExponent = text[pos++] == '-';
        }
        const std::size_t digits = digitsFrom(text, pos);
        if (digits == 0) {
            return std::nullopt;
        }
        for (; pos < text.size() && isDigit(text[pos]); ++pos) {
            exponent = std::min(exponent * 10 + (text[pos] - '0'), kExponentCap);
        }
        exponent = negativeExponent ? -exponent : exponent;
    }
    if (pos != text.size()) {
        return std::nullopt;
    }

    double value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data() + mantissaStart, end, value);
    if (error == std::errc::result_out_of_range &&
        leadingExponent(integer, fraction, exponent) < 0) {
        value = 0;  // too small for a double: the nearest one is zero
    } else if (error != std::errc() || stop != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

}  // namespace quillon::textio
