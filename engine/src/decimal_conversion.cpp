#include "decimal_conversion.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>

namespace quillon {
namespace {

constexpr int kSignificantDigits = DecimalForm::kSignificantDigits;

// GCC and clang; __extension__ keeps -Wpedantic quiet.
__extension__ using Wide = unsigned __int128;

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

}  // namespace

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

}  // namespace quillon
