#pragma once

#include <array>
#include <string>
#include <vector>

#include "quillon/geometry/point.h"

namespace quillon::geometry {

// The data table of a drawing: rows of name, symbol and value (UTF-8), e.g. {"齿数", "z", "24"},
// as the caller words them.
struct DrawingTable {
    std::vector<std::array<std::string, 3>> rows;
};

// The table laid out as a framed grid, millimetres: the frame and grid lines, and each cell's text
// at its left baseline point. Columns are as wide as their longest text, every character counting
// one text height (as wide as the widest glyphs of any font a CAD reader may substitute), with
// half a text height of room either side.
struct TableLayout {
    struct Line {
        Point from;
        Point to;
    };
    struct Text {
        Point at;
        std::string text;
    };

    static constexpr double kTextHeight = 3.5;

    std::vector<Line> lines;
    std::vector<Text> texts;  // empty cells have none
    double width = 0;
    double height = 0;
};

// The layout of the table with its upper left corner at `topLeft`; no lines for a table without
// rows.
TableLayout layOutTable(const DrawingTable& table, Point topLeft);

}  // namespace quillon::geometry
