#include "quillon/geometry/dxf_writer.h"

#include <algorithm>
#include <cstdio>
#include <string_view>

namespace quillon {
namespace {

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
    std::string newHandle() {
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, "%X", next_++);
        return buffer;
    }
    std::string nextHandle() const {
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, "%X", next_);
        return buffer;
    }
    const std::string& text() const { return text_; }

  private:
    std::string text_;
    unsigned next_ = 0x20;
};

// Non-ASCII characters of a comment as \U+XXXX, the DXF escape for Unicode.
std::string asciiComment(std::string_view utf8) {
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
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, "\\U+%04X", code);
        out += buffer;
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
                 std::string_view subclass, std::string_view name, int handleCode = 5) {
    dxf.tag(0, type);
    dxf.tag(handleCode, dxf.newHandle());
    dxf.tag(330, table);
    dxf.tag(100, "AcDbSymbolTableRecord");
    dxf.tag(100, subclass);
    dxf.tag(2, name);
    dxf.tag(70, 0);
}

void writeTables(DxfText& dxf, double viewSize, Owners& owners) {
    dxf.tag(0, "SECTION");
    dxf.tag(2, "TABLES");
    std::string table;
    beginTable(dxf, "VPORT", table, 1);
    beginRecord(dxf, "VPORT", table, "AcDbViewportTableRecord", "*ACTIVE");
    for (auto [code, value] : {std::pair{10, 0.0},
                               {20, 0.0},
                               {11, 1.0},
                               {21, 1.0},
                               {12, 0.0},
                               {22, 0.0},
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

    beginTable(dxf, "LAYER", table, 3);
    for (auto [name, colour] : {std::pair{"0", 7}, {"PROFILE", 7}, {"CIRCLES", 8}}) {
        beginRecord(dxf, "LAYER", table, "AcDbLayerTableRecord", name);
        dxf.tag(62, colour);
        dxf.tag(6, "Continuous");
    }
    dxf.tag(0, "ENDTAB");

    beginTable(dxf, "STYLE", table, 1);
    beginRecord(dxf, "STYLE", table, "AcDbTextStyleTableRecord", "Standard");
    dxf.number(40, 0);
    dxf.number(41, 1);
    dxf.number(50, 0);
    dxf.tag(71, 0);
    dxf.number(42, 2.5);
    dxf.tag(3, "txt");
    dxf.tag(4, "");
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

void writeEntities(DxfText& dxf, const Owners& owners, const Polyline& contour,
                   const std::vector<double>& circleDiameters) {
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
                       const std::string& comment) {
    double extent = 1;
    for (double diameter : circleDiameters) {
        extent = std::max(extent, diameter / 2);
    }
    for (const PolylineVertex& v : contour) {
        extent = std::max({extent, std::abs(v.at.x), std::abs(v.at.y)});
    }
    // Handles are handed out in writing order; the header names the next free one, so the body
    // is written first.
    DxfText body;
    Owners owners;
    writeTables(body, 2.2 * extent, owners);
    writeBlocks(body, owners);
    writeEntities(body, owners, contour, circleDiameters);
    writeObjects(body);
    body.tag(0, "EOF");

    DxfText head;
    head.tag(999, asciiComment(comment));
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
    for (auto [name, sign] : {std::pair{"$EXTMIN", -1.0}, {"$EXTMAX", 1.0}}) {
        head.tag(9, name);
        head.number(10, sign * extent);
        head.number(20, sign * extent);
        head.number(30, 0);
    }
    head.tag(0, "ENDSEC");
    head.tag(0, "SECTION");
    head.tag(2, "CLASSES");
    head.tag(0, "ENDSEC");
    return head.text() + body.text();
}

}  // namespace quillon
