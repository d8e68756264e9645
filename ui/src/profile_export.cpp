#include "profile_export.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>

#include "profile_path.h"
#include "quillon/geometry/dxf_writer.h"
#include "quillon/geometry/polyline.h"

namespace quillon::ui {
namespace {

// 100 device pixels per millimetre, so the size in whole pixels is exact to 0.01 mm.
constexpr int kPixelsPerMillimetre = 100;

std::vector<double> circleDiameters(const ProfileInput& in, const ToothForm& f) {
    return {in.d, 2 * f.baseRadius, in.da, in.df};
}

}  // namespace

QByteArray profileSvg(const ProfileInput& in, const ToothForm& f, const QString& title,
                      const QString& creator) {
    const double margin = 1 + 0.02 * std::max(in.da, in.df);
    const double half = std::max(in.da, in.df) / 2 + margin;
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setTitle(title);
    svg.setDescription(creator);
    svg.setResolution(qRound(25.4 * kPixelsPerMillimetre));
    const int side = static_cast<int>(std::ceil(2 * half * kPixelsPerMillimetre));
    svg.setSize(QSize(side, side));
    const double sideMillimetres = static_cast<double>(side) / kPixelsPerMillimetre;
    svg.setViewBox(
        QRectF(-sideMillimetres / 2, -sideMillimetres / 2, sideMillimetres, sideMillimetres));

    QPainter painter(&svg);
    QPen outline(Qt::black, 0.05);
    painter.setPen(outline);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(contourPath(flattenContour(f)));
    QPen circles(QColor(90, 110, 160), 0.02);
    painter.setPen(circles);
    for (double diameter : circleDiameters(in, f)) {
        painter.drawEllipse(QPointF(0, 0), diameter / 2, diameter / 2);
    }
    painter.end();
    return buffer.data();
}

QByteArray profileDxf(const ProfileInput& in, const ToothForm& f, const QString& title,
                      const QString& creator) {
    const std::string comment = (creator + QStringLiteral(" — ") + title).toStdString();
    return QByteArray::fromStdString(
        dxfDrawing(flattenContour(f), circleDiameters(in, f), comment));
}

}  // namespace quillon::ui
