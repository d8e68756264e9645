// The GB/T 3478.1 spline on the command line: the inputs it refuses, a pair's JSON read back by
// Python against hand-worked figures, and the profile drawing measured by an independent reader.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "command_run.h"
#include "python_reader.h"
#include "quillon/cli/command_line.h"

namespace quillon::cli {
namespace {

using test::Outcome;
using test::run;

std::vector<std::string> gbt(std::vector<std::string> more) {
    std::vector<std::string> arguments = {"--standard", "gbt3478", "--z", "24", "--m", "2.5"};
    arguments.insert(arguments.end(), more.begin(), more.end());
    return arguments;
}

TEST(GbtCommand, RefusesWhatTheStandardDoesNotTake) {
    struct Case {
        std::vector<std::string> arguments;
        const char* inErr;
    };
    const Case cases[] = {
        {gbt({"--kind", "shaft", "--fit", "H"}), "--fit：配合类别的值“H”不是外花键"},
        {gbt({"--kind", "hub", "--fit", "h"}), "--fit：配合类别的值“h”不是内花键"},
        {gbt({"--class", "8"}), "--class：公差等级必须是 4、5、6 或 7"},
        {gbt({"--alpha", "20"}), "--alpha：压力角 α 的值“20”不是 30、37.5 或 45"},
        {gbt({"--alpha", "45", "--root", "flat"}), "--root：齿根的值“flat”不可用"},
        {gbt({"--length", "0"}), "--length：配合长度 g 必须大于 0"},
        {gbt({"--length", "-3"}), "--length：配合长度 g 必须大于 0"},
        {gbt({"--fit", "5H/8e"}), "--fit：公差等级必须是 4、5、6 或 7"},
        {gbt({"--x", "0.2"}), "--x 只用于 DIN 5480"},
        {gbt({"--grade", "9"}), "--grade 只用于 DIN 5480"},
        {gbt({"--torque", "100"}), "--torque 只用于 DIN 5480"},
        {gbt({"--lite"}), "简化版（--lite）不计算 GB/T 3478.1"},
        {{"--standard", "gbt3478", "--m", "2.5"}, "--z：齿数 z 没有给出"},
        {{"--standard", "gb"}, "--standard 的值“gb”不是 din5480、gbt3478 或 iso4156"},
        {{"--root", "flat", "--z", "20"}, "--root 只用于 GB/T 3478.1"},
        {{"--designation", "INT 24z×2.5m×30R×5H GB/T 3478.1", "--z", "20"},
         "--z 不能与 --designation 同时给出"},
        {{"--standard", "din5480", "--designation", "EXT 24z×2.5m×30P×5h"},
         "不能与 --standard din5480"},
        {{"--designation", "INT/EXT 24z×2.5m×30R×5H/5h", "--dxf", "x.dxf"}, "只用于一件花键"},
    };
    for (const Case& c : cases) {
        const Outcome outcome = run(c.arguments);
        EXPECT_EQ(outcome.code, kExitUsage) << c.inErr;
        EXPECT_EQ(outcome.out, "") << c.inErr;
        EXPECT_NE(outcome.err.find(c.inErr), std::string::npos) << outcome.err;
    }
}

// The figures are those of the library's hand-worked 24z × 2.5m × 30R splines (a python script
// written from the formulas alone): T+λ and λ of class 5 with g = D/2, the hub's limits and major
// diameter, the shaft's M over 4.5 mm pins and W over 5 teeth; the clearances follow from them.
TEST(GbtCommand, PairAsJsonHasBothPartsAndTheClearances) {
    if (!textio::test::pythonAvailable()) {
        GTEST_SKIP() << "no Python to read the JSON back";
    }
    const Outcome outcome =
        run({"--designation", "INT/EXT 24z×2.5m×30R×5H/5h GB/T 3478.1", "--dp", "4.5", "--json"});
    ASSERT_EQ(outcome.code, kExitOk) << outcome.err;
    const auto read = textio::test::pythonOutput(R"(
import json, sys
o = json.load(open(sys.argv[1], encoding="utf-8"))
g = o["gbt3478"]; h = g["hub"]; s = g["shaft"]; c = g["clearance"]
print(o["standard"], o["designation"])
for v in (h["T_lambda"], h["lambda"], h["E_max"], h["E_min"], h["Ev_max"], h["Ev_min"],
          h["Dei_max"], s["S_max"], s["S_min"], s["M"], *s["M_limits"], s["k"], s["W"],
          *s["W_limits"], c["effective_min"], c["actual_min"]):
    print(f"{v:.6f}")
)",
                                                 outcome.out);
    ASSERT_TRUE(read.has_value()) << outcome.out;
    std::istringstream lines(*read);
    std::string head;
    std::getline(lines, head);
    EXPECT_EQ(head, "gbt3478 INT/EXT 24z×2.5m×30R×5H/5h GB/T 3478.1");
    for (const double expected : {74.835667, 30.481506, 4.001826, 3.957472, 3.971345, 3.926991,
                                  64.824048, 3.896509, 3.852155, 66.595487, 66.547229, 66.476850,
                                  5.0, 33.400874, 33.374476, 33.336064, 0.0, 0.060963}) {
        double value = 0;
        lines >> value;
        EXPECT_NEAR(value, expected, 2e-6);
    }
}

// The tooth is drawn at its basic width, so a pin and an anvil measure the printed M and W. Its
// flanks are chords within 0.5 µm of the involute, which lets a pin sink up to about 1 µm deeper on
// each side: hence 2 µm.
TEST(GbtCommand, DrawingMeasuresAsPrinted) {
    if (!textio::test::pythonAvailable()) {
        GTEST_SKIP() << "no Python to read the drawing back";
    }
    const std::string dxf = testing::TempDir() + "quillon_gbt.dxf";
    const Outcome outcome = run({"--designation", "EXT 24z×2.5m×30R×5h GB/T 3478.1", "--dp", "4.5",
                                 "--dxf", dxf, "--json"});
    ASSERT_EQ(outcome.code, kExitOk) << outcome.err;
    const auto printed = textio::test::pythonOutput(R"(
import json, sys
g = json.load(open(sys.argv[1], encoding="utf-8"))["gbt3478"]
print(g["M"], g["W"])
)",
                                                    outcome.out);
    ASSERT_TRUE(printed.has_value());
    double M = 0;
    double W = 0;
    std::istringstream(*printed) >> M >> W;
    const std::string command =
        "/usr/bin/python3 " QUILLON_CLI_TEST_DIR "/measure_dxf.py " + dxf + " 24 4.5 5";
    std::string measured;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[128];
        while (fgets(buffer, sizeof buffer, pipe)) {
            measured += buffer;
        }
        ASSERT_EQ(pclose(pipe), 0) << measured;
    }
    double drawnM = 0;
    double drawnW = 0;
    ASSERT_EQ(std::sscanf(measured.c_str(), "M %lf\nW %lf", &drawnM, &drawnW), 2) << measured;
    EXPECT_NEAR(drawnM, M, 0.002);
    EXPECT_NEAR(drawnW, W, 0.002);
}

}  // namespace
}  // namespace quillon::cli
