#include "profile_scene.h"

#include <QBrush>
#include <QFont>
#include <QGraphicsEllipseItem>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QPen>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "profile_path.h"
#include "quillon/engine/display_decimals.h"
#include "quillon/engine/field_text.h"
#include "quillon/geometry/pin_position.h"
#include "quillon/geometry/polyline.h"

using namespace quillon::engine;
using namespace quillon::geometry;

namespace quillon::ui {
namespace {

constexpr double kPi = std::numbers::pi;

const QColor kOutline(20, 20, 20);
const QColor kMaterial(200, 208, 218);
const QColor kCircle(90, 110, 160);
const QColor kMeasure(200, 120, 0);
const QColor kFailing(210, 30, 30);

QPen cosmeticPen(const QColor& colour, double width, Qt::PenStyle style = Qt::SolidLine) {
    QPen pen(colour, width, style);
    pen.setCosmetic(true);  // the same width at every zoom
    return pen;
}

QString millimetres(double value) {
    return QString::fromStdString(engine::formatNumber(value, engine::kLengthDecimals));
}

// A label that keeps its size whatever the zoom, its left end at `at`.
void addLabel(QGraphicsScene& scene, QGraphicsItem* parent, const QString& text, QPointF at,
              const QColor& colour) {
    auto* label = new QGraphicsSimpleTextItem(text, parent);
    if (!parent) {
        scene.addItem(label);
    }
    label->setBrush(colour);
    label->setFlag(QGraphicsItem::ItemIgnoresTransformations);
    label->setPos(at);
}

// The material: the shaft inside its contour, the hub as a ring around its toothed bore.
QPainterPath materialPath(const ToothForm& f, const QPainterPath& contour) {
    if (f.kind == SplineKind::External) {
        return contour;
    }
    QPainterPath ring;
    const double outside = f.rootRadius * 1.12 + 1;
    ring.addEllipse(QPointF(0, 0), outside, outside);
    ring.addPath(contour);
    ring.setFillRule(Qt::OddEvenFill);
    return ring;
}

void addCircles(QGraphicsItem& parent, const ProfileInput& in, const ToothForm& f) {
    struct Circle {
        double diameter;
        QPen pen;
    };
    const Circle circles[] = {
        {in.d, cosmeticPen(kCircle, 1, Qt::DashDotLine)},
        {2 * f.baseRadius, cosmeticPen(kCircle, 0.5)},
        {in.da, cosmeticPen(kCircle, 1)},
        {in.df, cosmeticPen(kCircle, 1)},
    };
    for (const Circle& c : circles) {
        const double r = c.diameter / 2;
        auto* item = new QGraphicsEllipseItem(-r, -r, 2 * r, 2 * r, &parent);
        item->setPen(c.pen);
    }
}

// The spline with its circles, as children of `parent` in the part's millimetres.
void addSpline(QGraphicsItem& parent, const ProfileInput& in, const ToothForm& f,
               const QPainterPath& contour) {
    auto* material = new QGraphicsPathItem(materialPath(f, contour), &parent);
    material->setPen(Qt::NoPen);
    material->setBrush(kMaterial);
    addCircles(parent, in, f);
    auto* outline = new QGraphicsPathItem(contour, &parent);
    outline->setPen(cosmeticPen(kOutline, 1.5));
}

// The pin centre of M in the space nearest the top (and its partner across the spline).
double pinSpaceAngle(const ToothForm& f) {
    return kPi / 2 + (f.kind == SplineKind::External ? f.pitchAngle() / 2 : 0.0);
}

void addPin(QGraphicsItem& parent, double centreRadius, double angle, double dp,
            const QColor& colour) {
    const QPointF c = drawingPoint(centreRadius * direction(angle));
    auto* pin = new QGraphicsEllipseItem(c.x() - dp / 2, c.y() - dp / 2, dp, dp, &parent);
    pin->setPen(cosmeticPen(colour, 1.5));
    pin->setBrush(QColor(colour.red(), colour.green(), colour.blue(), 60));
}

// The span anvils over k bodies, placed symmetric about +Y: planes W apart square to the middle
// of the block, touching the flanks where the common normal is tangent to the base circle.
void addAnvils(QGraphicsItem& parent, const ProfileInput& in, const ToothForm& f,
               const QColor& colour) {
    const int k = static_cast<int>(std::lround(in.k));
    const double middle = k % 2 == 1 ? 0.0 : f.pitchAngle() / 2;
    const double reach = 1.6 * in.m;
    const Point along = rotated(Point{0, 1}, middle);
    Point contacts[2];
    for (int i = 0; i < 2; ++i) {
        contacts[i] = rotated(Point{(i == 0 ? -1 : 1) * in.W / 2, f.baseRadius}, middle);
        auto* anvil = new QGraphicsLineItem(QLineF(drawingPoint(contacts[i] - reach * along),
                                                   drawingPoint(contacts[i] + reach * along)),
                                            &parent);
        anvil->setPen(cosmeticPen(colour, 2.5));
    }
    // W is measured along the common normal of the two flanks, a tangent of the base circle.
    auto* normal = new QGraphicsLineItem(
        QLineF(drawingPoint(contacts[0]), drawingPoint(contacts[1])), &parent);
    normal->setPen(cosmeticPen(colour, 1, Qt::DashLine));
}

// The part of the spline the detail shows: the anvils, the pin and the teeth between them.
QRectF detailRegion(const ProfileInput& in, const ToothForm& f) {
    const double halfWidth =
        std::max(in.W / 2, 1.5 * f.pitchAngle() * f.referenceRadius) + 1.5 * in.m;
    double top = f.outerRadius() + in.m;
    double bottom = std::min(f.innerRadius(), f.baseRadius - 1.6 * in.m) - in.m;
    if (const auto pin = pinOfMeasurement(f, in.dp, in.M)) {
        top = std::max(top, pin->centreRadius + in.dp / 2 + in.m);
        bottom = std::min(bottom, pin->centreRadius - in.dp / 2 - in.m);
    }
    return QRectF(QPointF(-halfWidth, -top), QPointF(halfWidth, -bottom));
}

// The teeth around the top, enlarged, in a clipped box of `box` (scene coordinates).
void addDetail(QGraphicsScene& scene, const ProfileInput& in, const ToothForm& f,
               const MeasurementCheck& check, const QPainterPath& contour, const QRectF& box) {
    const QRectF region = detailRegion(in, f);
    const double scale = std::min(box.width() / region.width(), box.height() / region.height());
    // The clipping frame has no pen (a pen would widen its shape); its outline is drawn on top.
    auto* frame = scene.addRect(box, Qt::NoPen);
    frame->setFlag(QGraphicsItem::ItemClipsChildrenToShape);
    scene.addRect(box, cosmeticPen(QColor(150, 150, 150), 1))->setZValue(1);
    auto* detail = new QGraphicsRectItem(frame);
    detail->setPen(Qt::NoPen);
    detail->setTransform(QTransform::fromTranslate(box.center().x(), box.center().y())
                             .scale(scale, scale)
                             .translate(-region.center().x(), -region.center().y()));
    addSpline(*detail, in, f, contour);
    if (in.beta != 0) {
        return;
    }
    const QColor pinColour = check.pinsFail ? kFailing : kMeasure;
    if (const auto pin = pinOfMeasurement(f, in.dp, in.M)) {
        addPin(*detail, pin->centreRadius, pinSpaceAngle(f), in.dp, pinColour);
        addLabel(scene, detail, QStringLiteral("M"),
                 drawingPoint((pin->centreRadius + in.dp / 2) * direction(pinSpaceAngle(f))),
                 pinColour);
    }
    if (in.W > 0 && in.k >= 1) {
        const QColor colour = check.anvilsFail ? kFailing : kMeasure;
        addAnvils(*detail, in, f, colour);
        addLabel(scene, nullptr,
                 QStringLiteral("W = %1（k = %2）").arg(millimetres(in.W)).arg(std::lround(in.k)),
                 box.topLeft() + QPointF(0.02 * box.width(), 0.02 * box.width()), colour);
    }
}

}  // namespace

void drawProfile(QGraphicsScene& scene, const ProfileInput& in, const ToothFormDesign& design,
                 const MeasurementCheck& check) {
    scene.clear();
    if (!design.form) {
        addLabel(scene, nullptr, QString::fromStdString(design.problem), QPointF(0, 0), kFailing);
        scene.setSceneRect(QRectF(0, 0, 1, 1));
        return;
    }
    const ToothForm& f = *design.form;
    const QPainterPath contour = contourPath(flattenContour(f));
    auto* whole = new QGraphicsRectItem();
    whole->setPen(Qt::NoPen);
    scene.addItem(whole);
    addSpline(*whole, in, f, contour);
    // The whole spline fills [-extent, extent]; the detail box stands to its right, the labels
    // below both. Labels keep their size at any zoom, so they do not count for the scene's extent.
    // The pins of a shaft may stand out beyond its tip: the extent takes them in, so that the view
    // fitting the scene does not cut them off.
    const auto pin = in.beta == 0 ? pinOfMeasurement(f, in.dp, in.M) : std::nullopt;
    double extent = f.kind == SplineKind::External ? f.tipRadius : f.rootRadius * 1.12 + 1;
    if (pin) {
        extent = std::max(extent, pin->centreRadius + in.dp / 2);
    }
    const QRectF box(1.15 * extent, -extent, 2.4 * extent, 1.4 * extent);
    const QPointF belowWhole(-extent, 1.04 * extent);
    if (in.beta == 0) {
        if (pin) {
            const QColor colour = check.pinsFail ? kFailing : kMeasure;
            const double angle = pinSpaceAngle(f);
            // With an odd number of teeth the partner pin lies in the space nearest opposite.
            const double opposite = angle + kPi - (f.z % 2 == 1 ? f.pitchAngle() / 2 : 0.0);
            addPin(*whole, pin->centreRadius, angle, in.dp, colour);
            addPin(*whole, pin->centreRadius, opposite, in.dp, colour);
            addLabel(scene, nullptr,
                     QStringLiteral("M = %1（dp = %2）").arg(millimetres(in.M), millimetres(in.dp)),
                     belowWhole, colour);
        }
    } else {
        addLabel(scene, nullptr,
                 QStringLiteral("端面齿形（β = %1°：端面模数、端面压力角）").arg(in.beta),
                 belowWhole, kOutline);
    }
    addDetail(scene, in, f, check, contour, box);
    addLabel(scene, nullptr, QStringLiteral("齿顶附近放大"),
             box.bottomLeft() + QPointF(0, 0.04 * extent), kOutline);
    const double pad = 0.05 * extent;
    scene.setSceneRect(
        QRectF(QPointF(-extent - pad, -extent - pad), QPointF(box.right() + pad, extent * 1.2)));
}

}  // namespace quillon::ui
