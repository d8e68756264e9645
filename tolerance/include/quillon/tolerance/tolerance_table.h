#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillon::tolerance {

// One table of the tolerance database, held in memory, read through a cursor: a current row and a
// selected column. Column names are matched without regard to (ASCII) case, as the database does,
// so "H" selects the column "h". Cells are kept as the text the database gave for them; an empty
// cell (NULL) is the empty text.
class ToleranceTable final {
  public:
    // Every row must hold one cell per column name; throws std::invalid_argument otherwise.
    ToleranceTable(std::string name, std::vector<std::string> columnNames,
                   std::vector<std::vector<std::string>> rows);

    const std::string& name() const { return name_; }
    const std::vector<std::string>& columnNames() const { return columnNames_; }
    std::size_t rowCount() const { return rows_.size(); }
    bool hasColumn(std::string_view columnName) const;

    // The text in the named column of `row` (0 is the first row), read without moving the cursor;
    // nothing when the table has no such column or row.
    std::optional<std::string> valueAt(std::string_view columnName, std::size_t row) const;

    // The current row becomes the first row (row 0).
    void positionOnFirstRow() { currentRow_ = 0; }

    // Advances the current row by n. Moving beyond the last row fails: the cursor then stands
    // after the last row, where every read gives the empty text. A negative n fails and stays.
    bool moveForward(int n);

    // Selects the named column. A name the table does not have fails and leaves no column
    // selected, so that no value of another column can be read by mistake.
    bool selectColumn(std::string_view columnName);

    // The text of the current row in the selected column; empty when no column is selected or the
    // cursor stands after the last row.
    std::string currentValue() const;

    std::size_t currentRow() const { return currentRow_; }
    std::optional<std::size_t> selectedColumn() const { return selectedColumn_; }

  private:
    std::optional<std::size_t> findColumn(std::string_view columnName) const;

    std::string name_;
    std::vector<std::string> columnNames_;
    std::vector<std::vector<std::string>> rows_;
    std::size_t currentRow_ = 0;
    std::optional<std::size_t> selectedColumn_;
};

}  // namespace quillon::tolerance
