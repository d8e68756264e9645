#include "quillon/textio/quantity.h"

#include <cmath>

namespace quillon::textio {

bool Range::contains(double value) const {
    if (!std::isfinite(value)) {
        return false;
    }
    const bool aboveLow = lowIncluded ? value >= low : value > low;
    const bool belowHigh = highIncluded ? value <= high : value < high;
    return aboveLow && belowHigh;
}

std::string sentence(std::string_view caption, std::string_view rest) {
    std::string text(caption);
    std::size_t last = text.size();
    while (last > 0 && (static_cast<unsigned char>(text[last - 1]) & 0xC0) == 0x80) {
        --last;  // back to the lead byte of the last character
    }
    // Chinese runs on without a blank; a Latin or Greek symbol takes one: "转矩 T 必须…".
    if (last > 0 && static_cast<unsigned char>(text[last - 1]) < 0xE3) {
        text += ' ';
    }
    return text.append(rest);
}

std::string rangeProblem(const Quantity& quantity, double value) {
    if (quantity.range.contains(value)) {
        return {};
    }
    return sentence(quantity.caption, std::isfinite(value) ? quantity.range.message
                                                           : std::string_view("不是有效的数值。"));
}

std::string captionWithUnit(const Quantity& quantity) {
    std::string text(quantity.caption);
    if (!quantity.unit.empty()) {
        text.append(" (").append(quantity.unit).append(")");
    }
    return text;
}

}  // namespace quillon::textio
