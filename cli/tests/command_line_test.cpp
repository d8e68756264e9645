// The program as a script calls it: exit codes, what goes to standard output and error, and a
// batch read back by Python's csv module.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
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

TEST(CommandLine, ExitCodesAndWhatIsSaid) {
    struct Case {
        std::vector<std::string> arguments;
        int code;
        const char* inOut;  // a piece of standard output ("" for none at all)
        const char* inErr;  // a piece of standard error ("" for none at all)
    };
    const Case cases[] = {
        {{"--z", "20"}, 0, "DIN 5480 - W 26.375 x 1.25 x 30 x 20 x 9h", ""},
        {{"--z=20", "--json"}, 0, R"("M":28.050)", ""},
        {{"--lite", "--z", "20", "--kind", "hub", "--json"}, 0, R"("xm":0.000)", ""},
        {{"--z", "20", "--beta", "40", "--json"}, 0, R"("messages":["螺旋角无效!"])", ""},
        {{"--z", "2"}, 1, "跨测齿数 k", "请输入花键齿数!"},
        {{"--z", "20", "--x", "0.9"}, 1, "变位系数", "变位系数不符合DIN5480标准！"},
        {{"--designation", "W 40 x 2"}, 1, "", "x 18，DIN 5480 - W 40 x 2 x 30 x 19"},
        {{"--designation", "N 26.375x1.25"}, 0, "DIN 5480 - N 26.375 x 1.25 x 30 x 20", ""},
        {{"--z", "20abc"}, 2, "", "--z 的值“20abc”不是有效的数值"},
        {{"--z", "inf"}, 2, "", "--z 的值“inf”不是有效的数值"},
        {{"--z"}, 2, "", "--z 缺少值"},
        {{"--z", "20", "--z", "21"}, 2, "", "--z 给出了不止一次"},
        {{"--teeth", "20"}, 2, "", "未知的选项“--teeth”"},
        {{"--lite", "--grade", "8"}, 2, "", "--grade 只用于公差版"},
        {{"--ha", "0.5"}, 2, "", "--ha 只用于简化版"},
        {{"--kind", "gear"}, 2, "", "--kind 的值“gear”不是 shaft 或 hub"},
        {{"--series", "x"}, 2, "", "--series 的值“x”不是基本偏差代号"},
        {{"--designation", "W 50x2x24", "--z", "24"}, 2, "", "--z 不能与 --designation"},
        {{"--designation", "W 50x2x24 8f", "--series", "h"}, 2, "", "--series 不能与"},
        {{"--designation", "Q 50"}, 2, "", "--designation 的值“Q 50”不是有效的标记"},
        {{"--batch", "-", "--z", "20"}, 2, "", "--batch 不能与"},
        {{"-o", "x.csv"}, 2, "", "-o 只用于 --batch"},
        {{"--designation", "W 50x2x24", "--torque", "500", "--length", "40", "--p-allowed", "100",
          "--json"},
         0,
         R"("p_range":[60,100],"safety":6.1948)",
         ""},
        {{"--z", "24", "--m", "2", "--beta", "10", "--torque", "500", "--length", "40", "--json"},
         0,
         R"("ok":null,"failed":[],"not_checked":"斜齿花键)",
         ""},
        {{"--z", "24", "--torque", "500", "--power", "3", "--length", "40"}, 2, "", "--torque："},
        {{"--z", "24", "--torque", "-5", "--length", "40"}, 2, "", "--torque："},
        {{"--z", "24", "--length", "40"}, 2, "", "强度校核需要 --torque"},
        {{"--z", "24", "--torque", "5", "--joint", "loose"}, 2, "", "--joint 的值“loose”"},
        {{"--batch=/"}, 2, "", "无法读取批量输入“/”"},
        {{"--batch", "/nonexistent/parts.csv"}, 2, "", "无法读取批量输入"},
        {{"--z", "20", "--table", "tsv"}, 0, "跨棒距\tM\t28.050 (28.014 / 27.950)\n", ""},
        {{"--lite", "--kind", "hub", "--z", "20", "--table"},
         0,
         "变位系数        x             0",
         ""},
        {{"--z", "20", "--table", "--json"}, 2, "", "--table 不能与 --json"},
        {{"--z", "20", "--table=xml"}, 2, "", "--table 的值“xml”"},
        {{"--designation", "DIN 5480 - 50 x 2 x 30 x 24 x 9H/8f"},
         0,
         "作用侧隙 jv (mm)                0.022 — 0.099  (3.15′ — 14.18′)\n"
         "实际侧隙 j (mm)                 0.066 — 0.143",
         ""},
        {{"--designation", "W 50x2x24", "--fit", "9H/9k"},
         0,
         "注意                            可能过盈",
         ""},
        {{"--designation", "W 50x2x24 8f", "--fit", "9H/8f", "--measured-w", "21.2"},
         0,
         "测量结论                        不合格",
         ""},
        {{"--lite", "--fit", "9H/8f"}, 2, "", "--fit 只用于公差版"},
        {{"--lite", "--designation", "50x2x30x24x9H/8f"}, 2, "", "--designation 中的配合只用于"},
        {{"--z", "24", "--fit", "9X/8f"}, 2, "", "--fit 的值“9X/8f”不是有效的配合：内花键没有"},
        {{"--z", "24", "--fit", "9H"}, 2, "", "--fit 的值“9H”不是有效的配合"},
        {{"--z", "24", "--fit", "4H/8f"}, 2, "", "--fit 的值“4H/8f”不是有效的配合"},
        {{"--z", "24", "--fit", "9H/8f", "--series", "h"}, 2, "", "--series 不能与 --fit"},
        {{"--designation", "50x2x30x24x9H/8f", "--fit", "9H/8f"},
         2,
         "",
         "--fit 不能与 --designation"},
        {{"--designation", "W 50x2x24 8f", "--fit", "9H/7f"},
         2,
         "",
         "--designation 的公差 8f 不符"},
        {{"--z", "24", "--measured-w", "-3"},
         2,
         "",
         "--measured-w 的值“-3”：实测公法线长度 W 必须大于 0"},
        {{"--z", "24", "--measured-m", "abc"}, 2, "", "--measured-m 的值“abc”不是有效的数值"},
        {{"--kind", "hub", "--z", "24", "--measured-w", "21"}, 2, "", "内花键不能测量公法线长度 W"},
        {{"--z", "24", "--measured-w", "21", "--measured-m", "52"}, 2, "", "不能与 --measured-m"},
        {{"--z", "24", "--zones", "z.svg"}, 2, "", "--zones 需要配合"},
        {{"--z", "24", "--beta", "10", "--fit", "9H/8f"}, 1, "螺旋角", "不能计算配合：斜齿花键"},
        {{"--version"}, 0, "quillon-cli 1.0.0", ""},
        {{"--help"}, 0, "--designation", ""},
    };
    for (const Case& c : cases) {
        const Outcome result = run(c.arguments);
        const std::string call = testing::PrintToString(c.arguments);
        EXPECT_EQ(result.code, c.code) << call << result.err;
        EXPECT_NE(result.out.find(c.inOut), std::string::npos) << call << result.out;
        EXPECT_NE(result.err.find(c.inErr), std::string::npos) << call << result.err;
        if (c.inOut[0] == '\0' && c.code == 2) {
            EXPECT_EQ(result.out, "") << call;  // nothing is written on a usage error
        }
        if (c.inErr[0] == '\0') {
            EXPECT_EQ(result.err, "") << call;
        }
    }
}

TEST(CommandLine, BatchRowsAreFreshSplinesAndBadRowsSayWhy) {
    // A byte-order mark, CR LF, a quoted designation with a comma in it, a bad number, a
    // rejected spline and a row that is too short; no state carries over from row to row.
    const std::string input =
        "\xEF\xBB\xBF"
        "designation,kind,z,series\r\n"
        "\"DIN 5480 - W 50 x 2 x 30 x 24 x 8f\",,,\r\n"
        ",hub,20,\r\n"
        ",,2x,\r\n"
        ",,2,\r\n"
        ",shaft\r\n";
    const Outcome result = run({"--batch", "-"}, input);
    EXPECT_EQ(result.code, 1) << result.err;
    const auto rows = textio::test::pythonOutput(
        "import csv,sys\n"
        "for r in csv.DictReader(open(sys.argv[1], newline='', encoding='utf-8')):\n"
        "    print('|'.join([r['designation_given'], r['z'], r['designation'], r['M'],\n"
        "                    r['M_upper_exact'], r['error']]))\n",
        result.out);
    if (!rows) {
        GTEST_SKIP() << "no Python to read the batch back";
    }
    EXPECT_EQ(*rows,
              "DIN 5480 - W 50 x 2 x 30 x 24 x 8f||DIN 5480 - W 50 x 2 x 30 x 24 x 8f|52.705|"
              "52.640|\n"
              "|20|DIN 5480 - N 26.375 x 1.25 x 30 x 20 x 9H|22.998|23.109|\n"
              "|2x||||z 的值“2x”不是有效的数值\n"
              "|2|DIN 5480 - W 3.875 x 1.25 x 30 x 2 x 9h|0||请输入花键齿数!\n"
              "|||||该行有 2 个字段，列名行有 4 个\n");
}

// W 50 x 2 x 24 with 9H/8f as worked by hand: hub A 0, T 71, TE 45; shaft A -22, T 50, TE 32;
// clearances 0.022 to 0.099 mm effective and 0.066 to 0.143 mm actual. The exact upper M limit,
// measured, reads back as the shaft's greatest actual tooth thickness.
TEST(CommandLine, ConnectionAndMeasurementAsJson) {
    const Outcome result = run({"--designation", "DIN 5480 - 50 x 2 x 30 x 24 x 9H/8f",
                                "--measured-m", "52.640", "--json"});
    ASSERT_EQ(result.code, 0) << result.err;
    const auto values = textio::test::pythonOutput(
        "import json,sys\n"
        "d = json.load(open(sys.argv[1], encoding='utf-8'))\n"
        "c, m = d['connection'], d['measurement']\n"
        "h, s = c['hub'], c['shaft']\n"
        "print(c['fit'], c['designation'], c['interference'])\n"
        "print(h['class'], h['A'], h['T'], h['TE'], h['T_eff'], h['W_limits'], h['ev_min'])\n"
        "print(s['class'], s['A'], s['T'], s['TE'], s['T_eff'], s['W_limits'], s['sv_max'])\n"
        "print(*c['clearance'].values())\n"
        "print(m['from'], m['value'], m['actual'], m['limits'], m['within'])\n",
        result.out);
    if (!values) {
        GTEST_SKIP() << "no Python to read the JSON back";
    }
    EXPECT_EQ(*values,
              "9H/8f DIN 5480 - 50 x 2 x 30 x 24 x 9H/8f False\n"
              "9H 0 71 45 26 None 3.0261\n"
              "8f -22 50 32 18 [21.144, 21.117] 3.0041\n"
              "0.022 0.099 0.066 0.143\n"
              "M 52.64 2.9861 [2.9541, 2.9861] True\n");
}

// The diagram file is SVG that an independent reader takes, with its four zones; a refused
// command line writes none.
TEST(CommandLine, ZonesFileIsReadableSvg) {
    const std::filesystem::path path =
        std::filesystem::path(testing::TempDir()) / "quillon_cli_zones.svg";
    std::filesystem::remove(path);
    EXPECT_EQ(run({"--z", "24", "--fit", "9X/8f", "--zones", path.string()}).code, 2);
    EXPECT_FALSE(std::filesystem::exists(path));
    const Outcome result =
        run({"--designation", "W 50 x 2 x 24", "--fit", "9H/8f", "--zones", path.string()});
    ASSERT_EQ(result.code, 0) << result.err;
    std::ifstream file(path, std::ios::binary);
    const std::string svg((std::istreambuf_iterator<char>(file)), {});
    const auto zones = textio::test::pythonOutput(
        "import sys\n"
        "from svgelements import SVG, Rect\n"
        "svg = SVG.parse(sys.argv[1])\n"
        "print(svg.values.get('title', ''), sorted(e.id for e in svg.elements()\n"
        "      if isinstance(e, Rect) and e.id.startswith('zone-')))\n",
        svg);
    if (!zones) {
        GTEST_SKIP() << "no Python with svgelements to read the diagram back";
    }
    EXPECT_NE(zones->find("['zone-hub-actual', 'zone-hub-effective', 'zone-shaft-actual', "
                          "'zone-shaft-effective']"),
              std::string::npos)
        << *zones;
}

// The columns fit and measured_m bring the connection's columns; a row's bad fit is that row's
// error; a batch without them keeps its columns.
TEST(CommandLine, BatchWithFitColumn) {
    const Outcome result = run({"--batch", "-"},
                               "designation,fit,measured_m\n"
                               "W 50x2x24,9H/8f,52.640\n"
                               "W 50x2x24 8f,,52.7\n"
                               "W 50x2x24,9H/9k,\n"
                               "W 50x2x24,9X/8f,\n");
    EXPECT_EQ(result.code, 1) << result.err;
    const auto rows = textio::test::pythonOutput(
        "import csv,sys\n"
        "for r in csv.DictReader(open(sys.argv[1], newline='', encoding='utf-8')):\n"
        "    print('|'.join([r['clearance_effective_min'], r['clearance_actual_max'],\n"
        "                    r['interference'], r['measured_actual'], r['measured_within'],\n"
        "                    r['error']]))\n",
        result.out);
    if (!rows) {
        GTEST_SKIP() << "no Python to read the batch back";
    }
    EXPECT_EQ(
        *rows,
        "0.022|0.143|false|2.9861|true|\n"
        "|||3.0231|false|\n"
        "-0.022|0.120|true|||\n"
        "|||||fit 的值“9X/8f”不是有效的配合：内花键没有基本偏差 X（可用 F、G、H、J、K、M）\n");
    EXPECT_EQ(run({"--batch", "-"}, "z\n20\n").out.find("clearance"), std::string::npos);
}

TEST(CommandLine, UnreadableBatchesAreUsageErrors) {
    const struct {
        std::string input;
        const char* inErr;
    } cases[] = {
        {"", "缺少列名行"},
        {"z,teeth\n20,1\n", "未知的列“teeth”"},
        {"z\n20\n\"21\n", "引号未闭合"},
        {"z\n" + std::string(70000, '1') + "\n", "第 2 行"},
        {std::string("z\n2\0", 4) + "0\n", "NUL"},
    };
    for (const auto& c : cases) {
        const Outcome result = run({"--batch", "-"}, c.input);
        EXPECT_EQ(result.code, 2);
        EXPECT_NE(result.err.find(c.inErr), std::string::npos) << result.err;
    }
}

}  // namespace
}  // namespace quillon::cli
