#include "quillon/strength/strength_check.h"

#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <initializer_list>
#include <numbers>
#include <string>

#include "quillon/strength/strength_text.h"

namespace quillon::strength {
namespace {

constexpr double kNewtonMetresPerKilowattRpm = 9549.3;  // T = 9549.3·P/n

struct FieldNames {
    std::string_view key;
    std::string_view caption;
};

// In the order of InputField.
constexpr FieldNames kFieldNames[] = {
    {"torque", "转矩 T"},
    {"power", "功率 P"},
    {"speed", "转速 n"},
    {"length", "接合长度 l"},
    {"ka", "使用系数 KA"},
    {"load-share", "承载齿比例 φ"},
    {"chamfer-shaft", "轴齿顶倒角 c1"},
    {"chamfer-hub", "毂齿顶倒角 c2"},
    {"joint", "连接方式"},
    {"conditions", "工作条件"},
    {"hardened", "齿面淬硬"},
    {"p-allowed", "许用挤压应力 [p]"},
    {"bore", "空心轴内孔直径 di"},
    {"yield", "屈服强度 Re"},
    {"safety-min", "要求的扭转安全系数"},
};

const FieldNames& namesOf(InputField field) {
    return kFieldNames[static_cast<std::size_t>(field)];
}

// "转矩 T" + "必须大于 0。" -> "转矩 T 必须大于 0。": a blank after a Latin symbol only.
std::string sentence(InputField field, std::string_view rest) {
    std::string text(fieldCaption(field));
    if (static_cast<unsigned char>(text.back()) < 0x80) {
        text += ' ';
    }
    return text.append(rest);
}

class Problems {
  public:
    void add(std::optional<InputField> field, std::string message) {
        list_.push_back({field, std::move(message)});
    }

    // A number the field must hold: finite, and above zero or at least zero.
    void requirePositive(InputField field, double value) {
        if (finite(field, value) && !(value > 0)) {
            add(field, sentence(field, "必须大于 0。"));
        }
    }
    void requireNonNegative(InputField field, double value) {
        if (finite(field, value) && value < 0) {
            add(field, sentence(field, "不能为负数。"));
        }
    }
    bool finite(InputField field, double value) {
        if (!std::isfinite(value)) {
            add(field, sentence(field, "不是有效的数值。"));
            return false;
        }
        return true;
    }

    bool empty() const { return list_.empty(); }
    std::vector<InputProblem> take() { return std::move(list_); }

  private:
    std::vector<InputProblem> list_;
};

void checkTorqueSource(const StrengthInput& in, Problems& problems) {
    if (in.torque) {
        problems.requirePositive(InputField::Torque, *in.torque);
    }
    if (in.power) {
        problems.requirePositive(InputField::Power, *in.power);
    }
    if (in.speed) {
        problems.requirePositive(InputField::Speed, *in.speed);
    }
    if (in.torque && (in.power || in.speed)) {
        problems.add(InputField::Torque, "转矩 T 与功率 P、转速 n 只能给出一种。");
    } else if (in.power && !in.speed) {
        problems.add(InputField::Speed, "给出功率 P 时还须给出转速 n。");
    } else if (in.speed && !in.power) {
        problems.add(InputField::Power, "给出转速 n 时还须给出功率 P。");
    } else if (!in.torque && !in.power) {
        problems.add(InputField::Torque, "请给出转矩 T，或者功率 P 和转速 n。");
    }
}

bool geometryUsable(double z, const MatingGeometry& g) {
    const bool finite =
        std::isfinite(z) && std::isfinite(g.da1) && std::isfinite(g.da2) && std::isfinite(g.df1);
    return finite && z > 0 && g.da1 > g.da2 && g.da1 + g.da2 > 0 && g.df1 > 0;
}

void checkGeometryInputs(const StrengthInput& in, const MatingGeometry& g, Problems& problems) {
    const double chamfers = in.chamferShaft + in.chamferHub;
    const double toothHeight = (g.da1 - g.da2) / 2;
    if (in.chamferShaft >= 0 && in.chamferHub >= 0 && !(toothHeight - chamfers > 0)) {
        const InputField field =
            in.chamferShaft >= in.chamferHub ? InputField::ChamferShaft : InputField::ChamferHub;
        // Two chamfers near the largest double add up to more than one holds: no sum to show.
        std::string sum = "c1 + c2";
        if (std::isfinite(chamfers)) {
            sum += " = " + fixedText(chamfers, 3) + " mm";
        }
        problems.add(field, "倒角过大：" + sum + "，不小于齿高 (da1 − da2)/2 = " +
                                fixedText(toothHeight, 3) + " mm，齿面没有接触高度 h'。");
    }
    if (in.bore >= 0 && !(in.bore < g.df1)) {
        problems.add(InputField::Bore, "空心轴内孔直径 di 必须小于轴的齿根圆直径 df1 = " +
                                           fixedText(g.df1, 3) + " mm。");
    }
}

// A failing value shown below its limit: with the usual decimals, or more where those would round
// it up to the limit (0.996 -> "0.996" against 1, not "1.00").
std::string textBelow(double value, double limit, int decimals) {
    std::string text = fixedText(value, decimals);
    for (int more = decimals + 1; more <= 12 && !(std::strtod(text.c_str(), nullptr) < limit);
         ++more) {
        text = fixedText(value, more);
    }
    return text;
}

std::string verdictOf(const StrengthResult& r) {
    if (r.ok) {
        return "通过";
    }
    const int decimals = decimalsOf(Quantity::Safety);
    std::string text = "不通过：";
    for (std::size_t i = 0; i < r.failed.size(); ++i) {
        if (i > 0) {
            text += "；";
        }
        if (r.failed[i] == FailedCheck::Pressure) {
            text += "齿面挤压（S = " + textBelow(r.safety, 1, decimals) + " < 1）";
        } else {
            text += "轴扭转（S_τ = " + textBelow(*r.tauSafety, r.safetyMin, decimals) + " < " +
                    shortText(r.safetyMin) + "）";
        }
    }
    return text;
}

bool allFinitePositive(std::initializer_list<double> values) {
    for (double v : values) {
        if (!(std::isfinite(v) && v > 0)) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::optional<std::string_view> notCheckedReason(double beta) {
    if (beta == 0) {
        return std::nullopt;
    }
    return kHelicalNotChecked;
}

std::string_view fieldKey(InputField field) {
    return namesOf(field).key;
}

std::optional<InputField> fieldFromKey(std::string_view key) {
    for (InputField field : kInputFields) {
        if (fieldKey(field) == key) {
            return field;
        }
    }
    return std::nullopt;
}

std::string_view fieldCaption(InputField field) {
    return namesOf(field).caption;
}

std::string_view checkKey(FailedCheck check) {
    return check == FailedCheck::Pressure ? "pressure" : "torsion";
}

StrengthCheck check(const StrengthInput& in, double z, const MatingGeometry& pair) {
    Problems problems;
    const bool geometryOk = geometryUsable(z, pair);
    if (!geometryOk) {
        problems.add(
            std::nullopt,
            "花键的齿数或直径不能用于强度校核：须齿数 z > 0，da1 > da2，dm > 0，df1 > 0。");
    }
    checkTorqueSource(in, problems);
    problems.requirePositive(InputField::Length, in.length);
    problems.requirePositive(InputField::Ka, in.ka);
    if (problems.finite(InputField::LoadShare, in.loadShare) &&
        !(in.loadShare >= 0.5 && in.loadShare <= 1)) {
        problems.add(InputField::LoadShare, "承载齿比例 φ 必须在 0.5 到 1 之间。");
    }
    problems.requireNonNegative(InputField::ChamferShaft, in.chamferShaft);
    problems.requireNonNegative(InputField::ChamferHub, in.chamferHub);
    problems.requireNonNegative(InputField::Bore, in.bore);
    if (geometryOk) {
        checkGeometryInputs(in, pair, problems);
    }
    const std::optional<PressureRange> range =
        permissiblePressure(in.joint, in.conditions, in.hardened);
    if (in.pAllowed) {
        problems.requirePositive(InputField::PAllowed, *in.pAllowed);
    } else if (!range) {
        problems.add(InputField::PAllowed,
                     std::string(kNoPermissiblePressureNote) + "请输入许用挤压应力 [p]。");
    }
    if (in.yield) {
        problems.requirePositive(InputField::Yield, *in.yield);
    }
    problems.requirePositive(InputField::SafetyMin, in.safetyMin);
    if (!problems.empty()) {
        return {problems.take(), std::nullopt};
    }

    StrengthResult r;
    r.torque = in.torque ? *in.torque : kNewtonMetresPerKilowattRpm * *in.power / *in.speed;
    r.meanDiameter = (pair.da1 + pair.da2) / 2;
    r.contactHeight = (pair.da1 - pair.da2) / 2 - in.chamferShaft - in.chamferHub;
    r.force = 2000 * r.torque / r.meanDiameter;
    const double carrying = z * r.contactHeight * in.length * in.loadShare;  // mm²
    r.pressure = in.ka * r.force / carrying;
    r.pRange = range;
    r.pAllowedTyped = in.pAllowed.has_value();
    r.pAllowed = in.pAllowed ? *in.pAllowed : range->low;
    r.safety = r.pAllowed / r.pressure;
    r.torqueMax = r.pAllowed * carrying * r.meanDiameter / (2000 * in.ka);
    r.lengthMin = 2000 * in.ka * r.torque /
                  (r.meanDiameter * z * r.contactHeight * in.loadShare * r.pAllowed);
    const double df1 = pair.df1;
    r.tau = 16000 * in.ka * r.torque * df1 /
            (std::numbers::pi * (std::pow(df1, 4) - std::pow(in.bore, 4)));
    if (in.yield) {
        r.tauSafety = *in.yield / (std::numbers::sqrt3 * r.tau);
    }
    r.safetyMin = in.safetyMin;
    if (!allFinitePositive({r.torque, r.meanDiameter, r.contactHeight, r.force, r.pressure,
                            r.safety, r.torqueMax, r.lengthMin, r.tau, r.tauSafety.value_or(1)})) {
        problems.add(std::nullopt, "输入的数值过大或过小，结果超出了可以计算的范围。");
        return {problems.take(), std::nullopt};
    }

    if (!(r.safety >= 1)) {
        r.failed.push_back(FailedCheck::Pressure);
    }
    if (r.tauSafety && !(*r.tauSafety >= r.safetyMin)) {
        r.failed.push_back(FailedCheck::Torsion);
    }
    r.ok = r.failed.empty();
    r.verdict = verdictOf(r);
    return {{}, std::move(r)};
}

}  // namespace quillon::strength
