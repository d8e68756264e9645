#include "quillon/tolerance/tolerance_row.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>

namespace quillon::tolerance {
namespace {

struct RowCase {
    double module;
    double diameter;
    std::optional<int> row;
};

TEST(ToleranceRow, FollowsTheRowTableAtEveryBoundary) {
    constexpr auto none = std::nullopt;
    const RowCase cases[] = {
        // diameter classes in module group 0; each boundary belongs to the lower class
        {1.25, 0, 0},
        {1.25, 12, 0},
        {1.25, 13, 1},
        {1.25, 25, 1},
        {1.25, 26, 2},
        {1.25, 50, 2},
        {1.25, 51, 3},
        {1.25, 100, 3},
        {1.25, 101, 4},
        {1.25, 200, 4},
        {1.25, 201, 5},
        {1.25, 400, 5},
        {1.25, 401, 6},
        {1.25, 5000, 6},
        // module groups and their ends
        {0.5, 10, 0},
        {1.5, 10, 0},
        {1.75, 10, 1},
        {2, 10, 1},
        {4, 10, 1},
        {4, 401, 7},
        {5, 13, 3},
        {10, 13, 3},
        {8, 400, 7},
        {8, 401, 8},
        {10, 450, 8},
        // the largest modules have no row for D <= 12
        {5, 12, none},
        {10, 1, none},
        // modules outside the groups
        {0.49, 10, none},
        {1.6, 10, none},
        {1.74, 10, none},
        {4.5, 10, none},
        {4.99, 10, none},
        {10.01, 10, none},
        {0, 10, none},
        {-1.25, 10, none},
        {std::numeric_limits<double>::quiet_NaN(), 10, none},
        // a diameter that is no size at all
        {1.25, std::numeric_limits<double>::infinity(), none},
        {1.25, std::numeric_limits<double>::quiet_NaN(), none},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(toleranceRow(c.module, c.diameter), c.row)
            << "m = " << c.module << ", D = " << c.diameter;
    }
}

}  // namespace
}  // namespace quillon::tolerance
