#include "quillon/engine/field_text.h"

#include "quillon/engine/arithmetic_failure.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>
#include <system_error>
#include <utility>

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

constexpr int kSignificantDigits = DecimalForm::kSignificantDigits;

__extension__ using Wide =
    unsigned __int128;  // GCC and clang; __extension__ keeps -Wpedantic quiet

constexpr std::uint64_t kFifteenDigitFloor = 100'000'000'000'000;  // 10^14
constexpr std::uint64_t kFifteenDigitCeiling = 10 * kFifteenDigitFloor;

constexpr std::array<std::uint64_t, 20> kWholePowersOfTen = [] {
    std::array<std::uint64_t, 20> powers{};
    std::uint64_t power = 1;
    for (std::uint64_t& p : powers) {
        p = power;
        power *= 10;
    }
    return powers;
}();

// The 15 digits of a whole number below 10^15: the first digit, then seven pairs, each cut out
// on its own so that the processor can take them side by side.
void writeDigits(std::uint64_t whole, char* digits) {
    static constexpr auto kPairs = [] {
        std::array<char, 200> pairs{};
        for (std::size_t i = 0; i < 100; ++i) {
            pairs[2 * i] = static_cast<char>('0' + i / 10);
            pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
        }
        return pairs;
    }();
    digits[0] = static_cast<char>('0' + whole / kWholePowersOfTen[14]);
    for (std::size_t pair = 0; pair < 7; ++pair) {
        const std::uint64_t value = whole / kWholePowersOfTen[12 - 2 * pair] % 100;
        digits[1 + 2 * pair] = kPairs[2 * value];
        digits[2 + 2 * pair] = kPairs[2 * value + 1];
    }
}

// The 15 significant digits of a value by exact integer arithmetic, for the magnitudes fields
// usually hold (from about 1e-5 up to 2^53): |value| * 10^k = mantissa * 10^k / 2^shift, rounded to
// a whole number half to even, as a correctly rounded printf does. None outside that range.
std::optional<DecimalForm> decimalFormByIntegers(double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const int biasedExponent = static_cast<int>((bits >> 52) & 0x7ff);
    if (biasedExponent == 0) {
        return std::nullopt;  // subnormal
    }
    constexpr std::uint64_t kHiddenBit = std::uint64_t{1} << 52;
    const std::uint64_t mantissa = (bits & (kHiddenBit - 1)) | kHiddenBit;
    const int shift = 1075 - biasedExponent;  // |value| = mantissa / 2^shift
    if (shift < 1 || shift > 120) {
        return std::nullopt;
    }
    // floor(log10 |value|) to within one: 1233 / 4096 is just above log10(2).
    int exponent10 = ((biasedExponent - 1023) * 1233) >> 12;
    for (;;) {
        const int k = kSignificantDigits - 1 - exponent10;
        if (k < 0 || k >= static_cast<int>(kWholePowersOfTen.size())) {
            return std::nullopt;
        }
        const Wide scaled = Wide{mantissa} * kWholePowersOfTen[static_cast<std::size_t>(k)];
        auto whole = static_cast<std::uint64_t>(scaled >> shift);
        if (whole >= kFifteenDigitCeiling) {
            ++exponent10;
            continue;
        }
        if (whole < kFifteenDigitFloor) {
            --exponent10;
            continue;
        }
        const Wide remainder = scaled & ((Wide{1} << shift) - 1);
        const Wide half = Wide{1} << (shift - 1);
        if (remainder > half || (remainder == half && whole % 2 == 1)) {
            ++whole;
        }
        if (whole == kFifteenDigitCeiling) {
            whole = kFifteenDigitFloor;
            ++exponent10;
        }
        DecimalForm form;
        form.negative = value < 0;
        writeDigits(whole, form.digits);
        form.pointPosition = exponent10 + 1;
        return form;
    }
}

// For a finite value other than 0.
DecimalForm toDecimalForm(double value) {
    if (const std::optional<DecimalForm> form = decimalFormByIntegers(value)) {
        return *form;
    }
    // "-d.ddddddddddddddde-ddd": 32 characters always suffice.
    char buffer[32];
    const std::to_chars_result written =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    const char* next = buffer;
    DecimalForm form;
    if (*next == '-') {
        form.negative = true;
        ++next;
    }
    form.digits[0] = *next;
    next += 2;  // the first digit and the point
    std::copy(next, next + kSignificantDigits - 1, form.digits + 1);
    next += kSignificantDigits;  // the other digits and the "e"
    if (*next == '+') {
        ++next;
    }
    int exponent = 0;
    std::from_chars(next, written.ptr, exponent);
    form.pointPosition = exponent + 1;
    return form;
}

// The number that reading significand * 10^exponent gives, where one correctly rounded operation
// on exact operands yields it (a significand below 2^53, a power of ten up to 10^22); none
// otherwise.
std::optional<double> exactDecimal(std::uint64_t significand, int exponent) {
    static constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                              1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    constexpr int kLargestExactPower = 22;
    if (significand > (std::uint64_t{1} << 53) || exponent > kLargestExactPower ||
        exponent < -kLargestExactPower) {
        return std::nullopt;
    }
    const auto exact = static_cast<double>(significand);
    return exponent >= 0 ? exact * kPowersOfTen[exponent] : exact / kPowersOfTen[-exponent];
}

std::uint64_t wholeNumberOf(const char* digits, int count) {
    std::uint64_t number = 0;
    for (int i = 0; i < count; ++i) {
        number = number * 10 + static_cast<std::uint64_t>(digits[i] - '0');
    }
    return number;
}

enum class TieRule { AwayFromZero, ToEven };

// A magnitude rounded to some decimal places, as a whole number scaled by 10^places: its leading
// digits (no leading zeros; "0" for zero) followed by `zeros` more zeros.
struct ScaledDigits {
    char digits[kSignificantDigits + 1] = {};  // one more for a carry out of the first digit
    int length = 0;
    int zeros = 0;

    bool isZero() const { return length == 1 && digits[0] == '0'; }
    int size() const { return length + zeros; }
    char at(int i) const { return i < length ? digits[i] : '0'; }
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
    const int stream = static_cast<int>(digits.size()) + zeros;
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
    for (int i = 0; i < static_cast<int>(digits.size()); ++i) {
        if (point && i == whole) {
            *out++ = '.';
        }
        *out++ = digits[static_cast<std::size_t>(i)];
    }
    if (point && whole >= static_cast<int>(digits.size())) {
        out[whole - static_cast<int>(digits.size())] = '.';  // the point among the trailing zeros
    }
    return text;
}

// "12345" scaled by 10^3 -> "12.345", "5" -> "0.005"; a minus sign unless the number is zero.
std::string placePoint(bool negative, const ScaledDigits& scaled, int decimals) {
    return decimalText(negative && !scaled.isZero(),
                       {scaled.digits, static_cast<std::size_t>(scaled.length)}, scaled.zeros,
                       scaled.size() - std::max(decimals, 0));
}

// The number that reading a rounded text gives, without reading it where that is exact.
std::optional<double> readsAs(bool negative, const ScaledDigits& scaled, int decimals) {
    const std::optional<double> magnitude =
        exactDecimal(wholeNumberOf(scaled.digits, scaled.length), scaled.zeros - decimals);
    if (!magnitude || *magnitude == 0.0) {
        return magnitude;
    }
    return negative ? -*magnitude : *magnitude;
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

NumberText displayText(bool negative, const ScaledDigits& scaled, int decimals) {
    NumberText written{placePoint(negative, scaled, decimals), {}};
    if (const std::optional<double> exact = readsAs(negative, scaled, decimals)) {
        written.number.value = *exact;
        if (!scaled.isZero()) {
            // An exact decimal with at most 15 digits in the normal range: its 15-digit form is
            // these digits.
            written.number.digits = decimalFormOf(negative, scaled, decimals);
        }
    } else {
        // The text has no blanks and no "+": it is its own leading number.
        written.number.value = parseNumber(written.text);
    }
    return written;
}

double roundOnDecimalForm(double value, int decimals, TieRule rule) {
    if (!std::isfinite(value) || value == 0.0) {
        return value;
    }
    const DecimalForm form = toDecimalForm(value);
    const ScaledDigits scaled = roundedScaledDigits(form, decimals, rule);
    if (const std::optional<double> exact = readsAs(form.negative, scaled, decimals)) {
        return *exact;
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

std::string writeNumber(double value) {
    return plainNumber(value).text;
}

NumberText plainNumber(double value) {
    if (value == 0.0 || !std::isfinite(value)) {
        return {"0", {}};
    }
    const DecimalForm form = toDecimalForm(value);
    int length = kSignificantDigits;
    while (form.digits[length - 1] == '0') {
        --length;
    }
    const int point = form.pointPosition;
    std::string text = decimalText(form.negative, {form.digits, static_cast<std::size_t>(length)},
                                   std::max(point - length, 0), point);
    if (const std::optional<double> magnitude =
            exactDecimal(wholeNumberOf(form.digits, length), point - length)) {
        // An exact decimal in the normal range reads back as a double whose 15-digit form is
        // these digits again.
        return {std::move(text), {form.negative ? -*magnitude : *magnitude, form}};
    }
    // The text has no blanks and no "+": it is its own leading number.
    const double number = parseNumber(text);
    return {std::move(text), {number, {}}};
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
    if (!number.digits) {
        return formattedNumber(number.value, decimals);
    }
    const DecimalForm& form = *number.digits;
    return displayText(form.negative, roundedScaledDigits(form, decimals, TieRule::AwayFromZero),
                       decimals);
}

double roundHalfEven(double value, int decimals) {
    return roundOnDecimalForm(value, decimals, TieRule::ToEven);
}

double roundHalfAwayFromZero(double value) {
    return roundOnDecimalForm(value, 0, TieRule::AwayFromZero);
}

}  // namespace quillon
