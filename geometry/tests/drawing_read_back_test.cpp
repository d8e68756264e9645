// The drawing files read back and measured by independent readers (Debian's python3-ezdxf and
// python3-svgelements).
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "calculated_spline.h"
#include "quillon/geometry/dxf_writer.h"
#include "quillon/geometry/svg_writer.h"

using namespace quillon::engine;

namespace quillon::geometry {
namespace {

// Runs read_<format>.py on the drawing; returns what it printed.
std::string readBack(const std::string& format, const std::string& drawing) {
    // One file per test: CTest runs the cases side by side.
    const std::string path = testing::TempDir() + "quillon_profile_" +
                             testing::UnitTest::GetInstance()->current_test_info()->name() + "." +
                             format;
    std::ofstream(path, std::ios::binary) << drawing;
    const std::string command =
        "/usr/bin/python3 " QUILLON_GEOMETRY_TEST_DIR "/read_" + format + ".py " + path;
    std::string out;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[256];
        while (fgets(buffer, sizeof buffer, pipe)) {
            out += buffer;
        }
        EXPECT_EQ(pclose(pipe), 0) << out;
    }
    return out;
}

#ifdef _WIN32
#define SKIP_ON_WINDOWS() \
    GTEST_SKIP() << "the readers are Python programs of the Linux build machine"
#else
#define SKIP_ON_WINDOWS()
#endif

struct Drawing {
    ProfileInput in;
    ToothForm form;
    Polyline contour;
};

// The hub z = 20, m = 1.25: d 25, db 21.650635, da 23.875, df 26.375.
Drawing hub() {
    const ProfileInput in =
        testing_support::calculated({SplineKind::Internal, "20", "1.25", "0", "2.2"});
    const ToothForm form = *designToothForm(in).form;
    return {in, form, flattenContour(form)};
}

TEST(Dxf, ReadsBackAsOneClosedPolylineAndTheCircles) {
    SKIP_ON_WINDOWS();
    const auto [in, form, contour] = hub();
    const std::string dxf =
        dxfDrawing(contour, {in.d, 2 * form.baseRadius, in.da, in.df}, "quillon 1.0.0 齿形 z = 20");

    const std::string facts = readBack("dxf", dxf);
    EXPECT_NE(facts.find("errors 0\n"), std::string::npos) << facts;
    EXPECT_NE(facts.find("version AC1015\n"), std::string::npos);
    EXPECT_NE(facts.find("insunits 4\n"), std::string::npos);
    EXPECT_NE(facts.find("layers 0 CIRCLES "), std::string::npos) << facts;
    EXPECT_NE(facts.find(" PROFILE\n"), std::string::npos) << facts;
    // One closed polyline with every vertex and the arcs of each pitch (root, two fillets, tip) as
    // bulges.
    const std::string polyline = "polyline PROFILE 1 " + std::to_string(contour.size()) + " " +
                                 std::to_string(4 * 20) + "\n";
    EXPECT_NE(facts.find(polyline), std::string::npos) << facts;
    for (const char* circle : {"circle CIRCLES 12.500000\n", "circle CIRCLES 10.825318\n",
                               "circle CIRCLES 11.937500\n", "circle CIRCLES 13.187500\n"}) {
        EXPECT_NE(facts.find(circle), std::string::npos) << circle << facts;
    }
}

// The section of the file that begins with "2\n<name>\n" up to its end, without "0\nENDSEC\n".
std::string section(const std::string& dxf, const std::string& name) {
    const std::size_t begin = dxf.find("\n2\n" + name + "\n");
    return dxf.substr(begin, dxf.find("\n0\nENDSEC\n", begin) - begin);
}

TEST(Dxf, DataTableStandsBesideTheProfileAndReadsBack) {
    SKIP_ON_WINDOWS();
    const auto [in, form, contour] = hub();
    const std::vector<double> circles = {in.d, 2 * form.baseRadius, in.da, in.df};
    const DrawingTable table{{{"齿数", "z", "20"},
                              {"模数", "m", "1.25"},
                              {"压力角", "α", "30°"},
                              {"公差", "", "9H"},
                              {"量棒直径", "DM", "2.2"}}};
    const std::string plain = dxfDrawing(contour, circles, "quillon");
    const std::string dxf = dxfDrawing(contour, circles, "quillon", table);

    // The profile's entities and blocks are the same bytes; the table's entities follow them.
    EXPECT_EQ(section(dxf, "BLOCKS"), section(plain, "BLOCKS"));
    EXPECT_TRUE(section(dxf, "ENTITIES").starts_with(section(plain, "ENTITIES")));

    const std::string facts = readBack("dxf", dxf);
    EXPECT_NE(facts.find("errors 0\n"), std::string::npos) << facts;
    EXPECT_NE(facts.find("layers 0 CIRCLES DATA "), std::string::npos) << facts;
    EXPECT_NE(facts.find("style simsun.ttc SimSun\n"), std::string::npos) << facts;
    int cells = 0;
    for (const auto& row : table.rows) {
        for (const std::string& cell : row) {
            if (!cell.empty()) {
                ++cells;
                EXPECT_NE(facts.find("text DATA QUILLON_CJK 3.5 " + cell + "\n"), std::string::npos)
                    << cell << "\n"
                    << facts;
            }
        }
    }
    std::size_t texts = 0;
    for (std::size_t at = facts.find("\ntext "); at != std::string::npos;
         at = facts.find("\ntext ", at + 1)) {
        ++texts;
    }
    EXPECT_EQ(texts, static_cast<std::size_t>(cells)) << facts;
    // Right of the root circle, the largest (radius 13.1875).
    const std::size_t left = facts.find("table-left ");
    ASSERT_NE(left, std::string::npos) << facts;
    EXPECT_GT(std::stod(facts.substr(left + 11)), in.df / 2);
}

// Measured from points along every piece: the contour lies between the tip and root circles and
// touches both, arcs stay arcs, and a space of the hub is on +Y (the file's y axis points down).
TEST(Svg, ReadsBackTrueToSizeWithTheCircles) {
    SKIP_ON_WINDOWS();
    const auto [in, form, contour] = hub();
    const std::string svg = svgDrawing(contour, {in.d, 2 * form.baseRadius, in.da, in.df},
                                       "齿形 z = 20 <内花键> & \"1\"", "quillon 1.0.0");

    const std::string facts = readBack("svg", svg);
    for (const char* fact :
         {"sheet 29.44 29.44\n", "title 齿形 z = 20 <内花键> & \"1\"\n",
          "radius 11.937500 13.187500\n", "top 0.000000 13.187500\n", "circle 12.500000\n",
          "circle 10.825318\n", "circle 11.937500\n", "circle 13.187500\n"}) {
        EXPECT_NE(facts.find(fact), std::string::npos) << fact << facts;
    }
    EXPECT_NE(facts.find("arcs " + std::to_string(4 * 20) + "\n"), std::string::npos) << facts;
}

}  // namespace
}  // namespace quillon::geometry
