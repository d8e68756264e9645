#include "quillon/document/profile_drawing.h"

#include <vector>

#include "quillon/engine/field_text.h"
#include "quillon/geometry/dxf_writer.h"
#include "quillon/geometry/polyline.h"
#include "quillon/geometry/svg_writer.h"

using namespace quillon::engine;
using namespace quillon::geometry;

namespace quillon::document {

std::string drawingTitle(const ProfileInput& in) {
    return std::string("DIN 5480 ") + (in.kind == SplineKind::External ? "外花键" : "内花键") +
           " 齿形：z = " + writeNumber(in.z) + "，m = " + writeNumber(in.m) +
           "，x = " + writeNumber(in.x);
}

std::string profileDrawing(const ProfileInput& in, const ToothForm& form, DrawingFormat format,
                           std::string_view creator, const DrawingTable& table) {
    const std::vector<double> circles = {in.d, 2 * form.baseRadius, in.da, in.df};
    const std::string title = drawingTitle(in);
    if (format == DrawingFormat::Svg) {
        return svgDrawing(flattenContour(form), circles, title, std::string(creator));
    }
    return dxfDrawing(flattenContour(form), circles, std::string(creator) + " — " + title, table);
}

}  // namespace quillon::document
