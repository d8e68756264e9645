#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "quillon/tolerance/tolerance_database.h"

namespace quillon::tolerance::testing {

// The text of one cell, from table name, column name and row number.
using CellText =
    std::function<std::string(std::string_view table, std::string_view column, int row)>;

inline const std::vector<std::string> kGrades = {"5", "6", "7", "8", "9", "10", "11", "12"};

// A database held in memory: the 23 series columns, the grades "5" ... "12", `rows` rows.
ToleranceDatabase makeDatabase(const CellText& cell);
ToleranceTable makeTable(std::string_view name, const std::vector<std::string>& columns, int rows,
                         const CellText& cell);

// An SQL script creating the three tables with the given columns and rows.
struct TableShape {
    std::string name;
    std::vector<std::string> columns;
    int rows = 9;
};
std::string makeScript(const std::vector<TableShape>& tables, const CellText& cell);
std::vector<TableShape> completeShapes();

// A directory of its own under the system's temporary directory, removed with everything in it.
class TemporaryDirectory final {
  public:
    TemporaryDirectory();
    ~TemporaryDirectory();
    TemporaryDirectory(const TemporaryDirectory&) = delete;
    TemporaryDirectory& operator=(const TemporaryDirectory&) = delete;
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

// Runs `script` into a new SQLite file; fails the test on an SQL error.
void writeDatabaseFile(const std::filesystem::path& file, const std::string& script);

std::string readFileBytes(const std::filesystem::path& file);

}  // namespace quillon::tolerance::testing
