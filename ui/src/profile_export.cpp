#include "profile_export.h"

#include "quillon/geometry/dxf_writer.h"
#include "quillon/geometry/polyline.h"
#include "quillon/geometry/svg_writer.h"

namespace quillon::ui {
namespace {

std::vector<double> circleDiameters(const ProfileInput& in, const ToothForm& f) {
    return {in.d, 2 * f.baseRadius, in.da, in.df};
}

}  // namespace

QByteArray profileSvg(const ProfileInput& in, const ToothForm& f, const QString& title,
                      const QString& creator) {
    return QByteArray::fromStdString(svgDrawing(flattenContour(f), circleDiameters(in, f),
                                                title.toStdString(), creator.toStdString()));
}

QByteArray profileDxf(const ProfileInput& in, const ToothForm& f, const QString& title,
                      const QString& creator) {
    const std::string comment = (creator + QStringLiteral(" — ") + title).toStdString();
    return QByteArray::fromStdString(
        dxfDrawing(flattenContour(f), circleDiameters(in, f), comment));
}

}  // namespace quillon::ui
