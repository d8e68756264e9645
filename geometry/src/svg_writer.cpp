#include "quillon/geometry/svg_writer.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string_view>

#include "quillon/geometry/svg_text.h"

namespace quillon::geometry {
namespace {

// Sheet sizes are whole hundredths of a millimetre.
constexpr double kSheetStepsPerMillimetre = 100;

// The file's y axis points down; the drawing's points up.
std::string point(Point p) {
    return svgNumber(p.x) + ' ' + svgNumber(-p.y);
}

// A piece with a bulge as an SVG arc: the large-arc flag for sweeps over half a turn, and the
// sweep flag inverted because y is mirrored.
std::string arcTo(Point from, Point to, double bulge) {
    const BulgeArc arc = bulgeArc(from, to, bulge);
    const char* largeArc = std::abs(arc.sweep) > std::numbers::pi ? " 1 " : " 0 ";
    const char* sweep = arc.sweep > 0 ? "0 " : "1 ";
    const std::string radius = svgNumber(arc.radius);
    return "A" + radius + ' ' + radius + " 0" + largeArc + sweep + point(to);
}

std::string pathData(const Polyline& contour) {
    std::string d = "M" + point(contour.front().at);
    for (std::size_t i = 0; i < contour.size(); ++i) {
        const Point to = contour[(i + 1) % contour.size()].at;
        d += ' ';
        d += contour[i].bulge == 0 ? "L" + point(to) : arcTo(contour[i].at, to, contour[i].bulge);
    }
    return d + " Z";
}

// Half the sheet: the farthest point drawn and a margin of 1 mm plus 4 % of it.
double halfSheet(const Polyline& contour, const std::vector<double>& circleDiameters) {
    double extent = 0;
    for (double diameter : circleDiameters) {
        extent = std::max(extent, diameter / 2);
    }
    for (const PolylineVertex& v : contour) {
        extent = std::max(extent, std::hypot(v.at.x, v.at.y));
    }
    const double half = extent * 1.04 + 1;
    return std::ceil(2 * half * kSheetStepsPerMillimetre) / kSheetStepsPerMillimetre / 2;
}

}  // namespace

std::string svgDrawing(const Polyline& contour, const std::vector<double>& circleDiameters,
                       const std::string& title, const std::string& description) {
    const double half = halfSheet(contour, circleDiameters);
    const std::string side = svgNumber(2 * half);
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" + side +
           "mm\" height=\"" + side + "mm\" viewBox=\"" + svgNumber(-half) + ' ' + svgNumber(-half) +
           ' ' + side + ' ' + side + "\">\n";
    svg += "<title>" + svgEscaped(title) + "</title>\n";
    svg += "<desc>" + svgEscaped(description) + "</desc>\n";
    if (!contour.empty()) {
        svg += "<path id=\"profile\" fill=\"none\" stroke=\"#000000\" stroke-width=\"0.05\" d=\"" +
               pathData(contour) + "\"/>\n";
    }
    svg += "<g id=\"circles\" fill=\"none\" stroke=\"#5a6ea0\" stroke-width=\"0.02\">\n";
    for (double diameter : circleDiameters) {
        svg += "<circle cx=\"0\" cy=\"0\" r=\"" + svgNumber(diameter / 2) + "\"/>\n";
    }
    svg += "</g>\n</svg>\n";
    return svg;
}

}  // namespace quillon::geometry
