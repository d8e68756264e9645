#include "quillon/tolerance/tolerance_table.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace quillon::tolerance {
namespace {

// SQLite folds only ASCII letters when it compares identifiers; so do we.
char foldAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameColumnName(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) { return foldAscii(x) == foldAscii(y); });
}

}  // namespace

ToleranceTable::ToleranceTable(std::string name, std::vector<std::string> columnNames,
                               std::vector<std::vector<std::string>> rows)
    : name_(std::move(name)), columnNames_(std::move(columnNames)), rows_(std::move(rows)) {
    for (const auto& row : rows_) {
        if (row.size() != columnNames_.size()) {
            throw std::invalid_argument("tolerance table " + name_ +
                                        ": a row does not hold one cell per column");
        }
    }
}

bool ToleranceTable::hasColumn(std::string_view columnName) const {
    return findColumn(columnName).has_value();
}

std::optional<std::string> ToleranceTable::valueAt(std::string_view columnName,
                                                   std::size_t row) const {
    const auto column = findColumn(columnName);
    if (!column || row >= rows_.size()) {
        return std::nullopt;
    }
    return rows_[row][*column];
}

std::optional<std::size_t> ToleranceTable::findColumn(std::string_view columnName) const {
    const auto it = std::ranges::find_if(
        columnNames_, [columnName](const std::string& c) { return sameColumnName(c, columnName); });
    if (it == columnNames_.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(it - columnNames_.begin());
}

}  // namespace quillon::tolerance
