#include "decimal_conversion.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>

namespace quillon::engine {
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

// "00" to "99", two characters each.
constexpr auto kDigitPairs = [] {
    std::array<char, 200> pairs{};
    for (std::size_t i = 0; i < 100; ++i) {
        pairs[2 * i] = static_cast<char>('0' + i / 10);
        pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
    }
    return pairs;
}();

// The two digits of `whole` at kPlace and ten times kPlace. The place is a constant, so the
// division becomes a multiplication.
template <std::uint64_t kPlace>
void writePair(std::uint64_t whole, char* digits) {
    const std::size_t pair = whole / kPlace % 100;
    digits[0] = kDigitPairs[2 * pair];
    digits[1] = kDigitPairs[2 * pair + 1];
}

// The 15 digits of a whole number below 10^15: the first digit, then seven pairs, each cut out
// on its own so that the processor can take them side by side.
void writeDigits(std::uint64_t whole, char* digits) {
    digits[0] = static_cast<char>('0' + whole / 100'000'000'000'000);
    writePair<1'000'000'000'000>(whole, digits + 1);
    writePair<10'000'000'000>(whole, digits + 3);
    writePair<100'000'000>(whole, digits + 5);
    writePair<1'000'000>(whole, digits + 7);
    writePair<10'000>(whole, digits + 9);
    writePair<100>(whole, digits + 11);
    writePair<1>(whole, digits + 13);
}

// The 15 significant digits of a value by exact integer arithmetic, for the magnitudes fields
// usually hold (from about 1e-5 up to 2^53): |value| * 10^k = mantissa * 10^k / 2^shift, rounded to
// a whole number half to even, as a correctly rounded printf does. False outside that range.
bool decimalFormByIntegers(double value, DecimalForm& form) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const int biasedExponent = static_cast<int>((bits >> 52) & 0x7ff);
    if (biasedExponent == 0) {
        return false;  // subnormal
    }
    constexpr std::uint64_t kHiddenBit = std::uint64_t{1} << 52;
    const std::uint64_t mantissa = (bits & (kHiddenBit - 1)) | kHiddenBit;
    const int shift = 1075 - biasedExponent;  // |value| = mantissa / 2^shift
    if (shift < 1 || shift > 120) {
        return false;
    }
    // floor(log10 |value|) to within one: 1233 / 4096 is just above log10(2).
    int exponent10 = ((biasedExponent - 1023) * 1233) >> 12;
    for (;;) {
        const int k = kSignificantDigits - 1 - exponent10;
        if (k < 0 || k >= static_cast<int>(kWholePowersOfTen.size())) {
            return false;
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
        form.negative = value < 0;
        writeDigits(whole, form.digits);
        form.pointPosition = exponent10 + 1;
        return true;
    }
}

constexpr int kLargestExactPowerOfTen = 22;  // 5^22 < 2^53
constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                   1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The whole number the 15 digits spell. Each run of five digits is a chain of multiply-adds of
// its own, joined at the end: shorter chains than one over all fifteen.
std::uint64_t wholeNumberOf(const char* digits) {
    constexpr int kRun = 5;
    std::uint64_t number = 0;
    for (int i = 0; i < kSignificantDigits; i += kRun) {
        std::uint64_t run = 0;
        for (int j = i; j < i + kRun; ++j) {
            run = run * 10 + static_cast<std::uint64_t>(digits[j] - '0');
        }
        number = number * 100'000 + run;
    }
    return number;
}

}  // namespace

DecimalForm toDecimalForm(double value) {
    DecimalForm form;
    if (decimalFormByIntegers(value, form)) {
        return form;
    }
    // "-d.ddddddddddddddde-ddd": 32 characters always suffice.
    char buffer[32];
    const std::to_chars_result written =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    const char* next = buffer;
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

bool isExactDecimal(const DecimalForm& form) {
    const int exponent = form.pointPosition - kSignificantDigits;
    return exponent >= -kLargestExactPowerOfTen && exponent <= kLargestExactPowerOfTen;
}

double exactValueOf(const DecimalForm& form) {
    // 15 digits stay below 2^53, so the whole number converts exactly, and so does the power.
    const auto whole = static_cast<double>(wholeNumberOf(form.digits));
    const int exponent = form.pointPosition - kSignificantDigits;
    const double magnitude =
        exponent >= 0 ? whole * kPowersOfTen[exponent] : whole / kPowersOfTen[-exponent];
    return form.negative ? -magnitude : magnitude;
}

}  // namespace quillon::engine
