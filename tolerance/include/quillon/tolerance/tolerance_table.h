#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillon::tolerance {

// One table of the tolerance database, held in memory and read by column name and row. Column
// names are matched without regard to (ASCII) case, as the database does, so "H" finds the column
// "h". Cells are kept as the text the database gave for them; an empty cell (NULL) is the empty
// text.
class ToleranceTable final {
  public:
    // Every row must hold one cell per column name; throws std::invalid_argument otherwise.
    ToleranceTable(std::string name, std::vector<std::string> columnNames,
                   std::vector<std::vector<std::string>> rows);

    const std::string& name() const { return name_; }
    const std::vector<std::string>& columnNames() const { return columnNames_; }
    std::size_t rowCount() const { return rows_.size(); }
    bool hasColumn(std::string_view columnName) const;

    // The text in the named column of `row` (0 is the first row); nothing when the table has no
    // such column or row.
    std::optional<std::string> valueAt(std::string_view columnName, std::size_t row) const;

  private:
    std::optional<std::size_t> findColumn(std::string_view columnName) const;

    std::string name_;
    std::vector<std::string> columnNames_;
    std::vector<std::vector<std::string>> rows_;
};

}  // namespace quillon::tolerance
