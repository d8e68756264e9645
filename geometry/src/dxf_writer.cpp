#include "quillon/geometry/dxf_writer.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string_view>

namespace quillon::geometry {
namespace {

// Handles are handed out from kFirstHandle on. The data table's layer and text style take the two
// below it, so that every other handle, and with it every entity of the profile, stays as in the
// drawing without a table.
constexpr unsigned kFirstHandle = 0x20;
constexpr unsigned kDataLayerHandle = kFirstHandle - 2;
constexpr unsigned kTextStyleHandle = kFirstHandle - 1;

constexpr std::string_view kDataLayer = "DATA";
constexpr std::string_view kTextStyle = "QUILLON_CJK";
constexpr std::string_view kTextFontFile = "simsun.ttc";
constexpr std::string_view kTextFontFamily = "SimSun";
constexpr int kRegularFontFlags = 34;  // the font flags of a regular (not bold, not italic) font
// Between the profile's extent and the table's left edge, mm.
constexpr double kTableMargin = 10;

std::string hexHandle(unsigned handle) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%X", handle);
    return buffer;
}

// Group code / value pairs, with handles numbered as they are handed out.
class DxfText {
  public:
    void tag(int code, std::string_view value) {
        text_ += std::to_string(code);
        text_ += '\n';
        text_ += value;
        text_ += '\n';
    }
    void tag(int code, int value) { tag(code, std::to_string(value)); }
    void number(int code, double value) {
        char buffer[40];
        std::snprintf(buffer, sizeof buffer, "%.9f", value);
        tag(code, buffer);
    }
    std::string newHandle() { return hexHandle(next_++); }
    std::string nextHandle() const { return hexHandle(next_); }
    const std::string& text() const { return text_; }

  private:
    std::string text_;
    unsigned next_ = kFirstHandle;
};

// A text for an AutoCAD 2000 file, which is not UTF-8: non-ASCII characters as \U+XXXX, the DXF
// escape for Unicode; a character beyond U+FFFF, which the escape cannot hold, as one "?"; control
// characters as blanks.
std::string asciiText(std::string_view utf8) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        const int length = byte < 0x80 ? 1 : byte < 0xE0 ? 2 : byte < 0xF0 ? 3 : 4;
        if (length == 1) {
            out += (byte < 0x20 ? ' ' : static_cast<char>(byte));
            ++i;
            continue;
        }
        unsigned code = byte & (0xFF >> (length + 1));
        for (int k = 1; k < length && i + k < utf8.size(); ++k) {
            code = (code << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        }
        if (code > 0xFFFF) {
            out += '?';
        } else {
            char buffer[16];
            std::snprintf(buffer, sizeof buffer, "\\U+%04X", code);
            out += buffer;
        }
        i += length;
    }
    return out;
}

struct Owners {
    std::string modelSpace;
    std::string paperSpace;
};

void beginTable(DxfText& dxf, std::string_view name, std::string& handle, int entries) {
    dxf.tag(0, "TABLE");
    dxf.tag(2, name);
    handle = dxf.newHandle();
    dxf.tag(5, handle);
    dxf.tag(330, "0");
    dxf.tag(100, "AcDbSymbolTable");
    dxf.tag(70, entries);
}

void beginRecord(DxfText& dxf, std::string_view type, std::string_view table,
                 std::string_view subclass, std::string_view name, int handleCode = 5,
                 std::optional<unsigned> handle = {}) {
    dxf.tag(0, type);
    dxf.tag(handleCode, handle ? hexHandle(*handle) : dxf.newHandle());
    dxf.tag(330, table);
    dxf.tag(100, "AcDbSymbolTableRecord");
    dxf.tag(100, subclass);
    dxf.tag(2, name);
    dxf.tag(70, 0);
}

// The drawing's extents: the profile's square about the origin, widened by the table.
struct Extents {
    Point min;
    Point max;
};

void writeTextStyle(DxfText& dxf, const std::string& table, std::string_view name,
                    double lastHeight, std::string_view font, std::optional<unsigned> handle) {
    beginRecord(dxf, "STYLE", table, "AcDbTextStyleTableRecord", name, 5, handle);
    dxf.number(40, 0);
    dxf.number(41, 1);
    dxf.number(50, 0);
    dxf.tag(71, 0);
    dxf.number(42, lastHeight);
    dxf.tag(3, font);
    dxf.tag(4, "");
}

void writeTables(DxfText& dxf, const Extents& extents, bool withTable, Owners& owners) {
    dxf.tag(0, "SECTION");
    dxf.tag(2, "TABLES");
    std::string table;
    beginTable(dxf, "VPORT", table, 1);
    beginRecord(dxf, "VPORT", table, "AcDbViewportTableRecord", "*ACTIVE");
    const Point centre = 0.5 * (extents.min + extents.max);
    const double viewSize =
        2.2 * std::max(extents.max.x - centre.x, extents.max.y - centre.y);  // a margin of 10 %
    for (auto [code, value] : {std::pair{10, 0.0},
                               {20, 0.0},
                               {11, 1.0},
                               {21, 1.0},
                               {12, centre.x},
                               {22, centre.y},
                               {40, viewSize},
                               {41, 1.0}}) {
        dxf.number(code, value);
    }
    dxf.tag(0, "ENDTAB");

    beginTable(dxf, "LTYPE", table, 3);
    for (const char* name : {"ByBlock", "ByLayer", "Continuous"}) {
        beginRecord(dxf, "LTYPE", table, "AcDbLinetypeTableRecord", name);
        dxf.tag(3, std::string_view(name) == "Continuous" ? "Solid line" : "");
        dxf.tag(72, 65);
        dxf.tag(73, 0);
        dxf.number(40, 0);
    }
    dxf.tag(0, "ENDTAB");

    beginTable(dxf, "LAYER", table, withTable ? 4 : 3);
    for (auto [name, colour] : {std::pair{"0", 7}, {"PROFILE", 7}, {"CIRCLES", 8}}) {
        beginRecord(dxf, "LAYER", table, "AcDbLayerTableRecord", name);
        dxf.tag(62, colour);
        dxf.tag(6, "Continuous");
    }
    if (withTable) {
        beginRecord(dxf, "LAYER", table, "AcDbLayerTableRecord", kDataLayer, 5, kDataLayerHandle);
        dxf.tag(62, 7);
        dxf.tag(6, "Continuous");
    }
    dxf.tag(0, "ENDTAB");

    beginTable(dxf, "STYLE", table, withTable ? 2 : 1);
    writeTextStyle(dxf, table, "Standard", 2.5, "txt", std::nullopt);
    if (withTable) {
        writeTextStyle(dxf, table, kTextStyle, TableLayout::kTextHeight, kTextFontFile,
                       kTextStyleHandle);
        // The font's family name, by which AutoCAD finds a TrueType font.
        dxf.tag(1001, "ACAD");
        dxf.tag(1000, kTextFontFamily);
        dxf.tag(1071, kRegularFontFlags);
    }
    dxf.tag(0, "ENDTAB");

    for (const char* empty : {"VIEW", "UCS"}) {
        beginTable(dxf, empty, table, 0);
        dxf.tag(0, "ENDTAB");
    }

    beginTable(dxf, "APPID", table, 1);
    beginRecord(dxf, "APPID", table, "AcDbRegAppTableRecord", "ACAD");
    dxf.tag(0, "ENDTAB");

    beginTable(dxf, "DIMSTYLE", table, 1);
    dxf.tag(100, "AcDbDimStyleTable");
    beginRecord(dxf, "DIMSTYLE", table, "AcDbDimStyleTableRecord", "Standard", 105);
    dxf.tag(0, "ENDTAB");

    beginTable(dxf, "BLOCK_RECORD", table, 2);
    owners.modelSpace = dxf.nextHandle();
    beginRecord(dxf, "BLOCK_RECORD", table, "AcDbBlockTableRecord", "*Model_Space");
    owners.paperSpace = dxf.nextHandle();
    beginRecord(dxf, "BLOCK_RECORD", table, "AcDbBlockTableRecord", "*Paper_Space");
    dxf.tag(0, "ENDTAB");
    dxf.tag(0, "ENDSEC");
}

void writeBlocks(DxfText& dxf, const Owners& owners) {
    dxf.tag(0, "SECTION");
    dxf.tag(2, "BLOCKS");
    for (auto [name, owner] :
         {std::pair{"*Model_Space", owners.modelSpace}, {"*Paper_Space", owners.paperSpace}}) {
        dxf.tag(0, "BLOCK");
        dxf.tag(5, dxf.newHandle());
        dxf.tag(330, owner);
        dxf.tag(100, "AcDbEntity");
        dxf.tag(8, "0");
        dxf.tag(100, "AcDbBlockBegin");
        dxf.tag(2, name);
        dxf.tag(70, 0);
        dxf.number(10, 0);
        dxf.number(20, 0);
        dxf.number(30, 0);
        dxf.tag(3, name);
        dxf.tag(1, "");
        dxf.tag(0, "ENDBLK");
        dxf.tag(5, dxf.newHandle());
        dxf.tag(330, owner);
        dxf.tag(100, "AcDbEntity");
        dxf.tag(8, "0");
        dxf.tag(100, "AcDbBlockEnd");
    }
    dxf.tag(0, "ENDSEC");
}

void beginEntity(DxfText& dxf, std::string_view type, const Owners& owners, std::string_view layer,
                 std::string_view subclass) {
    dxf.tag(0, type);
    dxf.tag(5, dxf.newHandle());
    dxf.tag(330, owners.modelSpace);
    dxf.tag(100, "AcDbEntity");
    dxf.tag(8, layer);
    dxf.tag(100, subclass);
}

void writeTable(DxfText& dxf, const Owners& owners, const TableLayout& layout) {
    for (const TableLayout::Line& line : layout.lines) {
        beginEntity(dxf, "LINE", owners, kDataLayer, "AcDbLine");
        dxf.number(10, line.from.x);
        dxf.number(20, line.from.y);
        dxf.number(30, 0);
        dxf.number(11, line.to.x);
        dxf.number(21, line.to.y);
        dxf.number(31, 0);
    }
    for (const TableLayout::Text& text : layout.texts) {
        beginEntity(dxf, "TEXT", owners, kDataLayer, "AcDbText");
        dxf.number(10, text.at.x);
        dxf.number(20, text.at.y);
        dxf.number(30, 0);
        dxf.number(40, TableLayout::kTextHeight);
        dxf.tag(1, asciiText(text.text));
        dxf.tag(7, kTextStyle);
        dxf.tag(100, "AcDbText");
    }
}

void writeEntities(DxfText& dxf, const Owners& owners, const Polyline& contour,
                   const std::vector<double>& circleDiameters, const TableLayout& table) {
    dxf.tag(0, "SECTION");
    dxf.tag(2, "ENTITIES");
    beginEntity(dxf, "LWPOLYLINE", owners, "PROFILE", "AcDbPolyline");
    dxf.tag(90, static_cast<int>(contour.size()));
    dxf.tag(70, 1);  // closed
    for (const PolylineVertex& v : contour) {
        dxf.number(10, v.at.x);
        dxf.number(20, v.at.y);
        if (v.bulge != 0) {
            dxf.number(42, v.bulge);
        }
    }
    for (double diameter : circleDiameters) {
        beginEntity(dxf, "CIRCLE", owners, "CIRCLES", "AcDbCircle");
        dxf.number(10, 0);
        dxf.number(20, 0);
        dxf.number(30, 0);
        dxf.number(40, diameter / 2);
    }
    writeTable(dxf, owners, table);
    dxf.tag(0, "ENDSEC");
}

void writeObjects(DxfText& dxf) {
    dxf.tag(0, "SECTION");
    dxf.tag(2, "OBJECTS");
    const std::string root = dxf.newHandle();
    const std::string groups = dxf.newHandle();
    dxf.tag(0, "DICTIONARY");
    dxf.tag(5, root);
    dxf.tag(330, "0");
    dxf.tag(100, "AcDbDictionary");
    dxf.tag(281, 1);
    dxf.tag(3, "ACAD_GROUP");
    dxf.tag(350, groups);
    dxf.tag(0, "DICTIONARY");
    dxf.tag(5, groups);
    dxf.tag(330, root);
    dxf.tag(100, "AcDbDictionary");
    dxf.tag(281, 1);
    dxf.tag(0, "ENDSEC");
}

}  // namespace

std::string dxfDrawing(const Polyline& contour, const std::vector<double>& circleDiameters,
                       const std::string& comment, const DrawingTable& table) {
    double extent = 1;
    for (double diameter : circleDiameters) {
        extent = std::max(extent, diameter / 2);
    }
    for (const PolylineVertex& v : contour) {
        extent = std::max({extent, std::abs(v.at.x), std::abs(v.at.y)});
    }
    // The table's top in line with the profile's, its left edge a margin beyond it.
    const TableLayout layout = layOutTable(table, {extent + kTableMargin, extent});
    Extents extents{{-extent, -extent}, {extent, extent}};
    if (!layout.lines.empty()) {
        extents.max.x = extent + kTableMargin + layout.width;
        extents.min.y = std::min(-extent, extent - layout.height);
    }
    // Handles are handed out in writing order; the header names the next free one, so the body
    // is written first.
    DxfText body;
    Owners owners;
    writeTables(body, extents, !layout.lines.empty(), owners);
    writeBlocks(body, owners);
    writeEntities(body, owners, contour, circleDiameters, layout);
    writeObjects(body);
    body.tag(0, "EOF");

    DxfText head;
    head.tag(999, asciiText(comment));
    head.tag(0, "SECTION");
    head.tag(2, "HEADER");
    head.tag(9, "$ACADVER");
    head.tag(1, "AC1015");
    head.tag(9, "$HANDSEED");
    head.tag(5, body.nextHandle());
    head.tag(9, "$INSUNITS");
    head.tag(70, 4);  // millimetres
    head.tag(9, "$MEASUREMENT");
    head.tag(70, 1);  // metric
    for (auto [name, corner] : {std::pair{"$EXTMIN", extents.min}, {"$EXTMAX", extents.max}}) {
        head.tag(9, name);
        head.number(10, corner.x);
        head.number(20, corner.y);
        head.number(30, 0);
    }
    head.tag(0, "ENDSEC");
    head.tag(0, "SECTION");
    head.tag(2, "CLASSES");
    head.tag(0, "ENDSEC");
    return head.text() + body.text();
}

}  // namespace quillon::geometry
