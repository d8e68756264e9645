#include "quillon/document/zone_diagram_svg.h"

#include <array>

#include "quillon/geometry/svg_text.h"

using quillon::geometry::svgEscaped;
using quillon::geometry::svgNumber;

namespace quillon::document {
namespace {

// The sheet, mm: the zones fill kPlotHeight between the margins, whatever their size in µm.
constexpr double kWidth = 190;
constexpr double kTop = 16;
constexpr double kPlotHeight = 100;
constexpr double kBottom = 30;  // room for the legend
constexpr double kZoneWidth = 16;
constexpr double kTextSize = 3;
// The left edge of each zone's column: hub effective, hub actual, shaft effective, shaft actual,
// each followed by its labels; the clearance marks stand after them, their labels to the right.
constexpr std::array<double, 4> kColumns = {20, 46, 76, 102};
constexpr double kLeastClearanceAt = 132;
constexpr double kGreatestClearanceAt = 140;

constexpr char kHubTone[] = "#9bb7d4";
constexpr char kShaftTone[] = "#e3b58a";

class Sheet {
  public:
    explicit Sheet(const ZoneDiagram& d)
        : top_(d.highest), scale_(kPlotHeight / std::max(d.highest - d.lowest, 1.0)) {}

    double y(double micrometres) const { return kTop + (top_ - micrometres) * scale_; }

  private:
    double top_;
    double scale_;
};

std::string attribute(const char* name, double value) {
    return std::string(" ") + name + "=\"" + svgNumber(value) + "\"";
}

std::string text(double x, double y, const std::string& content, const char* anchor = "start") {
    return "<text" + attribute("x", x) + attribute("y", y) + " text-anchor=\"" + anchor + "\">" +
           svgEscaped(content) + "</text>\n";
}

std::string line(double x1, double y1, double x2, double y2, const char* extra = "") {
    return "<line" + attribute("x1", x1) + attribute("y1", y1) + attribute("x2", x2) +
           attribute("y2", y2) + extra + "/>\n";
}

std::string rect(const std::string& id, double x, double y, double width, double height,
                 const std::string& fill) {
    return "<rect id=\"" + id + "\"" + attribute("x", x) + attribute("y", y) +
           attribute("width", width) + attribute("height", height) + " fill=\"" + fill +
           "\" stroke=\"#000000\" stroke-width=\"0.25\"/>\n";
}

std::string fillOf(const ToleranceZone& zone) {
    const bool hub = zone.part == engine::SplineKind::Internal;
    if (zone.effective) {
        return hub ? "url(#hatch-hub)" : "url(#hatch-shaft)";
    }
    return hub ? kHubTone : kShaftTone;
}

std::string hatch(const char* id, const char* tone) {
    return std::string("<pattern id=\"") + id +
           "\" patternUnits=\"userSpaceOnUse\" width=\"2\" height=\"2\" "
           "patternTransform=\"rotate(45)\"><rect width=\"2\" height=\"2\" fill=\"#ffffff\"/>"
           "<line x1=\"0\" y1=\"0\" x2=\"0\" y2=\"2\" stroke=\"" +
           tone + "\" stroke-width=\"0.8\"/></pattern>\n";
}

std::string zone(const ToleranceZone& z, double left, const Sheet& sheet) {
    const bool hub = z.part == engine::SplineKind::Internal;
    const std::string id =
        std::string("zone-") + (hub ? "hub" : "shaft") + (z.effective ? "-effective" : "-actual");
    const double top = sheet.y(z.upper);
    const double bottom = sheet.y(z.lower);
    const double labelAt = left + kZoneWidth + 1;
    return rect(id, left, top, kZoneWidth, bottom - top, fillOf(z)) +
           text(labelAt, top + kTextSize / 3, z.upperLabel) +
           text(labelAt, bottom + kTextSize / 3, z.lowerLabel) +
           text(left + kZoneWidth / 2,
                sheet.y(z.effective ? z.upper : z.lower) + (z.effective ? -1.5 : kTextSize + 1.5),
                z.effective ? "作用" : "实际", "middle");
}

// A dimension line with a tick at each end and its label at `labelAt` (a fraction of the way from
// its shaft end to its hub end), to its left or right (`anchor` "end" or "start"), so that two
// marks' labels stand apart and neither crosses the other's line.
std::string clearance(const ClearanceMark& mark, double x, const Sheet& sheet, double labelAt,
                      const char* anchor) {
    const double from = sheet.y(mark.from);
    const double to = sheet.y(mark.to);
    const char* stroke = " stroke=\"#000000\" stroke-width=\"0.3\"";
    return line(x, from, x, to, stroke) + line(x - 1.5, from, x + 1.5, from, stroke) +
           line(x - 1.5, to, x + 1.5, to, stroke) +
           text(anchor[0] == 'e' ? x - 2.5 : x + 2.5, from + (to - from) * labelAt + kTextSize / 3,
                mark.label, anchor);
}

std::string legend(double y) {
    return rect("legend-effective", 20, y, 8, 5, "url(#hatch-hub)") +
           text(30, y + 4, "作用公差带（通规检验，斜线）") +
           rect("legend-actual", 110, y, 8, 5, kHubTone) + text(120, y + 4, "实际公差带（色块）");
}

}  // namespace

std::string zoneDiagramSvg(const ZoneDiagram& diagram, std::string_view creator) {
    const Sheet sheet(diagram);
    const double height = kTop + kPlotHeight + kBottom;
    std::string description(creator);
    for (const std::string& lineText : diagram.description) {
        description += "\n" + lineText;
    }
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" +
           svgNumber(kWidth) + "mm\" height=\"" + svgNumber(height) + "mm\" viewBox=\"0 0 " +
           svgNumber(kWidth) + ' ' + svgNumber(height) + "\">\n";
    svg += "<title>" + svgEscaped(diagram.title) + "</title>\n";
    // A line break in the description reads as a blank (see svgEscaped): one item per line for a
    // reader that shows it would need a structure SVG 1.1 has not.
    svg += "<desc>" + svgEscaped(description) + "</desc>\n";
    svg +=
        "<defs>\n" + hatch("hatch-hub", kHubTone) + hatch("hatch-shaft", kShaftTone) + "</defs>\n";
    svg += "<g font-family=\"sans-serif\" font-size=\"" + svgNumber(kTextSize) + "\">\n";
    svg += text(kWidth / 2, 7, diagram.title, "middle");
    const double zero = sheet.y(0);
    svg += line(4, zero, kWidth - 4, zero,
                " id=\"zero-line\" stroke=\"#000000\" stroke-width=\"0.4\"");
    // The nominal size goes under the title: beside the line it would run under the first zone.
    svg += text(kWidth / 2, 12, diagram.zeroLine, "middle");
    svg += text(4, zero - 1.5, "零线");
    for (std::size_t i = 0; i < diagram.zones.size() && i < kColumns.size(); ++i) {
        svg += zone(diagram.zones[i], kColumns[i], sheet);
    }
    if (diagram.clearances.size() == 2) {
        svg += clearance(diagram.clearances[0], kLeastClearanceAt, sheet, 0.5, "end");
        svg += clearance(diagram.clearances[1], kGreatestClearanceAt, sheet, 1.0, "start");
    }
    // Each part's name and class under its two columns ("内花键 9H", the start of its zones'
    // names).
    for (std::size_t i = 0; i + 1 < diagram.zones.size() && i + 1 < kColumns.size(); i += 2) {
        const std::string& name = diagram.zones[i].name;
        const std::size_t end = name.find(' ', name.find(' ') + 1);
        svg += text((kColumns[i] + kColumns[i + 1] + kZoneWidth) / 2, kTop + kPlotHeight + 7,
                    name.substr(0, end), "middle");
    }
    svg += legend(kTop + kPlotHeight + 14);
    svg += "</g>\n</svg>\n";
    return svg;
}

}  // namespace quillon::document
