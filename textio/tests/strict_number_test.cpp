#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "quillon/textio/strict_number.h"

namespace {

using quillon::textio::strictNumber;
using quillon::textio::trimBlanks;

TEST(StrictNumber, AcceptsPlainDecimalsOnly) {
    struct Case {
        std::string text;
        std::optional<double> value;
    };
    const Case accepted[] = {
        {"20", 20.0},
        {"-1.25e3", -1250.0},
        {"+0.5", 0.5},
        {".5", 0.5},
        {"20.", 20.0},
        {"1E-3", 0.001},
        {"0.1", 0.1},
        {"00012.500", 12.5},
        {"2.0000000000000000000000000001", 2.0},
        {"1.7976931348623157e308", std::numeric_limits<double>::max()},
        {"4.9406564584124654e-324", std::numeric_limits<double>::denorm_min()},
        {"1e0000000000000000000001", 10.0},
        {"0e999999999999", 0.0},
    };
    for (const Case& c : accepted) {
        EXPECT_EQ(strictNumber(c.text), c.value) << c.text;
    }
    EXPECT_TRUE(std::signbit(*strictNumber("-0e-400")));

    const std::string refused[] = {"",          " 20",
                                   "20 ",       "20abc",
                                   "abc",       "inf",
                                   "-nan",      "0x14",
                                   "1e",        "1e+",
                                   ".",         "-",
                                   "+-1",       "--1",
                                   "1.2.3",     "1,5",
                                   "1 000",     "1e5.0",
                                   "e5",        "２０",
                                   "1e309",     "-1e309",
                                   "1000e306",  "1e-400",
                                   "-2.5e-330", std::string("1\0", 2)};
    for (const std::string& text : refused) {
        EXPECT_EQ(strictNumber(text), std::nullopt) << text;
    }
}

TEST(StrictNumber, TypedFieldsLoseTheirBlanksFirst) {
    EXPECT_EQ(strictNumber(trimBlanks(" \t1.5 \r\n")), 1.5);
    EXPECT_EQ(trimBlanks("  "), "");
    EXPECT_EQ(strictNumber(trimBlanks("1 2")), std::nullopt);
}

}  // namespace
