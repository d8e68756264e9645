// The connection of a hub and a shaft: a fit worked by hand from tolerance/data/db1.sql, the
// identities every fit must satisfy, and measurements read back to their sizes.
#include "quillon/document/connection.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <sstream>

#include "quillon/document/connection_report.h"
#include "quillon/document/measured_size.h"
#include "quillon/document/spline_document.h"
#include "quillon/document/zone_diagram_svg.h"
#include "quillon/engine/field_text.h"

using namespace quillon::engine;

namespace quillon::document {
namespace {

constexpr double kMicrometre = 1e-3;
constexpr double kExact = 1e-12;

std::shared_ptr<const tolerance::ToleranceDatabase> database() {
    static const auto loaded = std::make_shared<const tolerance::ToleranceDatabase>(
        tolerance::ToleranceDatabase::load(QUILLON_TOLERANCE_DB_FILE));
    return loaded;
}

SplineDocument designed(const char* designation) {
    SplineDocument doc(Edition::tolerance(), database());
    doc.applyDesignation(*parseDesignation(designation).designation);
    return doc;
}

Connection connected(const char* designation, const char* fit) {
    const SplineDocument doc = designed(designation);
    ConnectionResult result = connection(doc, fit);
    EXPECT_TRUE(result.connection) << designation << " " << fit << ": " << result.refusal;
    return result.connection.value_or(Connection{});
}

// W 50 x 2 x 24 (x = −0.05) with 9H/8f. Both parts fall in row 3 of the tables (m = 2; the shaft's
// da = 49.6 and the hub's df = 50.0 both round to 50, in 25 < D <= 50). From db1.sql, row 3:
//   hub 9H:   A (column h) = 0,   T (9) = 71, TE (9) = 45, Teff = 26
//   shaft 8f: A (column f) = −22, T (8) = 50, TE (8) = 32, Teff = 18
// Nominal s = e = 2·(π/2 − 2·0.05·tan 30°) = 3.0261226 mm. In µm from it:
//   hub:   ev min 0, e max +71, e min +26, ev max +45
//   shaft: sv max −22, s min −72, s max −40, sv min −54
// Clearances, µm: effective 0 + 22 = 22 to 45 + 54 = 99, actual 26 + 40 = 66 to 71 + 72 = 143;
// as angles on d/2 = 24 mm: 0.022/24 rad = 3.1513′, 14.1807′, 9.4538′, 20.4832′.
TEST(Connection, TheFitWorkedByHand) {
    for (const char* part : {"W 50 x 2 x 24 x 8f", "N 50 x 2 x 24 x 9H"}) {
        SCOPED_TRACE(part);
        const Connection c = connected(part, "9H/8f");
        EXPECT_EQ(c.designation, "DIN 5480 - 50 x 2 x 30 x 24 x 9H/8f");
        EXPECT_NEAR(c.shaft.nominal, 3.0261226, 1e-7);
        EXPECT_NEAR(c.hub.nominal, c.shaft.nominal, kExact);
        const auto expectPart = [](const PartSizes& p, tolerance::ToleranceTableValues table,
                                   PartLimits deviations) {
            EXPECT_EQ(p.table, table);
            EXPECT_NEAR(p.effectiveTolerance, table.totalTolerance - table.actualTolerance, 0);
            EXPECT_NEAR(p.deviations.effectiveMin, deviations.effectiveMin, kExact);
            EXPECT_NEAR(p.deviations.effectiveMax, deviations.effectiveMax, kExact);
            EXPECT_NEAR(p.deviations.actualMin, deviations.actualMin, kExact);
            EXPECT_NEAR(p.deviations.actualMax, deviations.actualMax, kExact);
            EXPECT_NEAR(p.sizes.actualMax, p.nominal + deviations.actualMax / 1000, kExact);
        };
        expectPart(c.hub, {3, 0, 71, 45}, {0, 45, 26, 71});
        expectPart(c.shaft, {3, -22, 50, 32}, {-54, -22, -72, -40});
        EXPECT_NEAR(c.clearance.effectiveMin, 0.022, kExact);
        EXPECT_NEAR(c.clearance.effectiveMax, 0.099, kExact);
        EXPECT_NEAR(c.clearance.actualMin, 0.066, kExact);
        EXPECT_NEAR(c.clearance.actualMax, 0.143, kExact);
        EXPECT_NEAR(c.backlash.effectiveMin, 3.1513, 1e-4);
        EXPECT_NEAR(c.backlash.effectiveMax, 14.1807, 1e-4);
        EXPECT_NEAR(c.backlash.actualMin, 9.4538, 1e-4);
        EXPECT_NEAR(c.backlash.actualMax, 20.4832, 1e-4);
        EXPECT_FALSE(c.interference);
        EXPECT_TRUE(c.warning.empty());
    }
}

// The identities, for fits with every kind of hub letter and shafts on both sides of the zero line.
TEST(Connection, LimitsAgreeWithTheReportAndClearancesAddUp) {
    const struct {
        const char* part;
        const char* fit;
        bool interference;
    } cases[] = {
        {"W 50 x 2 x 24 x 8f", "9H/8f", false},  {"N 50 x 2 x 24 x 9H", "9H/8f", false},
        {"W 120 x 3 x 38 x 7h", "7F/7h", false}, {"N 25 x 1.25 x 18 x 11G", "11G/10d", false},
        {"W 50 x 2 x 24 x 9k", "9H/9k", true},   {"N 15 x 0.8 x 17 x 6M", "6M/5v", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.part) + " " + c.fit);
        const SplineDocument doc = designed(c.part);
        const Connection conn = connected(c.part, c.fit);
        // The document's own part, calculated with its own class, is the connection's part.
        const PartSizes& own = conn.part(*doc.form().selectedKind());
        EXPECT_EQ(own.deviation, doc.deviation());
        EXPECT_EQ(own.inspection.mLimitsExact->pairText(),
                  doc.inspection().mLimitsExact->pairText());
        // Actual limits are the report's: near and far deviations, mm.
        EXPECT_NEAR(conn.shaft.deviation.farDeviation, conn.shaft.deviations.actualMin / 1000,
                    kExact);
        EXPECT_NEAR(conn.shaft.deviation.nearDeviation, conn.shaft.deviations.actualMax / 1000,
                    kExact);
        EXPECT_NEAR(conn.hub.deviation.farDeviation, conn.hub.deviations.actualMax / 1000, kExact);
        EXPECT_NEAR(conn.hub.deviation.nearDeviation, conn.hub.deviations.actualMin / 1000, kExact);
        const Clearances& j = conn.clearance;
        const double te =
            (conn.hub.table.actualTolerance + conn.shaft.table.actualTolerance) / 1000;
        const double t = (conn.hub.table.totalTolerance + conn.shaft.table.totalTolerance) / 1000;
        EXPECT_NEAR(j.effectiveMax - j.effectiveMin, te, kExact);
        EXPECT_NEAR(j.actualMax - j.actualMin, te, kExact);
        EXPECT_NEAR(j.actualMax - j.effectiveMin, t, kExact);
        EXPECT_EQ(conn.interference, c.interference);
        EXPECT_EQ(conn.warning.starts_with("可能过盈"), c.interference);
    }
}

TEST(Connection, RefusesWhatIsNoFitOrNoConnectableSpline) {
    const SplineDocument doc = designed("W 50 x 2 x 24 x 8f");
    const struct {
        const char* fit;
        const char* reason;
    } fits[] = {
        {"9H", "配合只有一个公差带"},      {"9Q/8f", "内花键没有基本偏差 Q"},
        {"9H/8w", "外花键没有基本偏差 w"}, {"13H/8f", "公差等级 13"},
        {"9h/8f", "内花键的公差带 9h"},    {"9H/8F", "外花键的公差带 8F"},
        {"9H/8j", "外花键没有基本偏差 j"},
    };
    for (const auto& f : fits) {
        const ConnectionResult result = connection(doc, f.fit);
        EXPECT_FALSE(result.connection) << f.fit;
        EXPECT_TRUE(result.refusal.starts_with(f.reason)) << f.fit << ": " << result.refusal;
    }
    SplineDocument lite(Edition::lite());
    lite.applyDesignation(*parseDesignation("W 50 x 2 x 24").designation);
    EXPECT_FALSE(connection(lite, "9H/8f").connection);
    SplineDocument fresh(Edition::tolerance(), database());
    EXPECT_EQ(connection(fresh, "9H/8f").refusal, fresh.profile().design.problem);
    fresh.setText(Field::z, "20");
    fresh.setText(Field::beta, "15");
    fresh.calculate();
    EXPECT_EQ(connection(fresh, "9H/8f").refusal, fresh.designation().reason);
}

TEST(Connection, DefaultFitTakesTheWindowsClassAndTheZeroLineForTheMate) {
    EXPECT_EQ(printFit(defaultFit(designed("W 50 x 2 x 24 x 8f"))), "8H/8f");
    EXPECT_EQ(printFit(defaultFit(designed("N 50 x 2 x 24 x 10G"))), "10G/10h");
    SplineDocument shaftWithCapital = designed("W 50 x 2 x 24 x 9f");
    shaftWithCapital.setText(Field::seriesLetter, "H");
    EXPECT_EQ(printFit(defaultFit(shaftWithCapital)), "9H/9h");
}

// A printed limit of W or exact M reads back as that limit's size; refusals for bad values.
TEST(MeasuredSize, PrintedLimitsReadBackAsTheirSizes) {
    for (const char* fit : {"9H/8f", "7F/9k", "11G/10d"}) {
        const Connection c = connected("W 50 x 2 x 24 x 8f", fit);
        for (const PartSizes* part : {&c.hub, &c.shaft}) {
            SCOPED_TRACE(std::string(fit) + (part == &c.hub ? " hub" : " shaft"));
            const bool shaft = part->kind == SplineKind::External;
            // The near deviation gives the actual max of a shaft and the actual min of a hub.
            const double nearSize = shaft ? part->sizes.actualMax : part->sizes.actualMin;
            const double farSize = shaft ? part->sizes.actualMin : part->sizes.actualMax;
            std::vector<std::pair<MeasuredQuantity, report::LimitTexts>> printed = {
                {MeasuredQuantity::M, *part->inspection.mLimitsExact}};
            if (shaft) {
                printed.push_back({MeasuredQuantity::W, *part->inspection.wLimits});
            }
            for (const auto& [quantity, limits] : printed) {
                for (const auto& [text, size] :
                     {std::pair{limits.nearLimit, nearSize}, {limits.farLimit, farSize}}) {
                    const MeasuredSizeResult read = measuredSize(*part, quantity, readNumber(text));
                    ASSERT_TRUE(read.size) << text << ": " << read.refusal;
                    EXPECT_NEAR(read.size->actual, size, kMicrometre) << text;
                    EXPECT_NEAR(read.size->deviationMicrometres,
                                (read.size->actual - part->nominal) * 1000, 1e-9);
                    EXPECT_TRUE(read.size->within) << text;
                }
                const double outside =
                    readNumber(limits.nearLimit) * 2 - readNumber(limits.farLimit);
                EXPECT_FALSE(measuredSize(*part, quantity, outside).size->within);
            }
        }
    }
    const Connection c = connected("W 50 x 2 x 24 x 8f", "9H/8f");
    for (double bad : {-1.0, 0.0, std::nan(""), 1e6}) {
        EXPECT_FALSE(measuredSize(c.shaft, MeasuredQuantity::M, bad).size) << bad;
    }
    EXPECT_FALSE(measuredSize(c.hub, MeasuredQuantity::W, 20).size);
    // A span that no tooth of this size can give: below its one tooth, beyond a whole pitch more.
    for (double span : {1.0, 40.0}) {
        EXPECT_FALSE(measuredSize(c.shaft, MeasuredQuantity::W, span).size) << span;
    }
}

// The diagram read back by an independent SVG reader: every zone stands at its deviations from the
// zero line, to scale, and every boundary label is there. 9H/8f as worked by hand above.
TEST(ZoneDiagram, SvgShowsEachZoneAtItsDeviations) {
#ifdef _WIN32
    GTEST_SKIP() << "the reader is a Python program of the Linux build machine";
#endif
    const Connection c = connected("W 50 x 2 x 24 x 8f", "9H/8f");
    const ZoneDiagram diagram = zoneDiagram(c);
    const std::string path = testing::TempDir() + "quillon_zones.svg";
    std::ofstream(path, std::ios::binary) << zoneDiagramSvg(diagram, "quillon test");
    const char* program =
        "-c 'import sys\n"
        "from svgelements import SVG, Rect, SimpleLine, Text\n"
        "svg = SVG.parse(sys.argv[1], ppi=25.4)\n"
        "for e in svg.elements():\n"
        "    if isinstance(e, Rect) and e.id.startswith(\"zone-\"):\n"
        "        print(e.id, round(e.y, 6), round(e.y + e.height, 6))\n"
        "    elif isinstance(e, SimpleLine) and e.id == \"zero-line\":\n"
        "        print(\"zero\", round(e.y1, 6))\n"
        "    elif isinstance(e, Text):\n"
        "        print(\"text\", e.text)'";
    std::string out;
    if (FILE* pipe =
            popen(("/usr/bin/python3 " + std::string(program) + " " + path).c_str(), "r")) {
        char buffer[512];
        while (fgets(buffer, sizeof buffer, pipe)) {
            out += buffer;
        }
        ASSERT_EQ(pclose(pipe), 0) << out;
    }
    std::istringstream lines(out);
    std::map<std::string, std::pair<double, double>> rects;  // top and bottom, mm, y down
    double zero = 0;
    std::set<std::string> texts;
    for (std::string word; lines >> word;) {
        if (word == "zero") {
            lines >> zero;
        } else if (word == "text") {
            std::string rest;
            std::getline(lines, rest);
            texts.insert(rest.substr(1));
        } else {
            lines >> rects[word].first >> rects[word].second;
        }
    }
    // µm per mm of the sheet from the hub's actual zone (71 − 26 = 45 µm), then every edge.
    const auto& hubActual = rects["zone-hub-actual"];
    const double scale = 45 / (hubActual.second - hubActual.first);
    const std::map<std::string, std::pair<double, double>> expected = {
        {"zone-hub-effective", {45, 0}},
        {"zone-hub-actual", {71, 26}},
        {"zone-shaft-effective", {-22, -54}},
        {"zone-shaft-actual", {-40, -72}}};
    for (const auto& [id, upperLower] : expected) {
        ASSERT_EQ(rects.count(id), 1u) << id << "\n" << out;
        EXPECT_NEAR((zero - rects[id].first) * scale, upperLower.first, 1e-3) << id;
        EXPECT_NEAR((zero - rects[id].second) * scale, upperLower.second, 1e-3) << id;
    }
    for (const char* label : {"+71", "+45", "+26", "0", "−22", "−40", "−54", "−72",
                              "最小侧隙（作用）+22 µm", "最大侧隙（实际）+143 µm"}) {
        EXPECT_EQ(texts.count(label), 1u) << label;
    }
    EXPECT_EQ(diagram.description.size(), 7u);  // zero line, four zones, two clearances
    EXPECT_EQ(zoneDiagram(connected("W 50 x 2 x 24 x 9k", "9H/9k")).description.back(),
              connected("W 50 x 2 x 24 x 9k", "9H/9k").warning);
}

// The 24 lines stay as they are; the section holds the hand-worked numbers in characters that the
// report file's GBK holds.
TEST(ConnectionReport, FollowsTheTwentyFourLines) {
    const SplineDocument doc = designed("W 50 x 2 x 24 x 8f");
    const Connection c = connected("W 50 x 2 x 24 x 8f", "9H/8f");
    const std::vector<std::string> lines = reportLines(doc, c);
    const std::vector<std::string> own = doc.reportLines();
    ASSERT_EQ(own.size(), 24u);
    ASSERT_GT(lines.size(), own.size());
    EXPECT_TRUE(std::equal(own.begin(), own.end(), lines.begin()));
    std::string section;
    for (std::size_t i = own.size(); i < lines.size(); ++i) {
        section += lines[i] + "\n";
    }
    for (const char* expected :
         {"ev = 3.0261 — 3.0711", "e  = 3.0521 — 3.0971", "sv = 2.9721 — 3.0041",
          "s  = 2.9541 — 2.9861", "jv = 0.022 — 0.099 mm  (3.15′ — 14.18′)",
          "j  = 0.066 — 0.143 mm  (9.45′ — 20.48′)",
          "8f  A = -22  T = 50  TE = 32  Teff = 18 μm"}) {
        EXPECT_NE(section.find(expected), std::string::npos) << expected << "\n" << section;
    }
    iconv_t gbk = iconv_open("GBK", "UTF-8");
    std::string in = section;
    std::string out(in.size() * 2, '\0');
    char* from = in.data();
    char* to = out.data();
    std::size_t left = in.size();
    std::size_t room = out.size();
    EXPECT_NE(iconv(gbk, &from, &left, &to, &room), static_cast<std::size_t>(-1)) << section;
    iconv_close(gbk);
}

}  // namespace
}  // namespace quillon::document
