#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "quillon/cli/strict_number.h"

namespace {

using quillon::cli::strictNumber;

TEST(StrictNumber, AcceptsPlainDecimalsOnly) {
    struct Case {
        std::string text;
        std::optional<double> value;
    };
    const Case cases[] = {
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
        {"1e-400", 0.0},
        {"1e0000000000000000000001", 10.0},
        {"0e999999999999", 0.0},
        {"", std::nullopt},
        {" 20", std::nullopt},
        {"20 ", std::nullopt},
        {"20abc", std::nullopt},
        {"abc", std::nullopt},
        {"inf", std::nullopt},
        {"-nan", std::nullopt},
        {"0x14", std::nullopt},
        {"1e", std::nullopt},
        {"1e+", std::nullopt},
        {".", std::nullopt},
        {"-", std::nullopt},
        {"+-1", std::nullopt},
        {"--1", std::nullopt},
        {"1.2.3", std::nullopt},
        {"1,5", std::nullopt},
        {"1 000", std::nullopt},
        {"1e5.0", std::nullopt},
        {"e5", std::nullopt},
        {"２０", std::nullopt},
        {"1e309", std::nullopt},
        {"-1e309", std::nullopt},
        {"1000e306", std::nullopt},
        {std::string("1\0", 2), std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(strictNumber(c.text), c.value) << c.text;
    }
    EXPECT_TRUE(std::signbit(*strictNumber("-1e-400")));
}

}  // namespace
