#include "test_databases.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include <atomic>
#include <fstream>
#include <sstream>

#include "quillon/tolerance/series_column.h"

namespace quillon::tolerance::testing {

ToleranceTable makeTable(std::string_view name, const std::vector<std::string>& columns, int rows,
                         const CellText& cell) {
    std::vector<std::vector<std::string>> cells;
    for (int r = 0; r < rows; ++r) {
        std::vector<std::string> row;
        for (const auto& column : columns) {
            row.push_back(cell(name, column, r));
        }
        cells.push_back(std::move(row));
    }
    return ToleranceTable(std::string(name), columns, std::move(cells));
}

std::vector<TableShape> completeShapes() {
    std::vector<std::string> series;
    for (const auto column : seriesColumnNames()) {
        series.emplace_back(column);
    }
    return {{std::string(ToleranceDatabase::kSeriesDeviationTable), series, 9},
            {std::string(ToleranceDatabase::kTotalToleranceTable), kGrades, 9},
            {std::string(ToleranceDatabase::kActualToleranceTable), kGrades, 9}};
}

ToleranceDatabase makeDatabase(const CellText& cell) {
    const auto shapes = completeShapes();
    return ToleranceDatabase(makeTable(shapes[0].name, shapes[0].columns, 9, cell),
                             makeTable(shapes[1].name, shapes[1].columns, 9, cell),
                             makeTable(shapes[2].name, shapes[2].columns, 9, cell));
}

std::string makeScript(const std::vector<TableShape>& tables, const CellText& cell) {
    std::ostringstream sql;
    for (const auto& table : tables) {
        sql << "CREATE TABLE \"" << table.name << "\" (";
        for (std::size_t c = 0; c < table.columns.size(); ++c) {
            sql << (c > 0 ? ", " : "") << '"' << table.columns[c] << "\" INTEGER";
        }
        sql << ");\n";
        for (int r = 0; r < table.rows; ++r) {
            sql << "INSERT INTO \"" << table.name << "\" VALUES (";
            for (std::size_t c = 0; c < table.columns.size(); ++c) {
                const std::string text = cell(table.name, table.columns[c], r);
                sql << (c > 0 ? ", " : "") << (text.empty() ? "NULL" : text);
            }
            sql << ");\n";
        }
    }
    return sql.str();
}

TemporaryDirectory::TemporaryDirectory() {
    static std::atomic<int> counter{0};
    const auto base = std::filesystem::temp_directory_path();
    // A new folder each time: one left behind by an earlier process of the same id (Windows
    // reuses ids quickly) is never taken over.
    do {
        path_ = base / ("quillon-tolerance-test-" + std::to_string(::getpid()) + "-" +
                        std::to_string(counter++));
    } while (!std::filesystem::create_directory(path_));
}

TemporaryDirectory::~TemporaryDirectory() {
    namespace fs = std::filesystem;
    std::error_code ignored;
    // Windows removes no read-only file, and some tests make one.
    for (auto it = fs::recursive_directory_iterator(path_, ignored);
         it != fs::recursive_directory_iterator(); it.increment(ignored)) {
        fs::permissions(it->path(), fs::perms::owner_write, fs::perm_options::add, ignored);
    }
    fs::remove_all(path_, ignored);
}

void writeDatabaseFile(const std::filesystem::path& file, const std::string& script) {
    sqlite3* connection = nullptr;
    // SQLite takes UTF-8 names; path::c_str() is UTF-16 on Windows.
    const std::u8string name = file.u8string();
    ASSERT_EQ(sqlite3_open(reinterpret_cast<const char*>(name.c_str()), &connection), SQLITE_OK);
    // Throw-away files: no need to wait for the disk.
    ASSERT_EQ(sqlite3_exec(connection, "PRAGMA synchronous = OFF; PRAGMA journal_mode = MEMORY;",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    char* error = nullptr;
    const int result = sqlite3_exec(connection, script.c_str(), nullptr, nullptr, &error);
    EXPECT_EQ(result, SQLITE_OK) << (error != nullptr ? error : "");
    sqlite3_free(error);
    ASSERT_EQ(sqlite3_close(connection), SQLITE_OK);
}

std::string readFileBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

}  // namespace quillon::tolerance::testing
