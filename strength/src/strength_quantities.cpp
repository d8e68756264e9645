#include "quillon/strength/strength_quantities.h"

#include <cstddef>

#include "quillon/engine/field_text.h"

namespace quillon::strength {
namespace {

using textio::kAboveZero;
using textio::kNotNegative;
using textio::Quantity;

constexpr textio::Range kLoadShareRange{0.5, 1, true, true, "必须在 0.5 到 1 之间。"};

// In the order of InputField.
constexpr Quantity kInputs[] = {
    {.key = "torque",
     .option = "--torque",
     .caption = "转矩 T",
     .unit = "N·m",
     .range = kAboveZero,
     .help = "；或给出 --power 与 --speed"},
    {.key = "power", .option = "--power", .caption = "功率 P", .unit = "kW", .range = kAboveZero},
    {.key = "speed",
     .option = "--speed",
     .caption = "转速 n",
     .unit = "min⁻¹",
     .range = kAboveZero},
    {.key = "length",
     .option = "--length",
     .caption = "接合长度 l",
     .unit = "mm",
     .range = kAboveZero},
    {.key = "ka",
     .option = "--ka",
     .caption = "使用系数 KA",
     .defaultText = "1.0",
     .range = kAboveZero},
    {.key = "load_share",
     .option = "--load-share",
     .caption = "承载齿比例 φ",
     .defaultText = "0.75",
     .range = kLoadShareRange,
     .help = "（0.5～1）"},
    {.key = "chamfer_shaft",
     .option = "--chamfer-shaft",
     .caption = "轴齿顶倒角 c1",
     .unit = "mm",
     .defaultText = "0",
     .range = kNotNegative},
    {.key = "chamfer_hub",
     .option = "--chamfer-hub",
     .caption = "毂齿顶倒角 c2",
     .unit = "mm",
     .defaultText = "0",
     .range = kNotNegative},
    {.key = "joint",
     .option = "--joint",
     .caption = "连接方式",
     .defaultText = "fixed",
     .valueName = "fixed|sliding|sliding-loaded",
     .help = "：静连接、空载下移动、载荷下移动"},
    {.key = "conditions",
     .option = "--conditions",
     .caption = "工作条件",
     .defaultText = "medium",
     .valueName = "poor|medium|good",
     .help = "：差、中等、良好"},
    {.key = "hardened", .option = "--hardened", .caption = "齿面淬硬", .valueName = ""},
    {.key = "p_allowed",
     .option = "--p-allowed",
     .caption = "许用挤压应力 [p]",
     .unit = "MPa",
     .range = kAboveZero,
     .help = "，默认取表中下限"},
    {.key = "bore",
     .option = "--bore",
     .caption = "空心轴内孔直径 di",
     .unit = "mm",
     .defaultText = "0",
     .range = kNotNegative},
    {.key = "yield",
     .option = "--yield",
     .caption = "屈服强度 Re",
     .unit = "MPa",
     .range = kAboveZero,
     .help = "，给出时校核扭转"},
    {.key = "safety_min",
     .option = "--safety-min",
     .caption = "要求的扭转安全系数",
     .defaultText = "1.5",
     .range = kAboveZero},
};
static_assert(std::size(kInputs) == std::size(kInputFields));

// In the order of ResultField.
constexpr Quantity kResults[] = {
    {.key = "torque", .caption = "转矩 T", .unit = "N·m", .decimals = 1},
    {.key = "dm", .caption = "平均直径 dm", .unit = "mm", .decimals = 3},
    {.key = "h", .caption = "齿面接触高度 h'", .unit = "mm", .decimals = 3},
    {.key = "Ft", .caption = "圆周力 Ft", .unit = "N", .decimals = 0},
    {.key = "p", .caption = "齿面平均挤压应力 p", .unit = "MPa", .decimals = 1},
    {.key = "p_allowed", .caption = "采用的许用挤压应力 [p]", .unit = "MPa", .decimals = 1},
    {.key = "safety", .caption = "挤压安全系数 S", .decimals = 2},
    {.key = "torque_max", .caption = "最大许用转矩 T_max", .unit = "N·m", .decimals = 1},
    {.key = "length_min", .caption = "最小接合长度 l_min", .unit = "mm", .decimals = 2},
    {.key = "tau", .caption = "轴齿根扭转切应力 τ", .unit = "MPa", .decimals = 1},
    {.key = "tau_safety", .caption = "扭转安全系数 S_τ", .decimals = 2},
    {.key = "ok", .caption = "结论"},
};
static_assert(std::size(kResults) == std::size(kResultFields));

}  // namespace

const Quantity& inputQuantity(InputField field) {
    return kInputs[static_cast<std::size_t>(field)];
}

const Quantity& resultQuantity(ResultField field) {
    return kResults[static_cast<std::size_t>(field)];
}

std::optional<double> resultValue(const StrengthResult& r, ResultField field) {
    switch (field) {
        case ResultField::Torque:
            return r.torque;
        case ResultField::MeanDiameter:
            return r.meanDiameter;
        case ResultField::ContactHeight:
            return r.contactHeight;
        case ResultField::Force:
            return r.force;
        case ResultField::Pressure:
            return r.pressure;
        case ResultField::PAllowed:
            return r.pAllowed;
        case ResultField::Safety:
            return r.safety;
        case ResultField::TorqueMax:
            return r.torqueMax;
        case ResultField::LengthMin:
            return r.lengthMin;
        case ResultField::Tau:
            return r.tau;
        case ResultField::TauSafety:
            return r.tauSafety;
        case ResultField::Ok:
            break;
    }
    return std::nullopt;
}

std::string resultText(const StrengthResult& result, ResultField field) {
    if (field == ResultField::Ok) {
        return result.ok ? "true" : "false";
    }
    const auto value = resultValue(result, field);
    return value ? engine::formatNumber(*value, resultQuantity(field).decimals) : std::string();
}

std::string resultColumn(ResultField field) {
    return "strength_" + std::string(resultQuantity(field).key);
}

}  // namespace quillon::strength
