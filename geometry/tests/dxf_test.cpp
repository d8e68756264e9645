// The drawing file read back by an independent reader (Debian's python3-ezdxf).
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "calculated_spline.h"
#include "quillon/geometry/dxf_writer.h"

namespace quillon {
namespace {

std::string readBack(const std::string& dxf) {
    const std::string path = testing::TempDir() + "quillon_profile.dxf";
    std::ofstream(path, std::ios::binary) << dxf;
    const std::string command =
        "/usr/bin/python3 " QUILLON_GEOMETRY_TEST_DIR "/read_dxf.py " + path;
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

TEST(Dxf, ReadsBackAsOneClosedPolylineAndTheCircles) {
#ifdef _WIN32
    GTEST_SKIP() << "the reader is a Python program of the Linux build machine";
#endif
    const ProfileInput in =
        testing_support::calculated({SplineKind::Internal, "20", "1.25", "0", "2.2"});
    const ToothForm form = *designToothForm(in).form;
    const Polyline contour = flattenContour(form);
    const std::string dxf =
        dxfDrawing(contour, {in.d, 2 * form.baseRadius, in.da, in.df}, "quillon 1.0.0 齿形 z = 20");

    const std::string facts = readBack(dxf);
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

}  // namespace
}  // namespace quillon
