#include "quillon/engine/field_text.h"

#include "decimal_conversion.h"
#include "quillon/engine/arithmetic_failure.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>
#include <system_error>
#include <utility>

namespace quillon::engine {
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

constexpr int kSignificantDigits = DecimalForm::kSignificantDigits;

enum class TieRule { AwayFromZero, ToEven };

// A magnitude rounded to some decimal places, as a whole number scaled by 10^places: its leading
// digits (no leading zeros; "0" for zero) followed by `zeros` more zeros.
struct ScaledDigits {
    char digits[kSignificantDigits + 1] = {};  // one more for a carry out of the first digit
    int length = 0;
    int zeros = 0;

    bool isZero() const { return length == 1 && digits[0] == '0'; }
    int size() const { return length + zeros; }
};

ScaledDigits roundedScaledDigits(const DecimalForm& form, int decimals, TieRule rule) {
    ScaledDigits scaled;
    const int keep = form.pointPosition + decimals;  // digits of `form.digits` that stay
    if (keep >= kSignificantDigits) {
        std::copy(form.digits, form.digits + kSignificantDigits, scaled.digits);
        scaled.length = kSignificantDigits;
        scaled.zeros = keep - kSignificantDigits;
        return scaled;
    }
    if (keep < 0) {
        scaled.digits[0] = '0';
        scaled.length = 1;
        return scaled;
    }
    const char first = form.digits[keep];
    const bool restIsZero = std::all_of(form.digits + keep + 1, form.digits + kSignificantDigits,
                                        [](char c) { return c == '0'; });
    bool roundUp = first > '5';
    if (first == '5') {
        const bool lastKeptIsOdd = keep > 0 && (form.digits[keep - 1] - '0') % 2 == 1;
        roundUp = !restIsZero || rule == TieRule::AwayFromZero || lastKeptIsOdd;
    }
    if (keep == 0) {
        scaled.digits[0] = roundUp ? '1' : '0';
        scaled.length = 1;
        return scaled;
    }
    std::copy(form.digits, form.digits + keep, scaled.digits);
    scaled.length = keep;
    if (roundUp) {
        int i = keep - 1;
        while (i >= 0 && scaled.digits[i] == '9') {
            scaled.digits[i] = '0';
            --i;
        }
        if (i < 0) {
            std::copy_backward(scaled.digits, scaled.digits + keep, scaled.digits + keep + 1);
            scaled.digits[0] = '1';
            ++scaled.length;
        } else {
            ++scaled.digits[i];
        }
    }
    return scaled;
}

// A sign, then `digits` followed by `zeros` zeros with the point after the first `whole` of them:
// "0." and zeros in front when whole <= 0, no point when whole reaches the end.
std::string decimalText(bool negative, std::string_view digits, int zeros, int whole) {
    const auto count = static_cast<int>(digits.size());
    const int stream = count + zeros;
    const int leading = whole <= 0 ? 2 - whole : 0;  // "0." and -whole zeros
    const bool point = whole > 0 && whole < stream;
    std::string text(static_cast<std::size_t>(negative + leading + stream + point), '0');
    char* out = text.data();
    if (negative) {
        *out++ = '-';
    }
    if (leading > 0) {
        out[1] = '.';
        out += leading;
    }
    if (point && whole < count) {
        out = std::copy(digits.begin(), digits.begin() + whole, out);
        *out++ = '.';
        std::copy(digits.begin() + whole, digits.end(), out);
    } else {
        std::copy(digits.begin(), digits.end(), out);
        if (point) {
            out[whole] = '.';  // among the trailing zeros
        }
    }
    return text;
}

// "12345" scaled by 10^3 -> "12.345", "5" -> "0.005"; a minus sign unless the number is zero.
std::string placePoint(bool negative, const ScaledDigits& scaled, int decimals) {
    return decimalText(negative && !scaled.isZero(),
                       {scaled.digits, static_cast<std::size_t>(scaled.length)}, scaled.zeros,
                       scaled.size() - std::max(decimals, 0));
}

// The 15-digit form of a rounded number other than zero.
DecimalForm decimalFormOf(bool negative, const ScaledDigits& scaled, int decimals) {
    DecimalForm form;
    form.negative = negative;
    int length = scaled.length;
    while (scaled.digits[length - 1] == '0') {
        --length;  // only a carry makes 16 digits, and then all but the first are zeros
    }
    std::fill(std::copy(scaled.digits, scaled.digits + length, form.digits),
              form.digits + kSignificantDigits, '0');
    form.pointPosition = scaled.size() - decimals;
    return form;
}

// The number of a written text: its digits where they make an exact decimal, else the text read.
FieldNumber numberOf(const DecimalForm& form, const std::string& text) {
    if (isExactDecimal(form)) {
        return FieldNumber(form);
    }
    // The text has no blanks and no "+": it is its own leading number.
    return FieldNumber(parseNumber(text));
}

NumberText displayText(bool negative, const ScaledDigits& scaled, int decimals) {
    std::string text = placePoint(negative, scaled, decimals);
    if (scaled.isZero()) {
        return {std::move(text), FieldNumber(0.0)};
    }
    FieldNumber number = numberOf(decimalFormOf(negative, scaled, decimals), text);
    return {std::move(text), std::move(number)};
}

double roundOnDecimalForm(double value, int decimals, TieRule rule) {
    if (!std::isfinite(value) || value == 0.0) {
        return value;
    }
    const DecimalForm form = toDecimalForm(value);
    const ScaledDigits scaled = roundedScaledDigits(form, decimals, rule);
    if (scaled.isZero()) {
        return 0.0;
    }
    const DecimalForm rounded = decimalFormOf(form.negative, scaled, decimals);
    if (isExactDecimal(rounded)) {
        return exactValueOf(rounded);
    }
    const std::string text = placePoint(form.negative, scaled, decimals);
    double result = 0;  // stays 0 when the rounded number is out of range
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

double FieldNumber::value() const {
    return digits_ ? exactValueOf(*digits_) : value_;
}

std::string writeNumber(double value) {
    return plainNumber(value).text;
}

NumberText plainNumber(double value) {
    if (value == 0.0 || !std::isfinite(value)) {
        return {"0", FieldNumber(0.0)};
    }
    const DecimalForm form = toDecimalForm(value);
    int length = kSignificantDigits;
    while (form.digits[length - 1] == '0') {
        --length;
    }
    const int point = form.pointPosition;
    std::string text = decimalText(form.negative, {form.digits, static_cast<std::size_t>(length)},
                                   std::max(point - length, 0), point);
    FieldNumber number = numberOf(form, text);
    return {std::move(text), std::move(number)};
}

std::string formatNumber(double value, int decimals) {
    return formattedNumber(value, decimals).text;
}

NumberText formattedNumber(double value, int decimals) {
    if (!std::isfinite(value)) {
        throw ArithmeticFailure();
    }
    if (value == 0.0) {
        ScaledDigits zero;
        zero.digits[0] = '0';
        zero.length = 1;
        return displayText(false, zero, decimals);
    }
    const DecimalForm form = toDecimalForm(value);
    return displayText(form.negative, roundedScaledDigits(form, decimals, TieRule::AwayFromZero),
                       decimals);
}

NumberText formattedNumber(const FieldNumber& number, int decimals) {
    if (!number.digits()) {
        return formattedNumber(number.value(), decimals);
    }
    const DecimalForm& form = *number.digits();
    return displayText(form.negative, roundedScaledDigits(form, decimals, TieRule::AwayFromZero),
                       decimals);
}

double roundHalfEven(double value, int decimals) {
    return roundOnDecimalForm(value, decimals, TieRule::ToEven);
}

double roundHalfAwayFromZero(double value) {
    return roundOnDecimalForm(value, 0, TieRule::AwayFromZero);
}

}  // namespace quillon::engine
