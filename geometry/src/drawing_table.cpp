#include "quillon/geometry/drawing_table.h"

#include <algorithm>
#include <string_view>

namespace quillon::geometry {
namespace {

constexpr double kHeight = TableLayout::kTextHeight;
// The reader chooses the font: SimSun where it has it, otherwise its own stroke font, whose widest
// Latin letters (W, M) with their spacing reach about the text height, and which may show a
// character it lacks as a replacement sign of its own width. Every character is counted one text
// height wide, so that no text runs past its column in any font.
constexpr double kCharacterWidth = 1.0 * kHeight;
constexpr double kPadding = 0.5 * kHeight;  // between a text and the column's lines
constexpr double kRowHeight = 2 * kHeight;

// The width a text takes, counted by characters (UTF-8 lead bytes).
double textWidth(std::string_view utf8) {
    double width = 0;
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80 || byte >= 0xC0) {
            width += kCharacterWidth;
        }
    }
    return width;
}

}  // namespace

TableLayout layOutTable(const DrawingTable& table, Point topLeft) {
    TableLayout layout;
    if (table.rows.empty()) {
        return layout;
    }
    std::array<double, 3> columnWidths{};
    for (const auto& row : table.rows) {
        for (std::size_t column = 0; column < row.size(); ++column) {
            columnWidths[column] =
                std::max(columnWidths[column], textWidth(row[column]) + 2 * kPadding);
        }
    }
    for (double width : columnWidths) {
        layout.width += width;
    }
    layout.height = kRowHeight * static_cast<double>(table.rows.size());

    const double right = topLeft.x + layout.width;
    const double bottom = topLeft.y - layout.height;
    for (std::size_t row = 0; row <= table.rows.size(); ++row) {
        const double y = topLeft.y - kRowHeight * static_cast<double>(row);
        layout.lines.push_back({{topLeft.x, y}, {right, y}});
    }
    double x = topLeft.x;
    for (std::size_t column = 0; column <= columnWidths.size(); ++column) {
        layout.lines.push_back({{x, topLeft.y}, {x, bottom}});
        if (column < columnWidths.size()) {
            x += columnWidths[column];
        }
    }

    // Each text, from its baseline to its height, in the middle of its row.
    for (std::size_t row = 0; row < table.rows.size(); ++row) {
        const double baseline =
            topLeft.y - kRowHeight * static_cast<double>(row + 1) + (kRowHeight - kHeight) / 2;
        double left = topLeft.x;
        for (std::size_t column = 0; column < columnWidths.size(); ++column) {
            if (!table.rows[row][column].empty()) {
                layout.texts.push_back({{left + kPadding, baseline}, table.rows[row][column]});
            }
            left += columnWidths[column];
        }
    }
    return layout;
}

}  // namespace quillon::geometry
