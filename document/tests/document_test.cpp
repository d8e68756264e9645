// The document is the one place that calculates: the run, then the deviation calculation on the
// fields the run has just written; and the profile from the calculation's own numbers.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <regex>

#include "quillon/document/profile_drawing.h"
#include "quillon/document/spline_document.h"
#include "quillon/engine/field_text.h"
#include "quillon/geometry/polyline.h"
#include "quillon/tolerance/piancha.h"

using namespace quillon::engine;
using namespace quillon::tolerance;
using namespace quillon::geometry;

namespace quillon::document {
namespace {

std::shared_ptr<const ToleranceDatabase> database() {
    static const auto loaded = std::make_shared<const ToleranceDatabase>(
        ToleranceDatabase::load(QUILLON_TOLERANCE_DB_FILE));
    return loaded;
}

SplineDocument calculated(const Edition& edition, SplineKind kind, const char* z, const char* m,
                          const char* letter = "H") {
    SplineDocument doc(edition, database());
    doc.selectKind(kind);
    doc.setText(Field::z, z);
    doc.setText(Field::m, m);
    doc.setText(Field::seriesLetter, letter);
    doc.proposePinDiameter();
    doc.calculate();
    return doc;
}

TEST(SplineDocument, CalculatesThenLooksUpTheTolerancesOfWhatItWrote) {
    struct Case {
        SplineKind kind;
        const char* z;
        const char* m;
        const char* letter;
        const char* column;
    };
    const Case cases[] = {
        {SplineKind::External, "24", "2", "f", "f"},
        {SplineKind::Internal, "24", "2", "H", "h"},
        {SplineKind::External, "38", "3", "h", "h"},
        {SplineKind::Internal, "6", "0.8", "G", "G1"},
    };
    for (const Case& c : cases) {
        const SplineDocument doc = calculated(Edition::tolerance(), c.kind, c.z, c.m, c.letter);
        EXPECT_EQ(doc.seriesColumnName(), c.column);
        ASSERT_TRUE(doc.deviation().tableValues.has_value()) << c.z << " x " << c.m;
        EXPECT_EQ(doc.deviation(), piancha(doc.form(), *database(), c.column));
        EXPECT_EQ(doc.runState().k.empty(), false);
        EXPECT_EQ(doc.reportLines().size(), 24u);
    }
    // The lite edition has no tolerances: nothing is looked up, and its report has 22 lines.
    const SplineDocument lite = calculated(Edition::lite(), SplineKind::External, "24", "2");
    EXPECT_EQ(lite.deviation(), DeviationResult{});
    EXPECT_EQ(lite.reportLines().size(), 22u);
    EXPECT_FALSE(lite.inspection().wLimits.has_value());
}

TEST(SplineDocument, DrawsFromTheCalculatedNumbersNotTheirDisplay) {
    const SplineDocument doc = calculated(Edition::tolerance(), SplineKind::External, "13", "1.75");
    const auto input = doc.profile().input;
    ASSERT_TRUE(input.has_value());
    for (const auto& [field, value] : {std::pair{Field::d, input->d},
                                       {Field::da, input->da},
                                       {Field::df, input->df},
                                       {Field::db, input->db}}) {
        EXPECT_EQ(formatNumber(value, 3), doc.form().text(field)) << fieldName(field);
    }
    EXPECT_DOUBLE_EQ(input->db, 22.75 * std::cos(30 * 3.1415926 / 180));
    EXPECT_NE(input->db, readNumber(doc.form().text(Field::db)));
}

TEST(SplineDocument, AppliesADesignationAsAUserWould) {
    SplineDocument doc(Edition::tolerance(), database());
    doc.applyDesignation(*parseDesignation("DIN 5480 - N 50 x 2 x 30 x 24 x 9H").designation);
    EXPECT_EQ(doc.form().selectedKind(), SplineKind::Internal);
    EXPECT_EQ(doc.form().text(Field::z), "24");
    EXPECT_EQ(doc.form().text(Field::x), "0.05000");
    EXPECT_EQ(doc.form().text(Field::dp), "2.880");
    EXPECT_TRUE(doc.deviation().tableValues.has_value());
    EXPECT_EQ(printDesignation(*doc.designation().designation),
              "DIN 5480 - N 50 x 2 x 30 x 24 x 9H");
}

// The exported drawings, read back: SVG true to size with its title and one closed contour path,
// DXF headed by the program.
TEST(ProfileDrawing, SvgIsTrueToSizeAndDxfNamesTheProgram) {
    ProfileInput in;
    in.kind = SplineKind::Internal;
    in.z = 20;
    in.m = 1.25;
    in.alpha = 30;
    in.d = 25;
    in.da = 23.875;
    in.df = 26.375;
    const ToothForm form = *designToothForm(in).form;
    const std::string svg = profileDrawing(in, form, DrawingFormat::Svg, "quillon 1.0.0");
    std::smatch width;
    ASSERT_TRUE(std::regex_search(svg, width, std::regex(R"(width="([0-9.]+)mm")")));
    const double side = std::stod(width[1]);
    EXPECT_GT(side, 26.375);
    EXPECT_LT(side, 30);
    EXPECT_NE(svg.find("height=\"" + width[1].str() + "mm\""), std::string::npos);
    EXPECT_NE(svg.find("<title>DIN 5480 内花键 齿形：z = 20，m = 1.25，x = 0</title>"),
              std::string::npos);
    EXPECT_NE(svg.find("<desc>quillon 1.0.0</desc>"), std::string::npos);
    const auto count = [&svg](const std::string& what) {
        std::size_t n = 0;
        for (auto at = svg.find(what); at != std::string::npos; at = svg.find(what, at + 1)) {
            ++n;
        }
        return n;
    };
    EXPECT_EQ(count("<path"), 1u);
    EXPECT_EQ(count("<circle"), 4u);
    // The contour reaches out to the hub's root circle, df / 2.
    const Polyline contour = flattenContour(form);
    const auto radius = [](const PolylineVertex& v) { return std::hypot(v.at.x, v.at.y); };
    EXPECT_EQ(std::lround(radius(*std::ranges::max_element(contour, {}, radius)) * 1000), 13188);

    const std::string dxf = profileDrawing(in, form, DrawingFormat::Dxf, "quillon 1.0.0");
    EXPECT_EQ(dxf.rfind("999\nquillon 1.0.0", 0), 0u);
    EXPECT_NE(dxf.find("\nLWPOLYLINE\n"), std::string::npos);
}

}  // namespace
}  // namespace quillon::document
