#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "quillon/engine/field_text.h"
#include "quillon/strength/mating_geometry.h"
#include "quillon/strength/strength_check.h"
#include "quillon/strength/strength_quantities.h"
#include "quillon/strength/strength_tables.h"
#include "quillon/strength/strength_text.h"

namespace quillon::strength {
namespace {

// W 50 × 2 × 24 (x = −0.05, cn = 0.1): shaft da = dB − 0.2·m = 49.6, df = dB − 2·m − 2·cn·m =
// 45.6; the hub N 50 × 2 × 24 has da = dB − 2·m = 46 and df = 50.
constexpr double kZ = 24;

MatingGeometry shaftPair() {
    return matingGeometry(engine::SplineKind::External, 2, 50, 0.1, 49.6, 45.6);
}

MatingGeometry hubPair() {
    return matingGeometry(engine::SplineKind::Internal, 2, 50, 0.1, 46.0, 50.0);
}

// T = 500 N·m, l = 40 mm, the defaults otherwise.
StrengthInput w50() {
    StrengthInput in;
    in.torque = 500;
    in.length = 40;
    return in;
}

StrengthResult resultOf(const StrengthInput& in, const MatingGeometry& pair = shaftPair()) {
    const StrengthCheck c = check(in, kZ, pair);
    EXPECT_TRUE(c.problems.empty()) << c.problems.front().message;
    return c.result.value_or(StrengthResult{});
}

void expectRelative(double actual, double expected, const char* what) {
    EXPECT_NEAR(actual, expected, 1e-9 * std::abs(expected)) << what;
}

// ---- W 50 × 2 × 24 ----

TEST(StrengthW50, ShaftPressureLimitsAndLines) {
    const MatingGeometry pair = shaftPair();
    EXPECT_DOUBLE_EQ(pair.da1, 49.6);
    EXPECT_DOUBLE_EQ(pair.da2, 46.0);
    EXPECT_DOUBLE_EQ(pair.df1, 45.6);

    StrengthInput in = w50();
    in.pAllowed = 100;
    const StrengthResult r = resultOf(in);
    EXPECT_NEAR(r.meanDiameter, 47.8, 1e-12);
    EXPECT_NEAR(r.contactHeight, 1.8, 1e-12);
    EXPECT_NEAR(r.pressure, 16.14, 0.005);
    EXPECT_NEAR(r.torqueMax, 3097.4, 0.05);
    EXPECT_NEAR(r.lengthMin, 6.46, 0.005);
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.verdict, "通过");

    // Without a typed value the table's lower end: fixed joint, medium, not hardened.
    EXPECT_EQ(resultOf(w50()).pAllowed, 60);

    in.yield = 60;
    const std::vector<std::string> lines = {
        "计算方法：齿面平均挤压应力法（Niemann：p = KA·Ft/(z·h'·l·φ)），直齿渐开线花键",
        "转矩 T = 500.0 N·m",
        "平均直径 dm = 47.800 mm",
        "齿面接触高度 h' = 1.800 mm",
        "圆周力 Ft = 20921 N",
        "齿面平均挤压应力 p = 16.1 MPa",
        "采用的许用挤压应力 [p] = 100.0 MPa（输入值；表值 60–100 MPa）",
        "挤压安全系数 S = 6.19",
        "最大许用转矩 T_max = 3097.4 N·m",
        "最小接合长度 l_min = 6.46 mm",
        "轴齿根扭转切应力 τ = 26.9 MPa",
        "扭转安全系数 S_τ = 1.29（要求 ≥ 1.5）",
        "结论：不通过：轴扭转（S_τ = 1.29 < 1.5）",
    };
    EXPECT_EQ(resultLines(resultOf(in)), lines);
}

TEST(StrengthW50, HubHasTheSamePair) {
    EXPECT_EQ(hubPair(), shaftPair());
    const StrengthResult shaft = resultOf(w50(), shaftPair());
    const StrengthResult hub = resultOf(w50(), hubPair());
    EXPECT_EQ(hub.meanDiameter, shaft.meanDiameter);
    EXPECT_EQ(hub.contactHeight, shaft.contactHeight);
    EXPECT_EQ(hub.tau, shaft.tau);
}

TEST(StrengthW50, VerdictNamesEveryFailedCheck) {
    StrengthInput in = w50();
    in.pAllowed = 10;
    in.yield = 60;
    const StrengthResult r = resultOf(in);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.failed, (std::vector{FailedCheck::Pressure, FailedCheck::Torsion}));
    EXPECT_EQ(checkKey(r.failed[0]), "pressure");
    EXPECT_EQ(checkKey(r.failed[1]), "torsion");
    EXPECT_EQ(r.verdict, "不通过：齿面挤压（S = 0.62 < 1）；轴扭转（S_τ = 1.29 < 1.5）");
}

// ---- Identities ----

struct IdentityCase {
    const char* name;
    std::function<void(StrengthInput&)> change;
    MatingGeometry pair;
};

TEST(StrengthIdentities, HoldForEveryConnection) {
    const IdentityCase cases[] = {
        {"w50 shaft", [](StrengthInput&) {}, shaftPair()},
        {"w50 hub, chamfers, KA 1.5, hardened, good",
         [](StrengthInput& in) {
             in.chamferShaft = 0.2;
             in.chamferHub = 0.1;
             in.ka = 1.5;
             in.hardened = true;
             in.conditions = Conditions::Good;
         },
         hubPair()},
        {"hollow shaft, typed [p], φ 0.9",
         [](StrengthInput& in) {
             in.bore = 20;
             in.pAllowed = 75;
             in.loadShare = 0.9;
             in.torque = 1234.5;
         },
         matingGeometry(engine::SplineKind::External, 3, 120, 0.15, 119.4, 112.1)},
    };
    for (const IdentityCase& c : cases) {
        SCOPED_TRACE(c.name);
        StrengthInput in = w50();
        c.change(in);
        const StrengthResult base = resultOf(in, c.pair);

        StrengthInput longer = in;
        longer.length = 2.5 * in.length;
        expectRelative(resultOf(longer, c.pair).pressure * longer.length, base.pressure * in.length,
                       "p·l constant");

        StrengthInput atMax = in;
        atMax.torque = base.torqueMax;
        expectRelative(resultOf(atMax, c.pair).pressure, base.pAllowed, "p at T_max");

        StrengthInput atMin = in;
        atMin.length = base.lengthMin;
        expectRelative(resultOf(atMin, c.pair).pressure, base.pAllowed, "p at l_min");

        StrengthInput byPower = in;
        byPower.torque.reset();
        byPower.power = 37;
        byPower.speed = 1450;
        StrengthInput byTorque = in;
        byTorque.torque = 9549.3 * 37 / 1450;
        expectRelative(resultOf(byPower, c.pair).pressure, resultOf(byTorque, c.pair).pressure,
                       "P and n as T");

        StrengthInput doubledKa = in;
        doubledKa.ka = 2 * in.ka;
        expectRelative(resultOf(doubledKa, c.pair).pressure, 2 * base.pressure, "KA scales p");

        StrengthInput halfShare = in;
        halfShare.loadShare = 0.5;
        StrengthInput fullShare = in;
        fullShare.loadShare = 1;
        expectRelative(resultOf(halfShare, c.pair).pressure,
                       2 * resultOf(fullShare, c.pair).pressure, "φ scales p");
    }
}

// ---- Tables ----

struct PressureCell {
    Joint joint;
    Conditions conditions;
    std::optional<PressureRange> unhardened;
    PressureRange hardened;
};

TEST(StrengthTables, PermissiblePressureEveryCell) {
    const PressureCell cells[] = {
        {Joint::Fixed, Conditions::Poor, PressureRange{35, 50}, {40, 70}},
        {Joint::Fixed, Conditions::Medium, PressureRange{60, 100}, {100, 140}},
        {Joint::Fixed, Conditions::Good, PressureRange{80, 120}, {120, 200}},
        {Joint::Sliding, Conditions::Poor, PressureRange{15, 20}, {20, 35}},
        {Joint::Sliding, Conditions::Medium, PressureRange{20, 30}, {30, 60}},
        {Joint::Sliding, Conditions::Good, PressureRange{25, 40}, {40, 70}},
        {Joint::SlidingLoaded, Conditions::Poor, std::nullopt, {3, 10}},
        {Joint::SlidingLoaded, Conditions::Medium, std::nullopt, {5, 15}},
        {Joint::SlidingLoaded, Conditions::Good, std::nullopt, {10, 20}},
    };
    for (const PressureCell& cell : cells) {
        SCOPED_TRACE(std::string(jointKey(cell.joint)) + " " +
                     std::string(conditionsKey(cell.conditions)));
        EXPECT_EQ(permissiblePressure(cell.joint, cell.conditions, false), cell.unhardened);
        EXPECT_EQ(permissiblePressure(cell.joint, cell.conditions, true), cell.hardened);

        StrengthInput in = w50();
        in.joint = cell.joint;
        in.conditions = cell.conditions;
        in.hardened = true;
        EXPECT_EQ(resultOf(in).pAllowed, cell.hardened.low);
        in.hardened = false;
        if (cell.unhardened) {
            EXPECT_EQ(resultOf(in).pAllowed, cell.unhardened->low);
            EXPECT_FALSE(resultOf(in).pAllowedTyped);
            continue;
        }
        // "—": no value, so the user must type one.
        const StrengthCheck missing = check(in, kZ, shaftPair());
        EXPECT_FALSE(missing.result);
        EXPECT_EQ(
            missing.problems,
            (std::vector<InputProblem>{
                {InputField::PAllowed,
                 "未淬硬的齿面不宜在载荷下移动，表中没有许用挤压应力。请输入许用挤压应力 [p]。"}}));
        in.pAllowed = 8;
        const StrengthResult typed = resultOf(in);
        EXPECT_EQ(typed.pAllowed, 8);
        EXPECT_FALSE(typed.pRange);
        EXPECT_EQ(resultLines(typed)[6], "采用的许用挤压应力 [p] = 8.0 MPa（输入值）");
    }
}

// The keys are the command line's words: each reads back, and the field keys are the options.
TEST(StrengthTables, KeysReadBack) {
    for (Joint joint : kJoints) {
        EXPECT_EQ(jointFromKey(jointKey(joint)), joint);
    }
    for (Conditions conditions : kConditions) {
        EXPECT_EQ(conditionsFromKey(conditionsKey(conditions)), conditions);
    }
    EXPECT_EQ(jointFromKey("sliding-loaded"), Joint::SlidingLoaded);
    EXPECT_FALSE(jointFromKey("Fixed"));
    EXPECT_FALSE(conditionsFromKey(""));
}

// The rows' conventions: snake_case keys, each read back; options are the keys hyphenated; batch
// columns of results never collide with an input's.
TEST(StrengthQuantities, RowsFollowTheConventions) {
    std::set<std::string> keys;
    for (InputField field : kInputFields) {
        const textio::Quantity& row = inputQuantity(field);
        EXPECT_EQ(fieldFromKey(row.key), field);
        std::string option = "--" + std::string(row.key);
        std::ranges::replace(option, '_', '-');
        EXPECT_EQ(row.option, option);
        EXPECT_EQ(std::string(row.key).find('-'), std::string::npos) << row.key;
        EXPECT_TRUE(keys.insert(std::string(row.key)).second) << row.key;
    }
    for (ResultField field : kResultFields) {
        EXPECT_TRUE(keys.insert(resultColumn(field)).second) << resultColumn(field);
        EXPECT_FALSE(resultQuantity(field).caption.empty());
    }
}

TEST(StrengthTables, ApplicationFactorEveryCell) {
    const double factors[3][4] = {
        {1.0, 1.2, 1.5, 1.8},
        {1.2, 1.3, 1.8, 2.1},
        {2.0, 2.2, 2.4, 2.8},
    };
    const std::vector<ApplicationFactorChoice>& choices = applicationFactorChoices();
    ASSERT_EQ(choices.size(), 12u);
    for (std::size_t row = 0; row < 3; ++row) {
        for (std::size_t column = 0; column < 4; ++column) {
            const Driving driving = kDrivings[row];
            const Driven driven = kDrivens[column];
            EXPECT_EQ(applicationFactor(driving, driven), factors[row][column]);
            const ApplicationFactorChoice& choice = choices[4 * row + column];
            EXPECT_EQ(choice.value, factors[row][column]);
            EXPECT_EQ(choice.driving, driving);
            EXPECT_EQ(choice.driven, driven);
            EXPECT_EQ(choice.label, std::string(drivingLabel(driving)) + " / " +
                                        std::string(drivenLabel(driven)) + " " +
                                        engine::formatNumber(factors[row][column], 1));
        }
    }
    EXPECT_EQ(choices.front().label, "电动机 / 均匀载荷 1.0");
    EXPECT_EQ(choices[6].label, "多缸内燃机 / 中等冲击 1.8");
    EXPECT_EQ(choices.back().label, "单缸内燃机 / 严重冲击 2.8");
}

// ---- Bad inputs ----

struct BadCase {
    const char* name;
    std::function<void(StrengthInput&, double& z, MatingGeometry&)> change;
    std::optional<InputField> field;
    const char* message;
};

TEST(StrengthBadInputs, EachGivesItsProblemAndNoResult) {
    using F = InputField;
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    // Changes of the inputs only.
    const auto in = [](std::function<void(StrengthInput&)> f) {
        return [f](StrengthInput& input, double&, MatingGeometry&) { f(input); };
    };
    const BadCase cases[] = {
        {"torque negative", in([](auto& i) { i.torque = -5; }), F::Torque, "转矩 T 必须大于 0。"},
        {"torque zero", in([](auto& i) { i.torque = 0; }), F::Torque, "转矩 T 必须大于 0。"},
        {"power negative", in([](auto& i) {
             i.torque.reset();
             i.power = -1;
             i.speed = 1000;
         }),
         F::Power, "功率 P 必须大于 0。"},
        {"speed zero", in([](auto& i) {
             i.torque.reset();
             i.power = 10;
             i.speed = 0;
         }),
         F::Speed, "转速 n 必须大于 0。"},
        {"torque and power", in([](auto& i) { i.power = 10; }), F::Torque,
         "转矩 T 与功率 P、转速 n 只能给出一种。"},
        {"torque and speed", in([](auto& i) { i.speed = 1000; }), F::Torque,
         "转矩 T 与功率 P、转速 n 只能给出一种。"},
        {"power without speed", in([](auto& i) {
             i.torque.reset();
             i.power = 10;
         }),
         F::Speed, "给出功率 P 时还须给出转速 n。"},
        {"speed without power", in([](auto& i) {
             i.torque.reset();
             i.speed = 1000;
         }),
         F::Power, "给出转速 n 时还须给出功率 P。"},
        {"no torque", in([](auto& i) { i.torque.reset(); }), F::Torque,
         "请输入转矩 T，或者功率 P 和转速 n。"},
        {"length zero", in([](auto& i) { i.length = 0; }), F::Length, "接合长度 l 必须大于 0。"},
        {"length negative", in([](auto& i) { i.length = -40; }), F::Length,
         "接合长度 l 必须大于 0。"},
        {"length not a number", in([](auto& i) { i.length = nan; }), F::Length,
         "接合长度 l 不是有效的数值。"},
        {"ka zero", in([](auto& i) { i.ka = 0; }), F::Ka, "使用系数 KA 必须大于 0。"},
        {"φ below 0.5", in([](auto& i) { i.loadShare = 0.49; }), F::LoadShare,
         "承载齿比例 φ 必须在 0.5 到 1 之间。"},
        {"φ above 1", in([](auto& i) { i.loadShare = 1.01; }), F::LoadShare,
         "承载齿比例 φ 必须在 0.5 到 1 之间。"},
        {"shaft chamfer negative", in([](auto& i) { i.chamferShaft = -0.1; }), F::ChamferShaft,
         "轴齿顶倒角 c1 不能为负数。"},
        {"hub chamfer negative", in([](auto& i) { i.chamferHub = -0.1; }), F::ChamferHub,
         "毂齿顶倒角 c2 不能为负数。"},
        {"chamfers leave no contact", in([](auto& i) {
             i.chamferShaft = 1;
             i.chamferHub = 1;
         }),
         F::ChamferShaft,
         "倒角过大：c1 + c2 = 2.000 mm，不小于齿高 (da1 − da2)/2 = 1.800 mm，齿面没有接触高度 "
         "h'。"},
        {"chamfers beyond a double together", in([](auto& i) {
             i.chamferShaft = 1e308;
             i.chamferHub = 1e308;
         }),
         F::ChamferShaft,
         "倒角过大：c1 + c2，不小于齿高 (da1 − da2)/2 = 1.800 mm，齿面没有接触高度 h'。"},
        {"hub chamfer leaves no contact", in([](auto& i) { i.chamferHub = 2; }), F::ChamferHub,
         "倒角过大：c1 + c2 = 2.000 mm，不小于齿高 (da1 − da2)/2 = 1.800 mm，齿面没有接触高度 "
         "h'。"},
        {"bore negative", in([](auto& i) { i.bore = -1; }), F::Bore,
         "空心轴内孔直径 di 不能为负数。"},
        {"bore at df1", in([](auto& i) { i.bore = 45.6; }), F::Bore,
         "空心轴内孔直径 di 必须小于轴的齿根圆直径 df1 = 45.600 mm。"},
        {"p-allowed zero", in([](auto& i) { i.pAllowed = 0; }), F::PAllowed,
         "许用挤压应力 [p] 必须大于 0。"},
        {"no p-allowed under load", in([](auto& i) { i.joint = Joint::SlidingLoaded; }),
         F::PAllowed,
         "未淬硬的齿面不宜在载荷下移动，表中没有许用挤压应力。请输入许用挤压应力 [p]。"},
        {"yield negative", in([](auto& i) { i.yield = -235; }), F::Yield,
         "屈服强度 Re 必须大于 0。"},
        {"safety-min zero", in([](auto& i) { i.safetyMin = 0; }), F::SafetyMin,
         "要求的扭转安全系数必须大于 0。"},
        {"no teeth", [](StrengthInput&, double& z, MatingGeometry&) { z = 0; }, std::nullopt,
         "花键的齿数或直径不能用于强度校核：须齿数 z > 0，da1 > da2，dm > 0，df1 > 0。"},
        {"tips crossed", [](StrengthInput&, double&, MatingGeometry& g) { g.da2 = g.da1; },
         std::nullopt,
         "花键的齿数或直径不能用于强度校核：须齿数 z > 0，da1 > da2，dm > 0，df1 > 0。"},
        {"beyond a double", in([](auto& i) {
             i.torque = 1e300;
             i.length = 1e-300;
         }),
         std::nullopt, "输入的数值过大或过小，结果超出了可以计算的范围。"},
    };
    for (const BadCase& c : cases) {
        SCOPED_TRACE(c.name);
        StrengthInput input = w50();
        double z = kZ;
        MatingGeometry pair = shaftPair();
        c.change(input, z, pair);
        const StrengthCheck result = check(input, z, pair);
        EXPECT_EQ(result.problems, (std::vector<InputProblem>{{c.field, c.message}}));
        EXPECT_FALSE(result.result);
    }
}

}  // namespace
}  // namespace quillon::strength
