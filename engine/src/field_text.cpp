#include "quillon/engine/field_text.h"

#include "quillon/engine/arithmetic_failure.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>
#include <system_error>

namespace quillon {
namespace {

bool isSkippedBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string withoutBlanks(std::string_view text) {
    std::string compact;
    compact.reserve(text.size());
    for (char c : text) {
        if (!isSkippedBlank(c)) {
            compact.push_back(c);
        }
    }
    return compact;
}

// The leading number of a text without blanks: its characters as from_chars takes them (a "+"
// sign dropped; empty when there is no number).
std::string_view leadingNumber(std::string_view text) {
    std::size_t pos = 0;
    std::size_t begin = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        begin = text[pos] == '+' ? 1 : 0;
        ++pos;
    }
    bool hasDigits = false;
    while (pos < text.size() && isDigit(text[pos])) {
        ++pos;
        hasDigits = true;
    }
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        while (pos < text.size() && isDigit(text[pos])) {
            ++pos;
            hasDigits = true;
        }
    }
    if (!hasDigits) {
        return {};
    }
    // An exponent counts only when digits follow it: "2e" is 2, "2e3" is 2000.
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        std::size_t expPos = pos + 1;
        if (expPos < text.size() && (text[expPos] == '+' || text[expPos] == '-')) {
            ++expPos;
        }
        if (expPos < text.size() && isDigit(text[expPos])) {
            while (expPos < text.size() && isDigit(text[expPos])) {
                ++expPos;
            }
            pos = expPos;
        }
    }
    return text.substr(begin, pos - begin);
}

double parseNumber(std::string_view number) {
    if (number.empty()) {
        return 0.0;
    }
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), value,
                                           std::chars_format::general);
    (void)ptr;
    if (ec == std::errc::result_out_of_range) {
        // from_chars leaves the value alone when out of range; strtod tells overflow (+/-HUGE_VAL)
        // from underflow (0), and the text is plain ASCII without locale-dependent characters.
        // Overflow must stay visible as infinity so that the step using it fails.
        return std::strtod(std::string(number).c_str(), nullptr);
    }
    return value;
}

// The value in decimal scientific form with 15 significant digits: `digits` holds them
// ("100050000000000") and the value is 0.d1d2d3... * 10^(pointPosition).
struct DecimalForm {
    bool negative = false;
    std::string digits;
    int pointPosition = 0;  // number of digits before the decimal point (may be <= 0)
};

DecimalForm toDecimalForm(double value) {
    char buffer[64];
    const std::to_chars_result written =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    // 64 characters always suffice for 15 digits and an exponent.
    std::string_view text(buffer, static_cast<std::size_t>(written.ptr - buffer));
    DecimalForm form;
    if (!text.empty() && text.front() == '-') {
        form.negative = true;
        text.remove_prefix(1);
    }
    const std::size_t ePos = text.find('e');
    for (char c : text.substr(0, ePos)) {
        if (isDigit(c)) {
            form.digits.push_back(c);
        }
    }
    int exponent = 0;
    std::string_view expText = text.substr(ePos + 1);
    if (!expText.empty() && expText.front() == '+') {
        expText.remove_prefix(1);
    }
    std::from_chars(expText.data(), expText.data() + expText.size(), exponent);
    form.pointPosition = exponent + 1;
    return form;
}

enum class TieRule { AwayFromZero, ToEven };

// Rounds the decimal form to `decimals` places after the point. Returns the digits of the rounded
// magnitude as a whole number scaled by 10^decimals (as text, no leading zeros except "0").
std::string roundedScaledDigits(const DecimalForm& form, int decimals, TieRule rule) {
    const int keep = form.pointPosition + decimals;  // digits of `form.digits` that stay
    const int total = static_cast<int>(form.digits.size());
    if (keep >= total) {
        return form.digits + std::string(static_cast<std::size_t>(keep - total), '0');
    }
    if (keep < 0) {
        return "0";
    }
    std::string kept = form.digits.substr(0, static_cast<std::size_t>(keep));
    const char first = form.digits[static_cast<std::size_t>(keep)];
    const bool restIsZero =
        form.digits.find_first_not_of('0', static_cast<std::size_t>(keep) + 1) == std::string::npos;
    bool roundUp = false;
    if (first > '5') {
        roundUp = true;
    } else if (first == '5') {
        if (!restIsZero || rule == TieRule::AwayFromZero) {
            roundUp = true;
        } else {
            const char last = kept.empty() ? '0' : kept.back();
            roundUp = ((last - '0') % 2) == 1;
        }
    }
    if (kept.empty()) {
        kept = "0";
    }
    if (roundUp) {
        int i = static_cast<int>(kept.size()) - 1;
        while (i >= 0 && kept[static_cast<std::size_t>(i)] == '9') {
            kept[static_cast<std::size_t>(i)] = '0';
            --i;
        }
        if (i < 0) {
            kept.insert(kept.begin(), '1');
        } else {
            ++kept[static_cast<std::size_t>(i)];
        }
    }
    const std::size_t nonZero = kept.find_first_not_of('0');
    return nonZero == std::string::npos ? "0" : kept.substr(nonZero);
}

// "12345" scaled by 10^3 -> "12.345"; zero padding in front as needed.
std::string placePoint(const std::string& scaled, int decimals) {
    if (decimals <= 0) {
        return scaled;
    }
    std::string digits = scaled;
    if (static_cast<int>(digits.size()) <= decimals) {
        digits.insert(0, static_cast<std::size_t>(decimals + 1) - digits.size(), '0');
    }
    digits.insert(digits.size() - static_cast<std::size_t>(decimals), 1, '.');
    return digits;
}

bool isZeroText(const std::string& scaled) {
    return scaled == "0";
}

double roundOnDecimalForm(double value, int decimals, TieRule rule) {
    if (!std::isfinite(value) || value == 0.0) {
        return value;
    }
    const DecimalForm form = toDecimalForm(value);
    const std::string scaled = roundedScaledDigits(form, decimals, rule);
    std::string text = placePoint(scaled, decimals);
    if (form.negative && !isZeroText(scaled)) {
        text.insert(0, 1, '-');
    }
    double result = 0;
    std::from_chars(text.data(), text.data() + text.size(), result);
    return result;
}

}  // namespace

double readNumber(std::string_view text) {
    // Field texts rarely hold blanks: read those in place, without a copy.
    if (std::none_of(text.begin(), text.end(), isSkippedBlank)) {
        return parseNumber(leadingNumber(text));
    }
    const std::string compact = withoutBlanks(text);
    return parseNumber(leadingNumber(compact));
}

std::string writeNumber(double value) {
    if (value == 0.0 || !std::isfinite(value)) {
        return "0";
    }
    const DecimalForm form = toDecimalForm(value);
    std::string digits = form.digits;
    const std::size_t lastNonZero = digits.find_last_not_of('0');
    digits.erase(lastNonZero + 1);

    std::string text;
    const int n = static_cast<int>(digits.size());
    if (form.pointPosition <= 0) {
        text = "0." + std::string(static_cast<std::size_t>(-form.pointPosition), '0') + digits;
    } else if (form.pointPosition >= n) {
        text = digits + std::string(static_cast<std::size_t>(form.pointPosition - n), '0');
    } else {
        text = digits.substr(0, static_cast<std::size_t>(form.pointPosition)) + "." +
               digits.substr(static_cast<std::size_t>(form.pointPosition));
    }
    return form.negative ? "-" + text : text;
}

std::string formatNumber(double value, int decimals) {
    if (!std::isfinite(value)) {
        throw ArithmeticFailure();
    }
    if (value == 0.0) {
        return placePoint("0", decimals);
    }
    const DecimalForm form = toDecimalForm(value);
    const std::string scaled = roundedScaledDigits(form, decimals, TieRule::AwayFromZero);
    const std::string text = placePoint(scaled, decimals);
    return (form.negative && !isZeroText(scaled)) ? "-" + text : text;
}

double roundHalfEven(double value, int decimals) {
    return roundOnDecimalForm(value, decimals, TieRule::ToEven);
}

double roundHalfAwayFromZero(double value) {
    return roundOnDecimalForm(value, 0, TieRule::AwayFromZero);
}

}  // namespace quillon
