// The generated db1.mdb against the examples DIN 5480-1 publishes for its tolerance table.

#include <gtest/gtest.h>

#include <string>

#include "quillon/engine/field_text.h"
#include "quillon/engine/in_memory_form.h"
#include "quillon/tolerance/piancha.h"
#include "quillon/tolerance/series_column.h"
#include "quillon/tolerance/tolerance_database.h"

using namespace quillon::engine;

namespace quillon::tolerance {
namespace {

struct Designation {
    const char* what;
    SplineKind kind;
    const char* m;
    const char* da;
    const char* df;
    const char* grade;
    const char* letter;
    double far;   // mm
    double near;  // mm
};

TEST(PublishedValues, ShippedDatabaseGivesTheStandardsExamples) {
    auto database = ToleranceDatabase::load(QUILLON_TOLERANCE_DB_FILE);
    const Designation examples[] = {
        // row 5: A = 0, TG = 90, Tact = 56
        {"9H hub, d = 120, m = 3", SplineKind::Internal, "3", "120.000", "114.000", "9", "H", 0.090,
         0.034},
        // row 5: A = -28, TG = 63, Tact = 40
        {"8f shaft, d = 120, m = 3", SplineKind::External, "3", "125.100", "117.600", "8", "f",
         -0.091, -0.051},
        // row 0: A = -32, TG = 71, Tact = 45
        {"10d shaft, d = 6, m = 0.8", SplineKind::External, "0.8", "6.720", "4.880", "10", "d",
         -0.103, -0.058},
    };
    for (const auto& e : examples) {
        InMemoryForm form;
        form.selectKind(e.kind);
        form.setText(Field::m, e.m);
        form.setText(Field::da, e.da);
        form.setText(Field::df, e.df);
        form.setText(Field::grade, e.grade);
        SeriesColumn series;
        series.letterChanged(e.letter);

        const DeviationResult result = piancha(form, database, series.name());
        EXPECT_NEAR(result.farDeviation, e.far, 1e-12) << e.what;
        EXPECT_NEAR(result.nearDeviation, e.near, 1e-12) << e.what;
    }
}

TEST(PublishedValues, ToothThicknessLimitsOfThe8fDataFieldExample) {
    auto database = ToleranceDatabase::load(QUILLON_TOLERANCE_DB_FILE);
    InMemoryForm form;
    form.selectKind(SplineKind::External);
    form.setText(Field::m, "3");
    form.setText(Field::da, "125.100");
    form.setText(Field::grade, "8");
    const DeviationResult result = piancha(form, database, "f");

    const double nominal = 6.2712;
    EXPECT_EQ(formatNumber(nominal + result.nearDeviation, 3), "6.220");
    EXPECT_EQ(formatNumber(nominal + result.farDeviation, 3), "6.180");
}

TEST(PublishedValues, StartUpLetterSelectsTheZeroLineColumn) {
    auto database = ToleranceDatabase::load(QUILLON_TOLERANCE_DB_FILE);
    for (std::size_t row = 0; row < 9; ++row) {
        EXPECT_EQ(database.seriesDeviations().valueAt(SeriesColumn{}.name(), row), "0") << row;
    }
}

}  // namespace
}  // namespace quillon::tolerance
