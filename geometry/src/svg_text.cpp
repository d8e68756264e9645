#include "quillon/geometry/svg_text.h"

#include <cstdio>

namespace quillon::geometry {

std::string svgNumber(double value) {
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%.6f", value);
    std::string text = buffer;
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') {
        text.pop_back();
    }
    return text == "-0" ? "0" : text;
}

std::string svgEscaped(std::string_view text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            // XML allows no control characters; a line break is a space, as in the DXF comment.
            default:
                out += static_cast<unsigned char>(c) < 0x20 ? ' ' : c;
        }
    }
    return out;
}

}  // namespace quillon::geometry
