#include "quillon/tolerance/tolerance_table.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace quillon::tolerance {
namespace {

// Nine rows; the cell of row r in column c reads "<c><r>" ("h0", "F15").
ToleranceTable lettersTable() {
    const std::vector<std::string> columns = {"F1", "h", "9"};
    std::vector<std::vector<std::string>> rows;
    for (int r = 0; r < 9; ++r) {
        std::vector<std::string> row;
        for (const auto& c : columns) {
            row.push_back(c + std::to_string(r));
        }
        rows.push_back(row);
    }
    return ToleranceTable("t", columns, rows);
}

TEST(ToleranceTable, ReadsNothingBeforeAColumnIsSelected) {
    auto table = lettersTable();
    EXPECT_EQ(table.currentRow(), 0u);
    EXPECT_EQ(table.currentValue(), "");
    EXPECT_TRUE(table.moveForward(3));
    EXPECT_EQ(table.currentValue(), "");
}

TEST(ToleranceTable, MatchesColumnNamesWithoutRegardToCase) {
    struct Case {
        const char* name;
        const char* value;
    };
    for (const Case c : {Case{"h", "h0"}, Case{"H", "h0"}, Case{"F1", "F10"}, Case{"f1", "F10"},
                         Case{"9", "90"}}) {
        auto table = lettersTable();
        EXPECT_TRUE(table.selectColumn(c.name)) << c.name;
        EXPECT_EQ(table.currentValue(), c.value) << c.name;
    }
}

TEST(ToleranceTable, UnknownColumnSelectsNothingRatherThanKeepingTheLastOne) {
    auto table = lettersTable();
    ASSERT_TRUE(table.selectColumn("h"));
    for (const char* name : {"x", "h ", " h", "", "F", "9\"; DROP TABLE t; --"}) {
        EXPECT_FALSE(table.selectColumn(name)) << name;
        EXPECT_EQ(table.currentValue(), "") << name;
        EXPECT_FALSE(table.selectedColumn().has_value());
    }
}

TEST(ToleranceTable, MovesForwardFromTheCurrentRowAndBackToTheFirst) {
    auto table = lettersTable();
    ASSERT_TRUE(table.selectColumn("h"));
    EXPECT_TRUE(table.moveForward(8));
    EXPECT_EQ(table.currentValue(), "h8");  // the ninth row

    table.positionOnFirstRow();
    EXPECT_TRUE(table.moveForward(2));
    EXPECT_TRUE(table.moveForward(3));
    EXPECT_EQ(table.currentValue(), "h5");
    EXPECT_TRUE(table.moveForward(0));
    EXPECT_EQ(table.currentValue(), "h5");

    table.positionOnFirstRow();
    EXPECT_EQ(table.currentValue(), "h0");
}

TEST(ToleranceTable, MovingPastTheLastRowFailsAndReadsNothing) {
    auto table = lettersTable();
    ASSERT_TRUE(table.selectColumn("h"));
    ASSERT_TRUE(table.moveForward(5));
    EXPECT_FALSE(table.moveForward(4));
    EXPECT_EQ(table.currentValue(), "");
    EXPECT_FALSE(table.moveForward(1));  // stays after the last row

    table.positionOnFirstRow();
    EXPECT_FALSE(table.moveForward(-1));
    EXPECT_EQ(table.currentValue(), "h0");
}

TEST(ToleranceTable, RejectsRowsThatDoNotFitTheColumns) {
    EXPECT_THROW(ToleranceTable("t", {"a", "b"}, {{"1", "2"}, {"3"}}), std::invalid_argument);
}

}  // namespace
}  // namespace quillon::tolerance
