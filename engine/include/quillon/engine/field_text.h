#pragma once

#include <optional>
#include <string>
#include <string_view>

// Numbers live as the texts of the window's fields. These functions are the one place where text
// becomes a number and a number becomes text, whatever the locale: "." is always the decimal point.
namespace quillon::engine {

// The leading-number rule: blanks, tabs and line feeds are skipped wherever they stand, then an
// optional sign, digits with one "." and an optional exponent are read up to the first other
// character. A text without a leading number reads as 0 ("12abc" -> 12, "1 2" -> 12, "abc" -> 0).
// A number too large for a double reads as +/-infinity, which the first step using it rejects.
double readNumber(std::string_view text);

// Plain decimal text of a finite value with up to 15 significant digits, no trailing zeros and
// never an exponent: 20 -> "20", 0.1 + 0.2 -> "0.3", -0.0 -> "0". readNumber reads it back as the
// value rounded to 15 significant digits.
std::string writeNumber(double value);

// Display format with exactly `decimals` decimals ("0.000" is 3, "0.00000" is 5, "0" is 0). The
// rounding works on the value's 15-significant-digit decimal form and goes half away from zero
// (1.0005 -> "1.001", 3.5 -> "4"); a value that rounds to zero carries no minus sign.
std::string formatNumber(double value, int decimals);

// A finite value other than zero in decimal scientific form with 15 significant digits, as the
// display formats round it: +/-0.d1d2...d15 * 10^pointPosition, d1 never 0.
struct DecimalForm {
    static constexpr int kSignificantDigits = 15;

    bool negative = false;
    char digits[kSignificantDigits] = {};
    int pointPosition = 0;  // digits before the decimal point (may be <= 0)
};

// The number a field's text reads as: where the text holds an exact decimal of at most 15
// significant digits in the usual magnitudes (about 1e-8 to 1e37), those digits, from which the
// number follows exactly when it is needed and a display format starts without converting again;
// otherwise the number itself.
class FieldNumber {
  public:
    FieldNumber() = default;
    explicit FieldNumber(double value) : value_(value) {}
    explicit FieldNumber(const DecimalForm& digits) : digits_(digits) {}

    double value() const;
    const std::optional<DecimalForm>& digits() const { return digits_; }

  private:
    double value_ = 0;
    std::optional<DecimalForm> digits_;
};

// A number written as text, and the number that reading the text gives back:
// readNumber(text) == number.value().
struct NumberText {
    std::string text;
    FieldNumber number;
};

// writeNumber's text with its number (the value rounded to 15 significant digits).
NumberText plainNumber(double value);

// formatNumber's text with its number; fails as formatNumber does.
NumberText formattedNumber(double value, int decimals);

// The display format of a field's number: the same text as formattedNumber(number.value(),
// decimals), from the digits the field already holds where it has them.
NumberText formattedNumber(const FieldNumber& number, int decimals);

// Rounds to `decimals` places on the 15-significant-digit decimal form, ties to the even
// neighbour (3.4949999999999997 counts as 3.495 and becomes 3.50).
double roundHalfEven(double value, int decimals);

// Rounds to a whole number on the 15-significant-digit decimal form, halves away from zero.
double roundHalfAwayFromZero(double value);

}  // namespace quillon::engine
