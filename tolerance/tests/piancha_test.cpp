#include "quillon/tolerance/piancha.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "quillon/engine/in_memory_form.h"
#include "test_databases.h"

using namespace quillon::engine;

namespace quillon::tolerance {
namespace {

using testing::makeDatabase;

// Series deviation 10 + row in the column "h" (500 + row elsewhere), no tolerances: the row a run
// used can be told from its far deviation.
std::string rowMarkingCell(std::string_view table, std::string_view column, int row) {
    if (table == ToleranceDatabase::kSeriesDeviationTable) {
        return std::to_string((column == "h" ? 10 : 500) + row);
    }
    return "0";
}

std::optional<int> rowUsed(const DeviationResult& result) {
    if (result == DeviationResult{}) {
        return std::nullopt;
    }
    return static_cast<int>(std::lround(std::abs(result.farDeviation) * 1000)) - 10;
}

struct Spline {
    SplineKind kind;
    const char* m;
    const char* da;
    const char* df;
    const char* grade = "9";
};

InMemoryForm formFor(const Spline& spline) {
    InMemoryForm form;
    form.selectKind(spline.kind);
    form.setText(Field::m, spline.m);
    form.setText(Field::da, spline.da);
    form.setText(Field::df, spline.df);
    form.setText(Field::grade, spline.grade);
    return form;
}

DeviationResult run(const Spline& spline, const ToleranceDatabase& database,
                    const std::string& seriesColumn = "H") {
    return piancha(formFor(spline), database, seriesColumn);
}

constexpr auto kShaft = SplineKind::External;
constexpr auto kHub = SplineKind::Internal;

TEST(Piancha, PicksTheRowFromModuleAndRoundedDiameter) {
    struct Case {
        Spline spline;
        std::optional<int> row;
    };
    const Case cases[] = {
        {{kShaft, "2", "10.000", "7.000"}, 1},
        {{kShaft, "1.25", "10.000", "7.000"}, 0},
        // da rounded half away from zero before the class is found
        {{kShaft, "1.25", "12.500", "9.000"}, 1},
        {{kShaft, "1.25", "12.499", "9.000"}, 0},
        // a hub is looked up by df, a shaft by da
        {{kHub, "8", "420.000", "400.000"}, 7},
        {{kHub, "8", "420.000", "401.000"}, 8},
        {{kHub, "10", "470.000", "450.000"}, 8},
        {{kHub, "1.25", "10.000", "30.000"}, 2},
        {{kShaft, "1.25", "10.000", "30.000"}, 0},
        // module groups
        {{kShaft, "1.5", "10.000", "0"}, 0},
        {{kShaft, "1.75", "10.000", "0"}, 1},
        {{kShaft, "4", "10.000", "0"}, 1},
        {{kShaft, "5", "20.000", "0"}, 3},
        {{kShaft, "10", "20.000", "0"}, 3},
        // no row: both deviations 0
        {{kShaft, "5", "12.000", "0"}, std::nullopt},
        {{kShaft, "1.6", "10.000", "0"}, std::nullopt},
        {{kShaft, "4.5", "10.000", "0"}, std::nullopt},
        {{kShaft, "12", "100.000", "0"}, std::nullopt},
        {{kShaft, "abc", "10.000", "0"}, std::nullopt},  // reads as m = 0
    };
    auto database = makeDatabase(rowMarkingCell);
    for (const auto& c : cases) {
        EXPECT_EQ(rowUsed(run(c.spline, database)), c.row)
            << "m = " << c.spline.m << ", da = " << c.spline.da << ", df = " << c.spline.df;
    }
}

TEST(Piancha, CombinesSeriesDeviationAndTolerancesByKind) {
    struct Case {
        SplineKind kind;
        int seriesDeviation;
        double far;
        double near;
    };
    for (const auto& c : {Case{kShaft, -20, -0.070, -0.040}, Case{kHub, 20, 0.070, 0.040},
                          Case{kShaft, 20, -0.030, 0.000}, Case{kHub, -20, 0.030, 0.000}}) {
        auto database = makeDatabase([&c](std::string_view table, std::string_view, int) {
            if (table == ToleranceDatabase::kSeriesDeviationTable) {
                return std::to_string(c.seriesDeviation);
            }
            return std::string(table == ToleranceDatabase::kTotalToleranceTable ? "50" : "30");
        });
        const auto result = run({c.kind, "2", "30.000", "30.000"}, database);
        EXPECT_NEAR(result.farDeviation, c.far, 1e-12) << c.seriesDeviation;
        EXPECT_NEAR(result.nearDeviation, c.near, 1e-12) << c.seriesDeviation;
        // The values behind the limits are kept for showing them (m = 2, D = 30: row 3).
        EXPECT_EQ(result.tableValues, (ToleranceTableValues{3, double(c.seriesDeviation), 50, 30}));
    }
}

TEST(Piancha, ReadsCellsByTheLeadingNumberRule) {
    auto database = makeDatabase([](std::string_view table, std::string_view, int) {
        if (table == ToleranceDatabase::kSeriesDeviationTable) {
            return std::string(" -28.0 µm");
        }
        return std::string(table == ToleranceDatabase::kTotalToleranceTable ? "63" : "");
    });
    const auto result = run({kShaft, "3", "125.000", "0"}, database);
    EXPECT_NEAR(result.farDeviation, -0.091, 1e-12);
    EXPECT_NEAR(result.nearDeviation, -0.091, 1e-12);  // empty TE counts as 0
}

TEST(Piancha, SeriesColumnIsMatchedWithoutRegardToCase) {
    auto database = makeDatabase(rowMarkingCell);
    const Spline spline{kShaft, "2", "30.000", "0"};
    EXPECT_EQ(run(spline, database, "H"), run(spline, database, "h"));
    EXPECT_EQ(rowUsed(run(spline, database, "H")), 3);
    EXPECT_NE(run(spline, database, "F1"), run(spline, database, "h"));
}

TEST(Piancha, TwoRunsInARowGiveTheSameResult) {
    auto database = testing::makeDatabase([](std::string_view table, std::string_view, int row) {
        return std::to_string(table == ToleranceDatabase::kSeriesDeviationTable ? -row : 10 * row);
    });
    const Spline spline{kShaft, "3", "125.000", "0"};
    const auto first = run(spline, database);
    const auto second = run(spline, database);
    EXPECT_EQ(first, second);
    EXPECT_NEAR(first.farDeviation, (-5 - 50) / 1000.0, 1e-12);
}

TEST(Piancha, NoToleranceKnownGivesZeroNotTheLastSplinesValues) {
    struct Case {
        const char* what;
        Spline spline;
        const char* seriesColumn;
    };
    const Case cases[] = {
        {"no row", {kShaft, "1.6", "30.000", "0"}, "h"},
        {"largest modules below 12 mm", {kHub, "6", "20.000", "11.000"}, "h"},
        {"grade without column", {kShaft, "2", "30.000", "0", "13"}, "h"},
        {"empty grade", {kShaft, "2", "30.000", "0", ""}, "h"},
        {"grade that looks like SQL", {kShaft, "2", "30.000", "0", "9\" OR 1=1 --"}, "h"},
        {"series without column", {kShaft, "2", "30.000", "0"}, "x"},
        {"diameter beyond any number", {kShaft, "2", "1e999", "0"}, "h"},
    };
    auto database = makeDatabase(rowMarkingCell);
    for (const auto& c : cases) {
        const auto before = run({kShaft, "2", "30.000", "0"}, database, "h");
        ASSERT_EQ(rowUsed(before), 3);
        EXPECT_EQ(run(c.spline, database, c.seriesColumn), DeviationResult{}) << c.what;
    }
}

TEST(Piancha, NoKindSelectedKnowsNoTolerance) {
    auto database = makeDatabase(rowMarkingCell);
    auto form = formFor({kShaft, "2", "30.000", "0"});
    form.selectKind(std::nullopt);
    EXPECT_EQ(piancha(form, database, "h"), DeviationResult{});
}

TEST(Piancha, ValueBeyondAnyNumberKnowsNoTolerance) {
    auto database = makeDatabase([](std::string_view table, std::string_view, int) {
        return std::string(table == ToleranceDatabase::kTotalToleranceTable ? "1e400" : "5");
    });
    EXPECT_EQ(run({kShaft, "2", "30.000", "0"}, database), DeviationResult{});
}

}  // namespace
}  // namespace quillon::tolerance
