// Designations as people write them read to the spline they name and print in one form that reads
// back; texts that name no spline say why.
#include <gtest/gtest.h>

#include "quillon/gbt3478/designation.h"

namespace quillon::gbt3478 {
namespace {

struct GoodText {
    const char* text;
    const char* printed;
};

TEST(Designation, ReadsTheWaysPeopleWriteItAndPrintsOneForm) {
    const GoodText cases[] = {
        {"INT 24z×2.5m×30R×5H GB/T 3478.1", "INT 24z×2.5m×30R×5H GB/T 3478.1"},
        {"EXT 24z×2.5m×30P×5h GB/T 3478.1", "EXT 24z×2.5m×30P×5h GB/T 3478.1"},
        {"INT/EXT 24z×2.5m×30R×5H/5h GB/T 3478.1", "INT/EXT 24z×2.5m×30R×5H/5h GB/T 3478.1"},
        {" int / ext 24 z x 2,5 m X 30r * 5h / 6E  gb/t3478.1-2008 ",
         "INT/EXT 24z×2.5m×30R×5H/6e GB/T 3478.1"},
        {"ISO 4156 EXT 18z*1.25m*45*6e", "EXT 18z×1.25m×45×6e GB/T 3478.1"},
        {"EXT 30Z X 1M X 37.5R X 7JS ISO 4156-1:2005", "EXT 30z×1m×37.5×7js GB/T 3478.1"},
        {"EXT 20z×0.25m×30P×4k GB/T 3478.1—2008", "EXT 20z×0.25m×30P×4k GB/T 3478.1"},
        {"INT 12z×2.125m×45×7H", "INT 12z×2.125m×45×7H GB/T 3478.1"},
    };
    for (const GoodText& c : cases) {
        const DesignationParse parsed = parseDesignation(c.text);
        ASSERT_TRUE(parsed.designation)
            << c.text << " -> " << parsed.unrecognised << " " << parsed.reason;
        const std::string printed = printDesignation(*parsed.designation);
        EXPECT_EQ(printed, c.printed);
        EXPECT_EQ(parseDesignation(printed).designation, parsed.designation) << printed;
    }
}

struct BadText {
    const char* text;
    const char* unrecognised;
    const char* reason;
};

TEST(Designation, SaysWhatItDidNotUnderstand) {
    const BadText cases[] = {
        {"", "", ""},
        {"SHAFT 24z×2.5m×30R×5h", "SHAFT 24z×2.5m×30R×5h", ""},
        {"INT 24z×2.5m×30R", "INT 24z×2.5m×30R", ""},  // ends early
        {"INT 24z×2.5m×30R×5g", "g", ""},              // no such hub fit
        {"INT 24z×2.5m×30R×5H/5h", "/5h", ""},         // a pair needs INT/EXT
        {"EXT 24z×2.5m×30R×5h GB/T 3478.2", "GB/T 3478.2", ""},
        {"EXT 24z×2.5m×30×5h", "EXT 24z×2.5m×30×5h",
         "压力角 30° 须写明齿根：30P（平齿根）或 30R（圆齿根）"},
        {"EXT 24z×2.5m×45P×5h", "EXT 24z×2.5m×45P×5h", "压力角 α 45° 只有圆齿根：不能选平齿根"},
        {"EXT 24z×2.5m×20R×5h", "EXT 24z×2.5m×20R×5h", "压力角 α 20° 不是 30°、37.5° 或 45°"},
        {"INT/EXT 24z×2.5m×30R×8H/8h", "INT/EXT 24z×2.5m×30R×8H/8h", "公差等级 8 不在 4 至 7 之间"},
        {"INT 24.5z×2.5m×30R×5H", "INT 24.5z×2.5m×30R×5H", "齿数 z 不是正整数"},
        {"INT 4z×2.5m×30R×5H", "INT 4z×2.5m×30R×5H", "齿数 z = 4 太少：至少 6 齿"},
        {"INT 24z×0.0000001m×30R×5H", "INT 24z×0.0000001m×30R×5H", "模数 m 小于 0.0000005 mm"},
    };
    for (const BadText& c : cases) {
        const DesignationParse parsed = parseDesignation(c.text);
        EXPECT_FALSE(parsed.designation) << c.text;
        EXPECT_EQ(parsed.unrecognised, c.unrecognised) << c.text;
        EXPECT_EQ(parsed.reason, c.reason) << c.text;
    }
}

TEST(Designation, OfInputsAndBack) {
    const SplineInput hub{SplineKind::Internal, 24, 2.5, 30, Root::Fillet, 5, FitLetter::H, {}, {}};
    const SplineInput shaft{SplineKind::External, 24, 2.5, 30, Root::Fillet, 6,
                            FitLetter::e,         {}, {}};
    const auto pair = designationOf(hub, shaft);
    ASSERT_TRUE(pair);
    EXPECT_EQ(printDesignation(*pair), "INT/EXT 24z×2.5m×30R×5H/6e GB/T 3478.1");
    EXPECT_EQ(inputsOf(*pair), (std::vector<SplineInput>{hub, shaft}));
    EXPECT_EQ(inputsOf(designationOf(shaft)), std::vector<SplineInput>{shaft});
    SplineInput otherSize = shaft;
    otherSize.z = 25;
    EXPECT_FALSE(designationOf(hub, otherSize));
}

}  // namespace
}  // namespace quillon::gbt3478
