#include "quillon/tolerance/tolerance_database.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "quillon/tolerance/open_tolerance_database.h"
#include "quillon/tolerance/tolerance_database_error.h"
#include "test_databases.h"

namespace quillon::tolerance {
namespace {

namespace fs = std::filesystem;
using testing::completeShapes;
using testing::makeScript;
using testing::TableShape;
using testing::TemporaryDirectory;
using testing::writeDatabaseFile;

// Distinct values: 1000 * (table index) + 100 * (row) + column position.
std::string distinctCell(std::string_view table, std::string_view column, int row) {
    const int tableIndex = table == ToleranceDatabase::kSeriesDeviationTable  ? 1
                           : table == ToleranceDatabase::kTotalToleranceTable ? 2
                                                                              : 3;
    int position = 0;
    for (const auto& shape : completeShapes()) {
        if (shape.name == table) {
            position = static_cast<int>(
                std::find(shape.columns.begin(), shape.columns.end(), std::string(column)) -
                shape.columns.begin());
        }
    }
    return std::to_string(1000 * tableIndex + 100 * row + position);
}

fs::path writeDatabase(const TemporaryDirectory& dir, const std::vector<TableShape>& shapes) {
    const auto file = dir.path() / "db1.mdb";
    writeDatabaseFile(file, makeScript(shapes, distinctCell));
    return file;
}

#ifdef __linux__
// How many descriptors of this process refer to `file`: the database must be closed after loading.
int openDescriptorsOf(const fs::path& file) {
    int count = 0;
    const auto target = fs::canonical(file);
    for (const auto& entry : fs::directory_iterator("/proc/self/fd")) {
        std::error_code error;
        if (fs::read_symlink(entry.path(), error) == target) {
            ++count;
        }
    }
    return count;
}
#endif

TEST(ToleranceDatabase, LoadsTheThreeTablesInStoredRowOrderAndClosesTheFile) {
    const TemporaryDirectory dir;
    const auto file = writeDatabase(dir, completeShapes());
    const auto bytesBefore = testing::readFileBytes(file);

    std::string reason;
    auto database = openToleranceDatabase(dir.path(), &reason);
    ASSERT_TRUE(database.has_value()) << reason;

    const auto& series = database->seriesDeviations();
    EXPECT_EQ(series.name(), "公差代号");
    EXPECT_EQ(database->totalTolerances().name(), "T值");
    EXPECT_EQ(database->actualTolerances().name(), "TE值");
    EXPECT_EQ(series.columnNames().size(), 23u);
    EXPECT_EQ(database->totalTolerances().columnNames(), testing::kGrades);

    EXPECT_EQ(series.valueAt("H", 0), "1002");
    EXPECT_EQ(series.valueAt("H", 8), "1802");
    EXPECT_EQ(database->actualTolerances().valueAt("12", 4), "3407");
    EXPECT_EQ(series.valueAt("H", 9), std::nullopt);
    EXPECT_EQ(series.valueAt("X", 0), std::nullopt);

    // Read-only: the file is unchanged, no journal was left beside it, nothing holds it open.
    EXPECT_EQ(testing::readFileBytes(file), bytesBefore);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
#ifdef __linux__
    EXPECT_EQ(openDescriptorsOf(file), 0);
#endif
}

TEST(ToleranceDatabase, KeepsOnlyTheNineRowsItReadsAndAcceptsFurtherColumns) {
    const TemporaryDirectory dir;
    auto shapes = completeShapes();
    shapes[0].rows = 12;
    shapes[1].columns.push_back("备注");
    shapes[2].columns.push_back("备注");
    const auto database = ToleranceDatabase::load(writeDatabase(dir, shapes));
    EXPECT_EQ(database.seriesDeviations().rowCount(), 9u);
    EXPECT_TRUE(database.totalTolerances().hasColumn("备注"));
}

TEST(ToleranceDatabase, LoadsAReadOnlyFile) {
    const TemporaryDirectory dir;
    const auto file = writeDatabase(dir, completeShapes());
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_TRUE(openToleranceDatabase(dir.path()).has_value());
}

// Whatever is wrong with db1.mdb, the program gets no database and a reason, never half of one.
TEST(ToleranceDatabase, RefusesAnythingButACompleteToleranceDatabase) {
    struct Case {
        const char* what;
        std::function<void(const fs::path& file)> make;
    };
    const auto withShapes = [](auto change) {
        return [change](const fs::path& file) {
            auto shapes = completeShapes();
            change(shapes);
            writeDatabaseFile(file, makeScript(shapes, distinctCell));
        };
    };
    const Case cases[] = {
        {"missing", [](const fs::path&) {}},
        {"a directory", [](const fs::path& file) { fs::create_directory(file); }},
        {"empty file", [](const fs::path& file) { std::ofstream{file}; }},
        {"not a database",
         [](const fs::path& file) { std::ofstream{file} << "Standard Jet DB, not really"; }},
        {"damaged",
         [](const fs::path& file) {
             writeDatabaseFile(file, makeScript(completeShapes(), distinctCell));
             fs::resize_file(file, 1024);
         }},
        {"table missing", withShapes([](auto& shapes) { shapes.pop_back(); })},
        {"series column missing", withShapes([](auto& shapes) { shapes[0].columns.pop_back(); })},
        {"eight rows", withShapes([](auto& shapes) { shapes[1].rows = 8; })},
        {"grade only in T值", withShapes([](auto& shapes) { shapes[1].columns.push_back("13"); })},
        {"grade only in TE值", withShapes([](auto& shapes) { shapes[2].columns.pop_back(); })},
    };
    for (const auto& c : cases) {
        const TemporaryDirectory dir;
        c.make(dir.path() / "db1.mdb");
        std::string reason;
        EXPECT_FALSE(openToleranceDatabase(dir.path(), &reason).has_value()) << c.what;
        EXPECT_FALSE(reason.empty()) << c.what;
    }
}

TEST(ToleranceDatabase, ChecksTablesBuiltInMemoryTheSameWay) {
    const auto shapes = completeShapes();
    const auto table = [&](std::size_t i, int rows) {
        return testing::makeTable(shapes[i].name, shapes[i].columns, rows, distinctCell);
    };
    EXPECT_NO_THROW(ToleranceDatabase(table(0, 9), table(1, 9), table(2, 9)));
    EXPECT_THROW(ToleranceDatabase(table(0, 9), table(1, 9), table(2, 0)), ToleranceDatabaseError);
    EXPECT_THROW(ToleranceDatabase(table(1, 9), table(1, 9), table(2, 9)), ToleranceDatabaseError);
}

}  // namespace
}  // namespace quillon::tolerance
