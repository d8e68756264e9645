#include "quillon/tolerance/tolerance_table.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <optional>
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

TEST(ToleranceTable, ReadsByColumnNameWithoutRegardToCaseAndByRow) {
    struct Case {
        const char* column;
        std::size_t row;
        std::optional<std::string> value;
    };
    const auto table = lettersTable();
    for (const Case& c : {
             Case{"h", 0, "h0"},
             Case{"H", 8, "h8"},  // the ninth and last row
             Case{"f1", 5, "F15"},
             Case{"9", 3, "93"},
             Case{"h", 9, std::nullopt},  // past the last row
             Case{"x", 0, std::nullopt},
             Case{"h ", 0, std::nullopt},  // no trimming: a near name is another name
             Case{"F", 0, std::nullopt},   // nor prefix matching
             Case{"", 0, std::nullopt},
             Case{"9\"; DROP TABLE t; --", 0, std::nullopt},
         }) {
        EXPECT_EQ(table.valueAt(c.column, c.row), c.value) << c.column << " row " << c.row;
        if (c.row == 0) {
            EXPECT_EQ(table.hasColumn(c.column), c.value.has_value()) << c.column;
        }
    }
}

TEST(ToleranceTable, RejectsRowsThatDoNotFitTheColumns) {
    EXPECT_THROW(ToleranceTable("t", {"a", "b"}, {{"1", "2"}, {"3"}}), std::invalid_argument);
}

}  // namespace
}  // namespace quillon::tolerance
