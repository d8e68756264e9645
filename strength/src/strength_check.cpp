#include "quillon/strength/strength_check.h"

#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <initializer_list>
#include <numbers>
#include <string>

#include "quillon/engine/display_decimals.h"
#include "quillon/engine/field_text.h"
#include "quillon/strength/strength_quantities.h"
#include "quillon/strength/strength_text.h"

namespace quillon::strength {
namespace {

constexpr double kNewtonMetresPerKilowattRpm = 9549.3;  // T = 9549.3·P/n

// A length in a message, as the window shows lengths.
std::string lengthText(double value) {
    return engine::formatNumber(value, engine::kLengthDecimals);
}

class Problems {
  public:
    void add(std::optional<InputField> field, std::string message) {
        list_.push_back({field, std::move(message)});
    }

    // A number the field must hold: finite and within its row's range.
    void requireInRange(InputField field, double value) {
        std::string problem = textio::rangeProblem(inputQuantity(field), value);
        if (!problem.empty()) {
            add(field, std::move(problem));
        }
    }

    bool empty() const { return list_.empty(); }
    std::vector<InputProblem> take() { return std::move(list_); }

  private:
    std::vector<InputProblem> list_;
};

void checkTorqueSource(const StrengthInput& in, Problems& problems) {
    if (in.torque) {
        problems.requireInRange(InputField::Torque, *in.torque);
    }
    if (in.power) {
        problems.requireInRange(InputField::Power, *in.power);
    }
    if (in.speed) {
        problems.requireInRange(InputField::Speed, *in.speed);
    }
    if (in.torque && (in.power || in.speed)) {
        problems.add(InputField::Torque, "转矩 T 与功率 P、转速 n 只能给出一种。");
    } else if (in.power && !in.speed) {
        problems.add(InputField::Speed, "给出功率 P 时还须给出转速 n。");
    } else if (in.speed && !in.power) {
        problems.add(InputField::Power, "给出转速 n 时还须给出功率 P。");
    } else if (!in.torque && !in.power) {
        problems.add(InputField::Torque, std::string(kLoadMissing));
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
    const bool chamfersRead = std::isfinite(in.chamferShaft) && std::isfinite(in.chamferHub) &&
                              in.chamferShaft >= 0 && in.chamferHub >= 0;
    if (chamfersRead && !(toothHeight - chamfers > 0)) {
        const InputField field =
            in.chamferShaft >= in.chamferHub ? InputField::ChamferShaft : InputField::ChamferHub;
        // Two chamfers near the largest double add up to more than one holds: no sum to show.
        std::string sum = "c1 + c2";
        if (std::isfinite(chamfers)) {
            sum += " = " + lengthText(chamfers) + " mm";
        }
        problems.add(field, "倒角过大：" + sum + "，不小于齿高 (da1 − da2)/2 = " +
                                lengthText(toothHeight) + " mm，齿面没有接触高度 h'。");
    }
    if (in.bore >= 0 && !(in.bore < g.df1)) {
        problems.add(InputField::Bore, "空心轴内孔直径 di 必须小于轴的齿根圆直径 df1 = " +
                                           lengthText(g.df1) + " mm。");
    }
}

// A failing value shown below its limit: with the usual decimals, or more where those would round
// it up to the limit (0.996 -> "0.996" against 1, not "1.00").
std::string textBelow(double value, double limit, int decimals) {
    std::string text = engine::formatNumber(value, decimals);
    for (int more = decimals + 1; more <= 12 && !(std::strtod(text.c_str(), nullptr) < limit);
         ++more) {
        text = engine::formatNumber(value, more);
    }
    return text;
}

std::string verdictOf(const StrengthResult& r) {
    if (r.ok) {
        return "通过";
    }
    const int decimals = resultQuantity(ResultField::Safety).decimals;
    std::string text = "不通过：";
    for (std::size_t i = 0; i < r.failed.size(); ++i) {
        if (i > 0) {
            text += "；";
        }
        if (r.failed[i] == FailedCheck::Pressure) {
            text += "齿面挤压（S = " + textBelow(r.safety, 1, decimals) + " < 1）";
        } else {
            text += "轴扭转（S_τ = " + textBelow(*r.tauSafety, r.safetyMin, decimals) + " < " +
                    engine::writeNumber(r.safetyMin) + "）";
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
    return inputQuantity(field).key;
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
    return inputQuantity(field).caption;
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
    problems.requireInRange(InputField::Length, in.length);
    problems.requireInRange(InputField::Ka, in.ka);
    problems.requireInRange(InputField::LoadShare, in.loadShare);
    problems.requireInRange(InputField::ChamferShaft, in.chamferShaft);
    problems.requireInRange(InputField::ChamferHub, in.chamferHub);
    problems.requireInRange(InputField::Bore, in.bore);
    if (geometryOk) {
        checkGeometryInputs(in, pair, problems);
    }
    const std::optional<PressureRange> range =
        permissiblePressure(in.joint, in.conditions, in.hardened);
    if (in.pAllowed) {
        problems.requireInRange(InputField::PAllowed, *in.pAllowed);
    } else if (!range) {
        problems.add(InputField::PAllowed,
                     std::string(kNoPermissiblePressureNote) + "请输入许用挤压应力 [p]。");
    }
    if (in.yield) {
        problems.requireInRange(InputField::Yield, *in.yield);
    }
    problems.requireInRange(InputField::SafetyMin, in.safetyMin);
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
