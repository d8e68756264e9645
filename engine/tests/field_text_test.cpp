#include "quillon/engine/field_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <string>

#include "quillon/engine/arithmetic_failure.h"

namespace quillon::engine {
namespace {

struct ReadCase {
    const char* text;
    double value;
};

class LeadingNumber : public testing::TestWithParam<ReadCase> {};

TEST_P(LeadingNumber, ReadsTheLeadingNumberOnly) {
    EXPECT_EQ(readNumber(GetParam().text), GetParam().value) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LeadingNumber,
    testing::Values(ReadCase{"12abc", 12}, ReadCase{"1 2", 12}, ReadCase{" \t-1.5e1x", -15},
                    ReadCase{"abc", 0}, ReadCase{"", 0}, ReadCase{"  ", 0}, ReadCase{"-", 0},
                    ReadCase{".", 0}, ReadCase{".5", 0.5}, ReadCase{"5.", 5}, ReadCase{"+2.5", 2.5},
                    ReadCase{"1\n0", 10}, ReadCase{"2e", 2}, ReadCase{"2e+", 2},
                    ReadCase{"2E-3", 0.002}, ReadCase{"1.2.3", 1.2}, ReadCase{"30°", 30},
                    ReadCase{"--1", 0}, ReadCase{"0.2 ", 0.2}, ReadCase{"1,5", 1},
                    ReadCase{"1e-400", 0}, ReadCase{"\r5", 0}, ReadCase{"十", 0},
                    ReadCase{"- 3", -3}));

TEST(LeadingNumber, OverflowReadsAsInfinityForTheStepToReject) {
    EXPECT_EQ(readNumber("1e999"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(readNumber("-1e999"), -std::numeric_limits<double>::infinity());
}

struct FormatCase {
    double value;
    int decimals;
    const char* text;
};

class DisplayFormat : public testing::TestWithParam<FormatCase> {};

TEST_P(DisplayFormat, RoundsTheFifteenDigitFormHalfAwayFromZero) {
    EXPECT_EQ(formatNumber(GetParam().value, GetParam().decimals), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, DisplayFormat,
    testing::Values(FormatCase{1.0005, 3, "1.001"}, FormatCase{0.5625, 3, "0.563"},
                    FormatCase{3.5, 0, "4"}, FormatCase{2.5, 0, "3"}, FormatCase{-2.5, 0, "-3"},
                    FormatCase{-1.0005, 3, "-1.001"}, FormatCase{0, 3, "0.000"},
                    FormatCase{-0.0, 3, "0.000"}, FormatCase{-0.0004, 3, "0.000"},
                    FormatCase{-0.0005, 3, "-0.001"}, FormatCase{0.2, 5, "0.20000"},
                    FormatCase{20, 3, "20.000"}, FormatCase{9.9995, 3, "10.000"},
                    FormatCase{999.9996, 3, "1000.000"}, FormatCase{0.0004999, 3, "0.000"},
                    FormatCase{0.4, 0, "0"}, FormatCase{1e20, 3, "100000000000000000000.000"},
                    FormatCase{1.23456789012345678e-7, 3, "0.000"}, FormatCase{41.8, 3, "41.800"},
                    FormatCase{0.7, 0, "1"}));

TEST(DisplayFormat, RefusesWhatIsNotANumber) {
    EXPECT_THROW(formatNumber(std::numeric_limits<double>::infinity(), 3), ArithmeticFailure);
    EXPECT_THROW(formatNumber(std::nan(""), 3), ArithmeticFailure);
}

struct WriteCase {
    double value;
    const char* text;
};

class PlainText : public testing::TestWithParam<WriteCase> {};

TEST_P(PlainText, HasFifteenSignificantDigitsAndNoExponent) {
    EXPECT_EQ(writeNumber(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, PlainText,
    testing::Values(WriteCase{20, "20"}, WriteCase{0.1 + 0.2, "0.3"}, WriteCase{-0.0, "0"},
                    WriteCase{0, "0"}, WriteCase{1.0 / 3, "0.333333333333333"},
                    WriteCase{-2.0 / 3, "-0.666666666666667"}, WriteCase{1e-7, "0.0000001"},
                    WriteCase{1.5e16, "15000000000000000"}, WriteCase{2.165, "2.165"},
                    WriteCase{1.25 * 1.732, "2.165"}, WriteCase{0.5 * 1.44, "0.72"},
                    // Exact ties at the 16th digit go to the even neighbour.
                    WriteCase{100000000000000.5, "100000000000000"},
                    WriteCase{100000000000001.5, "100000000000002"},
                    WriteCase{999999999999999.5, "1000000000000000"}));

TEST(HalfEvenRounding, DecidesOnTheFifteenDigitForm) {
    EXPECT_EQ(roundHalfEven(3.4949999999999997, 2), 3.5);
    EXPECT_EQ(roundHalfEven(3.485, 2), 3.48);
    EXPECT_EQ(roundHalfEven(3.4967, 2), 3.5);
    EXPECT_EQ(roundHalfEven(-3.495, 2), -3.5);
    EXPECT_EQ(roundHalfAwayFromZero(12.5), 13);
    EXPECT_EQ(roundHalfAwayFromZero(12.49), 12);
    EXPECT_EQ(roundHalfAwayFromZero(-12.5), -13);
}

// Property: the writer's text reads back as the value rounded to 15 significant digits, and
// writing that value again gives the same text.
TEST(PlainText, RoundTripsThroughTheReader) {
    std::mt19937_64 random(20261207);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> exponent(-40, 40);
    for (int i = 0; i < 20000; ++i) {
        const double value = mantissa(random) * std::pow(10.0, exponent(random));
        const std::string text = writeNumber(value);
        ASSERT_EQ(text.find_first_of("eE"), std::string::npos) << text;
        char expected[64];
        std::snprintf(expected, sizeof expected, "%.14e", value);
        const double rounded = std::strtod(expected, nullptr);
        const double back = readNumber(text);
        ASSERT_EQ(back, rounded) << text;
        ASSERT_EQ(writeNumber(back), text);
    }
}

// Property: a written number carries exactly the number its text reads as, and formatting it again
// from the digits it carries gives what formatting the bare value gives.
TEST(NumberText, CarriesTheNumberItsTextReadsAs) {
    std::mt19937_64 random(20261208);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> exponent(-330, 310);
    for (int i = 0; i < 20000; ++i) {
        // Half of the values in the magnitudes of splines, half anywhere a double reaches.
        const int power = i % 2 == 0 ? exponent(random) % 12 : exponent(random);
        const double value = mantissa(random) * std::pow(10.0, power);
        if (!std::isfinite(value)) {
            continue;
        }
        const NumberText plain = plainNumber(value);
        ASSERT_EQ(plain.text, writeNumber(value));
        ASSERT_EQ(readNumber(plain.text), plain.number.value()) << plain.text;
        for (int decimals : {0, 3, 5}) {
            const NumberText shown = formattedNumber(value, decimals);
            ASSERT_EQ(readNumber(shown.text), shown.number.value()) << shown.text;
            const NumberText again = formattedNumber(plain.number, decimals);
            ASSERT_EQ(again.text, formatNumber(plain.number.value(), decimals)) << plain.text;
            ASSERT_EQ(again.number.value(), readNumber(again.text)) << again.text;
        }
    }
}

}  // namespace
}  // namespace quillon::engine
