#include "quillon/engine/start_values.h"

#include <array>
#include <string>

#include "quillon/engine/field_text.h"

namespace quillon::engine {

double proposedPinDiameter(std::optional<SplineKind> kind, double module) {
    return module * (kind == SplineKind::External ? kShaftPinFactor : kHubPinFactor);
}

std::string_view startText(Field field) {
    static const std::array<std::string, kAllFields.size()> texts = [] {
        std::array<std::string, kAllFields.size()> start;
        start.fill("0");
        const auto set = [&start](Field f, std::string text) {
            start[fieldIndex(f)] = std::move(text);
        };
        set(Field::m, "1.25");
        set(Field::alpha, "30");
        set(Field::haStar, "0.45");
        set(Field::cn, "0.1");
        set(Field::dp, writeNumber(proposedPinDiameter(SplineKind::External, 1.25)));
        set(Field::grade, "9");
        set(Field::seriesLetter, "H");
        return start;
    }();
    return texts[fieldIndex(field)];
}

}  // namespace quillon::engine
