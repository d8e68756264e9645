#include "quillon/strength/strength_text.h"

#include "quillon/engine/field_text.h"
#include "quillon/strength/strength_quantities.h"

namespace quillon::strength {
namespace {

std::string line(const StrengthResult& r, ResultField field) {
    const textio::Quantity& quantity = resultQuantity(field);
    std::string text(quantity.caption);
    text.append(" = ").append(resultText(r, field));
    if (!quantity.unit.empty()) {
        text.append(" ").append(quantity.unit);
    }
    return text;
}

std::string rangeText(const PressureRange& range) {
    return engine::formatNumber(range.low, 0) + "–" + engine::formatNumber(range.high, 0) + " MPa";
}

std::string pAllowedLine(const StrengthResult& r) {
    std::string text = line(r, ResultField::PAllowed);
    if (!r.pAllowedTyped) {
        return text + "（表值 " + rangeText(*r.pRange) + "，取下限）";
    }
    if (r.pRange) {
        return text + "（输入值；表值 " + rangeText(*r.pRange) + "）";
    }
    return text + "（输入值）";
}

std::string tauSafetyLine(const StrengthResult& r) {
    if (!r.tauSafety) {
        return std::string(resultQuantity(ResultField::TauSafety).caption) +
               "：未给出屈服强度 Re，不校核";
    }
    return line(r, ResultField::TauSafety) + "（要求 ≥ " + engine::writeNumber(r.safetyMin) + "）";
}

}  // namespace

std::vector<std::string> resultLines(const StrengthResult& r) {
    std::vector<std::string> lines;
    lines.push_back("计算方法：" + std::string(kMethod));
    for (ResultField field : kResultFields) {
        switch (field) {
            case ResultField::PAllowed:
                lines.push_back(pAllowedLine(r));
                break;
            case ResultField::TauSafety:
                lines.push_back(tauSafetyLine(r));
                break;
            case ResultField::Ok:
                lines.push_back(std::string(resultQuantity(field).caption) + "：" + r.verdict);
                break;
            default:
                lines.push_back(line(r, field));
        }
    }
    return lines;
}

}  // namespace quillon::strength
