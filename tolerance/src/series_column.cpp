#include "quillon/tolerance/series_column.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace quillon::tolerance {
namespace {

// Hub series (upper case) name the lower deviation of the space width, shaft series (lower case)
// the upper deviation of the tooth thickness. H and h are both the zero line.
constexpr std::array<std::pair<std::string_view, std::string_view>, 24> kSeriesColumns = {{
    {"F", "F1"}, {"G", "G1"}, {"H", "h"}, {"J", "J1"}, {"K", "K1"}, {"M", "M1"},
    {"v", "v"},  {"u", "u"},  {"t", "t"}, {"s", "s"},  {"r", "r"},  {"p", "p"},
    {"n", "n"},  {"m", "m"},  {"k", "k"}, {"i", "i"},  {"h", "h"},  {"g", "g"},
    {"f", "f"},  {"e", "e"},  {"d", "d"}, {"c", "c"},  {"b", "b"},  {"a", "a"},
}};

}  // namespace

std::optional<std::string_view> seriesColumnForLetter(std::string_view letterText) {
    for (const auto& [letter, column] : kSeriesColumns) {
        if (letter == letterText) {
            return column;
        }
    }
    return std::nullopt;
}

std::span<const std::string_view> seriesColumnNames() {
    static const std::vector<std::string_view> names = [] {
        std::vector<std::string_view> unique;
        for (const auto& [letter, column] : kSeriesColumns) {
            if (std::ranges::find(unique, column) == unique.end()) {
                unique.push_back(column);
            }
        }
        return unique;
    }();
    return names;
}

void SeriesColumn::letterChanged(std::string_view letterText) {
    if (const auto column = seriesColumnForLetter(letterText)) {
        name_ = *column;
    }
}

}  // namespace quillon::tolerance
