#include "quillon/strength/strength_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <system_error>

namespace quillon::strength {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

std::string line(std::string_view caption, double value, Quantity quantity,
                 std::string_view unit = {}) {
    std::string text(caption);
    text.append(" = ").append(quantityText(value, quantity));
    if (!unit.empty()) {
        text.append(" ").append(unit);
    }
    return text;
}

std::string rangeText(const PressureRange& range) {
    return fixedText(range.low, 0) + "–" + fixedText(range.high, 0) + " MPa";
}

std::string pAllowedLine(const StrengthResult& r) {
    std::string text = line("许用挤压应力 [p]", r.pAllowed, Quantity::Stress, "MPa");
    if (!r.pAllowedTyped) {
        return text + "（表值 " + rangeText(*r.pRange) + "，取下限）";
    }
    if (r.pRange) {
        return text + "（输入值；表值 " + rangeText(*r.pRange) + "）";
    }
    return text + "（输入值）";
}

}  // namespace

std::optional<double> parseInputNumber(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);  // from_chars takes "-" but not "+"
        if (!text.empty() && text.front() == '-') {
            return std::nullopt;
        }
    }
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value, std::chars_format::general);
    if (text.empty() || ec != std::errc() || ptr != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

int decimalsOf(Quantity quantity) {
    switch (quantity) {
        case Quantity::MeanDiameter:
        case Quantity::ContactHeight:
            return 3;
        case Quantity::Force:
            return 0;
        case Quantity::Stress:
        case Quantity::Torque:
            return 1;
        case Quantity::Safety:
        case Quantity::MinLength:
            return 2;
    }
    return 3;
}

std::string fixedText(double value, int decimals) {
    char text[512];  // room for the largest double in full
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    std::string result = text;
    if (!result.empty() && result.front() == '-' &&
        result.find_first_not_of("0.", 1) == std::string::npos) {
        result.erase(0, 1);  // -0.0, or a small negative value rounded to zero
    }
    return result;
}

std::string shortText(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.15g", value);
    return text;
}

std::string quantityText(double value, Quantity quantity) {
    return fixedText(value, decimalsOf(quantity));
}

std::vector<std::string> resultLines(const StrengthResult& r) {
    std::vector<std::string> lines;
    lines.push_back("计算方法：" + std::string(kMethod));
    lines.push_back(line("转矩 T", r.torque, Quantity::Torque, "N·m"));
    lines.push_back(line("平均直径 dm", r.meanDiameter, Quantity::MeanDiameter, "mm"));
    lines.push_back(line("齿面接触高度 h'", r.contactHeight, Quantity::ContactHeight, "mm"));
    lines.push_back(line("圆周力 Ft", r.force, Quantity::Force, "N"));
    lines.push_back(line("齿面平均挤压应力 p", r.pressure, Quantity::Stress, "MPa"));
    lines.push_back(pAllowedLine(r));
    lines.push_back(line("挤压安全系数 S", r.safety, Quantity::Safety));
    lines.push_back(line("最大许用转矩 T_max", r.torqueMax, Quantity::Torque, "N·m"));
    lines.push_back(line("最小接合长度 l_min", r.lengthMin, Quantity::MinLength, "mm"));
    lines.push_back(line("轴齿根扭转切应力 τ", r.tau, Quantity::Stress, "MPa"));
    if (r.tauSafety) {
        lines.push_back(line("扭转安全系数 S_τ", *r.tauSafety, Quantity::Safety) + "（要求 ≥ " +
                        shortText(r.safetyMin) + "）");
    } else {
        lines.push_back("扭转安全系数 S_τ：未给出屈服强度 Re，不校核");
    }
    lines.push_back("结论：" + r.verdict);
    return lines;
}

}  // namespace quillon::strength
