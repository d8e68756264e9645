// The data table for the drawing: its values against the window's fields and the inspection
// values, and the CSV and DXF files that carry it, read back by independent readers.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <memory>

#include "quillon/document/connection.h"
#include "quillon/document/drawing_data.h"
#include "quillon/document/profile_drawing.h"
#include "quillon/document/spline_document.h"

using namespace quillon::engine;
using namespace quillon::geometry;

namespace quillon::document {
namespace {

std::shared_ptr<const tolerance::ToleranceDatabase> database() {
    static const auto loaded = std::make_shared<const tolerance::ToleranceDatabase>(
        tolerance::ToleranceDatabase::load(QUILLON_TOLERANCE_DB_FILE));
    return loaded;
}

// The value of each row by its symbol (the note and the tolerance by their names).
std::map<std::string, std::string> valuesBySymbol(const DrawingTable& table) {
    std::map<std::string, std::string> values;
    for (const auto& [name, symbol, value] : table.rows) {
        values[symbol == "—" ? name : symbol] = value;
    }
    return values;
}

// Runs Debian's Python on `program` with the file `path`; what it printed.
std::string python(const std::string& program, const std::string& path) {
    std::string out;
    if (FILE* pipe = popen(("/usr/bin/python3 " + program + " " + path).c_str(), "r")) {
        char buffer[512];
        while (fgets(buffer, sizeof buffer, pipe)) {
            out += buffer;
        }
        EXPECT_EQ(pclose(pipe), 0) << out;
    }
    return out;
}

std::string writeTemp(const std::string& name, const std::string& bytes) {
    const std::string path = testing::TempDir() + name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

std::string inspected(const std::optional<std::string>& value) {
    return value.value_or("—");
}

TEST(DrawingData, ShowsTheWindowAndInspectionValuesWithTheDin5480SignOfX) {
    struct Case {
        bool lite;
        const char* designation;
        const char* x;  // DIN 5480 sign: the window's for a shaft, its opposite for a hub
        const char* xm;
        const char* dB;
    };
    const Case cases[] = {
        {false, "DIN 5480 - W 26.375 x 1.25 x 30 x 20 x 9h", "0.00000", "0.000", "26.375"},
        {false, "DIN 5480 - N 120 x 3 x 30 x 38 x 9H", "0.45000", "1.350", "120"},
        {true, "DIN 5480 - W 10 x 0.8 x 30 x 11", "0.20000", "0.160", "10"},
        {true, "DIN 5480 - N 50 x 2 x 30 x 24", "-0.05000", "-0.100", "50"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.designation);
        SplineDocument doc(c.lite ? Edition::lite() : Edition::tolerance(), database());
        doc.applyDesignation(*parseDesignation(c.designation).designation);
        const Form& form = doc.form();
        const InspectionValues inspection = doc.inspection();
        auto values = valuesBySymbol(drawingData(doc));

        EXPECT_EQ(values["标记"], c.designation);
        EXPECT_EQ(values["dB"], c.dB);
        EXPECT_EQ(values["x"], c.x);
        EXPECT_EQ(values["x·m"], c.xm);
        for (const auto& [symbol, field] : {std::pair{"z", Field::z},
                                            {"m", Field::m},
                                            {"α", Field::alpha},
                                            {"d", Field::d},
                                            {"db", Field::db},
                                            {"da", Field::da},
                                            {"df", Field::df},
                                            {"DM", Field::dp}}) {
            EXPECT_EQ(values[symbol], form.text(field)) << symbol;
        }
        EXPECT_EQ(values["k"], doc.runState().k);
        if (c.lite) {
            EXPECT_EQ(values["W"], form.text(Field::W));
            EXPECT_EQ(values["M"], form.text(Field::M));
            EXPECT_EQ(values.count("公差") + values.count("注"), 0u);
            continue;
        }
        ASSERT_TRUE(inspection.wLimits && inspection.mLimitsExact);
        EXPECT_EQ(values["W"], inspected(inspection.W) + " (" + inspection.wLimits->nearLimit +
                                   " / " + inspection.wLimits->farLimit + ")");
        EXPECT_EQ(values["M"], inspected(inspection.M) + " (" + inspection.mLimitsExact->nearLimit +
                                   " / " + inspection.mLimitsExact->farLimit + ")");
        EXPECT_EQ(values["公差"], inspection.tolerance);
        EXPECT_NE(values["注"].find("M 按齿形精确计算"), std::string::npos);
    }

    // Before a calculation nothing is shown; a helical spline has neither designation nor exact
    // limits, and says why; an x typed too large for a number afterwards shows as none.
    SplineDocument fresh(Edition::tolerance(), database());
    for (const auto& row : drawingData(fresh).rows) {
        EXPECT_EQ(row[2], "—") << row[0];
    }
    fresh.setText(Field::z, "20");
    fresh.setText(Field::beta, "15");
    fresh.calculate();
    auto helical = valuesBySymbol(drawingData(fresh));
    EXPECT_EQ(helical["标记"], fresh.designation().reason);
    EXPECT_EQ(helical["dB"], "—");
    EXPECT_EQ(helical["M"], fresh.form().text(Field::M) + " (斜齿花键无精确极限)");
    fresh.setText(Field::x, "1e999");
    EXPECT_EQ(valuesBySymbol(drawingData(fresh))["x·m"], "—");
}

TEST(DrawingData, CsvAndDxfReadBackCellForCell) {
#ifdef _WIN32
    GTEST_SKIP() << "the readers are Python programs of the Linux build machine";
#endif
    SplineDocument doc(Edition::tolerance(), database());
    doc.applyDesignation(*parseDesignation("N 120 x 3 x 38 x 9H").designation);
    const DrawingTable table = drawingData(doc);
    std::string cells;  // every cell, one a line, in reading order
    for (const auto& row : table.rows) {
        cells += row[0] + "\n" + row[1] + "\n" + row[2] + "\n";
    }

    const std::string csv = drawingDataCsv(table);
    EXPECT_EQ(csv.rfind("\xEF\xBB\xBF名称,代号,数值\r\n", 0), 0u);
    const std::string csvPath = writeTemp("quillon_drawing_data.csv", csv);
    const std::string readCsv =
        "-c 'import csv, sys\n"
        "rows = list(csv.reader(open(sys.argv[1], encoding=\"utf-8-sig\", newline=\"\")))\n"
        "assert rows[0] == [\"名称\", \"代号\", \"数值\"]\n"
        "print(\"\".join(cell + \"\\n\" for row in rows[1:] for cell in row), end=\"\")'";
    EXPECT_EQ(python(readCsv, csvPath), cells);

    const auto profile = doc.profile();
    const std::string dxf = profileDrawing(*profile.input, *profile.design.form, DrawingFormat::Dxf,
                                           "quillon 1.0.0", table);
    const std::string facts = python(QUILLON_READ_DXF, writeTemp("quillon_drawing_data.dxf", dxf));
    EXPECT_NE(facts.find("errors 0\n"), std::string::npos) << facts;
    std::string texts;
    for (std::size_t at = facts.find("text DATA QUILLON_CJK 3.5 "); at != std::string::npos;
         at = facts.find("text DATA QUILLON_CJK 3.5 ", at + 1)) {
        const std::size_t from = at + std::string("text DATA QUILLON_CJK 3.5 ").size();
        texts += facts.substr(from, facts.find('\n', from) + 1 - from);
    }
    EXPECT_EQ(texts, cells);
}

// The limits a drawing states, the class in its kind's case, and with a fit the fit and the mate.
// 9H/8f on W 50 x 2 x 24 as worked by hand in connection_test.cpp: s = 3.0261226 mm.
TEST(DrawingData, StatesTheEffectiveLimitsAndTheFit) {
    SplineDocument shaft(Edition::tolerance(), database());
    shaft.applyDesignation(*parseDesignation("W 50 x 2 x 24 x 9h").designation);
    shaft.setText(Field::seriesLetter, "H");  // a shaft's H is its h
    shaft.calculate();
    auto alone = valuesBySymbol(drawingData(shaft));
    EXPECT_EQ(alone["公差"], "9h");
    EXPECT_EQ(alone["sv max"], "3.0261");  // A of h is 0
    EXPECT_EQ(alone["s min"], "2.9551");   // T of grade 9, row 3: 71

    const ConnectionResult fit = connection(shaft, "9H/8f");
    ASSERT_TRUE(fit.connection) << fit.refusal;
    auto connected = valuesBySymbol(drawingData(shaft, *fit.connection));
    EXPECT_EQ(connected["标记"], "DIN 5480 - W 50 x 2 x 30 x 24 x 8f");
    EXPECT_EQ(connected["公差"], "8f");
    EXPECT_EQ(connected["配合"], "9H/8f，相配内花键 9H");
    EXPECT_EQ(connected["sv max"], "3.0041");
    EXPECT_EQ(connected["s min"], "2.9541");

    SplineDocument hub(Edition::tolerance(), database());
    hub.applyDesignation(*parseDesignation("N 50 x 2 x 24 x 9H").designation);
    auto hubValues = valuesBySymbol(drawingData(hub, *connection(hub, "9H/8f").connection));
    EXPECT_EQ(hubValues["ev min"], "3.0261");
    EXPECT_EQ(hubValues["e max"], "3.0971");
    EXPECT_EQ(hubValues["配合"], "9H/8f，相配外花键 8f");
}

}  // namespace
}  // namespace quillon::document
