#include "quillon/tolerance/tolerance_database.h"

#include "quillon/tolerance/series_column.h"

#include <sqlite3.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "quillon/tolerance/tolerance_database_error.h"

namespace quillon::tolerance {
namespace {

struct ConnectionCloser {
    void operator()(sqlite3* connection) const { sqlite3_close(connection); }
};
struct StatementFinalizer {
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using Connection = std::unique_ptr<sqlite3, ConnectionCloser>;
using Statement = std::unique_ptr<sqlite3_stmt, StatementFinalizer>;

std::string tableLabel(std::string_view tableName) {
    return "table \"" + std::string(tableName) + "\"";
}

// Reads the first rows of one table in stored (rowid) order. The statement is built from the
// fixed table names only; columns are matched afterwards in memory, so no text typed by the user
// ever reaches SQL.
ToleranceTable readTable(sqlite3* connection, std::string_view tableName) {
    const std::string sql = "SELECT * FROM \"" + std::string(tableName) + "\" ORDER BY rowid";
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(connection, sql.c_str(), -1, &raw, nullptr) != SQLITE_OK) {
        const std::string reason = sqlite3_errmsg(connection);
        sqlite3_finalize(raw);
        throw ToleranceDatabaseError("cannot read " + tableLabel(tableName) + ": " + reason);
    }
    const Statement statement(raw);

    const int columnCount = sqlite3_column_count(raw);
    std::vector<std::string> columnNames;
    for (int c = 0; c < columnCount; ++c) {
        const char* name = sqlite3_column_name(raw, c);
        columnNames.emplace_back(name != nullptr ? name : "");
    }

    std::vector<std::vector<std::string>> rows;
    while (rows.size() < ToleranceDatabase::kRowCount) {
        const int step = sqlite3_step(raw);
        if (step == SQLITE_DONE) {
            break;
        }
        if (step != SQLITE_ROW) {
            throw ToleranceDatabaseError("cannot read " + tableLabel(tableName) + ": " +
                                         sqlite3_errmsg(connection));
        }
        std::vector<std::string> row;
        row.reserve(static_cast<std::size_t>(columnCount));
        for (int c = 0; c < columnCount; ++c) {
            const auto* text = sqlite3_column_text(raw, c);
            const int bytes = sqlite3_column_bytes(raw, c);
            row.emplace_back(text != nullptr ? std::string(reinterpret_cast<const char*>(text),
                                                           static_cast<std::size_t>(bytes))
                                             : std::string());
        }
        rows.push_back(std::move(row));
    }
    return ToleranceTable(std::string(tableName), std::move(columnNames), std::move(rows));
}

void requireRows(const ToleranceTable& table) {
    if (table.rowCount() < ToleranceDatabase::kRowCount) {
        throw ToleranceDatabaseError(tableLabel(table.name()) + " has " +
                                     std::to_string(table.rowCount()) + " rows, needs " +
                                     std::to_string(ToleranceDatabase::kRowCount));
    }
}

// Every grade offered by one tolerance table must be offered by the other as well.
void requireColumnsOf(const ToleranceTable& from, const ToleranceTable& in) {
    for (const auto& column : from.columnNames()) {
        if (!in.hasColumn(column)) {
            throw ToleranceDatabaseError(tableLabel(in.name()) + " has no grade column \"" +
                                         column + "\" that " + tableLabel(from.name()) + " has");
        }
    }
}

}  // namespace

ToleranceDatabase::ToleranceDatabase(ToleranceTable seriesDeviations,
                                     ToleranceTable totalTolerances,
                                     ToleranceTable actualTolerances)
    : seriesDeviations_(std::move(seriesDeviations)),
      totalTolerances_(std::move(totalTolerances)),
      actualTolerances_(std::move(actualTolerances)) {
    requireRows(seriesDeviations_);
    requireRows(totalTolerances_);
    requireRows(actualTolerances_);
    for (const std::string_view column : seriesColumnNames()) {
        if (!seriesDeviations_.hasColumn(column)) {
            throw ToleranceDatabaseError(tableLabel(seriesDeviations_.name()) +
                                         " has no series column \"" + std::string(column) + "\"");
        }
    }
    if (totalTolerances_.columnNames().empty()) {
        throw ToleranceDatabaseError(tableLabel(totalTolerances_.name()) + " has no grade column");
    }
    requireColumnsOf(totalTolerances_, actualTolerances_);
    requireColumnsOf(actualTolerances_, totalTolerances_);
}

ToleranceDatabase ToleranceDatabase::load(const std::filesystem::path& file) {
    const std::u8string utf8Path = file.u8string();
    sqlite3* raw = nullptr;
    const int opened = sqlite3_open_v2(reinterpret_cast<const char*>(utf8Path.c_str()), &raw,
                                       SQLITE_OPEN_READONLY, nullptr);
    const Connection connection(raw);
    if (opened != SQLITE_OK) {
        throw ToleranceDatabaseError(
            "cannot open " + file.string() + ": " +
            (raw != nullptr ? sqlite3_errmsg(raw) : sqlite3_errstr(opened)));
    }
    // Read all three before checking any, then the file is closed when `connection` goes.
    auto seriesDeviations = readTable(raw, kSeriesDeviationTable);
    auto totalTolerances = readTable(raw, kTotalToleranceTable);
    auto actualTolerances = readTable(raw, kActualToleranceTable);
    return ToleranceDatabase(std::move(seriesDeviations), std::move(totalTolerances),
                             std::move(actualTolerances));
}

}  // namespace quillon::tolerance
