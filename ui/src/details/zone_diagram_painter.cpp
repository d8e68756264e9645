#include "zone_diagram_painter.h"

#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>
#include <algorithm>

using quillon::document::ClearanceMark;
using quillon::document::ToleranceZone;
using quillon::document::ZoneDiagram;
using quillon::engine::SplineKind;

namespace quillon::ui {
namespace {

constexpr qreal kScreenDpi = 96;
constexpr qreal kPointsPerInch = 72;
constexpr int kGap = 44;            // between a hub and a shaft column: the clearance's room
constexpr int kLabelPad = 4;        // between a zone and its labels
constexpr double kRangePad = 0.08;  // of the range drawn, above and below
constexpr qreal kArrow = 4;
constexpr qreal kHatchStep = 7;  // along the zone's width
constexpr qreal kHatchPen = 0.8;

struct PartColours {
    QColor line;
    QColor tone;
};
const PartColours kHubColours{QColor(0x2f, 0x5f, 0xa0), QColor(0xbc, 0xd4, 0xec)};
const PartColours kShaftColours{QColor(0xa0, 0x55, 0x25), QColor(0xf0, 0xcf, 0xb5)};

const ToleranceZone* findZone(const ZoneDiagram& diagram, SplineKind part, bool effective) {
    const auto found = std::find_if(diagram.zones.begin(), diagram.zones.end(), [&](const auto& z) {
        return z.part == part && z.effective == effective;
    });
    return found != diagram.zones.end() ? &*found : nullptr;
}

// "内花键 9H" of "内花键 9H 作用齿槽宽 ev": the part and its class.
QString partCaption(const ToleranceZone& zone) {
    const QStringList words = QString::fromStdString(zone.name).split(u' ');
    return words.mid(0, 2).join(u' ');
}

// Maps µm to pixels between `top` and `bottom`, the range padded so that no label touches the
// edge.
class Scale {
  public:
    Scale(const ZoneDiagram& diagram, qreal top, qreal bottom) : top_(top), bottom_(bottom) {
        const double low = std::min(diagram.lowest, 0.0);
        const double high = std::max(diagram.highest, 0.0);
        const double span = std::max(high - low, 1.0);
        low_ = low - span * kRangePad;
        high_ = high + span * kRangePad;
    }
    qreal y(double micrometres) const {
        return top_ + (high_ - micrometres) / (high_ - low_) * (bottom_ - top_);
    }

  private:
    qreal top_;
    qreal bottom_;
    double low_ = 0;
    double high_ = 1;
};

// Diagonal lines rising to the right across `box`, drawn as lines rather than a brush pattern,
// whose spacing is in device pixels and would merge into a tone on a printer.
void paintHatch(QPainter& painter, const QRectF& box, const QColor& colour) {
    painter.save();
    painter.setClipRect(box, Qt::IntersectClip);
    painter.setPen(QPen(colour, kHatchPen));
    for (qreal x = box.left() - box.height(); x < box.right(); x += kHatchStep) {
        painter.drawLine(QPointF(x, box.bottom()), QPointF(x + box.height(), box.top()));
    }
    painter.restore();
}

// One zone, hatched (effective) or toned (actual), with its two labels on the side `labelLeft`
// gives; labels closer than a line are pushed apart about their middle.
void paintZone(QPainter& painter, const ToleranceZone& zone, const Scale& scale, qreal left,
               qreal width, bool labelLeft) {
    const PartColours& colours = zone.part == SplineKind::Internal ? kHubColours : kShaftColours;
    const qreal top = scale.y(zone.upper);
    const qreal bottom = std::max(scale.y(zone.lower), top + 1);
    const QRectF box(left, top, width, bottom - top);
    painter.setPen(QPen(colours.line, 1.2));
    painter.setBrush(zone.effective ? QBrush(Qt::white) : QBrush(colours.tone));
    painter.drawRect(box);
    if (zone.effective) {
        paintHatch(painter, box, colours.line);
    }

    const qreal line = painter.fontMetrics().height();
    qreal upperY = top;
    qreal lowerY = bottom;
    if (lowerY - upperY < line) {
        const qreal middle = (upperY + lowerY) / 2;
        upperY = middle - line / 2;
        lowerY = middle + line / 2;
    }
    painter.setPen(Qt::black);
    const qreal labelWidth = 60;
    const qreal x = labelLeft ? left - kLabelPad - labelWidth : left + width + kLabelPad;
    const Qt::Alignment side = labelLeft ? Qt::AlignRight : Qt::AlignLeft;
    painter.drawText(QRectF(x, upperY - line / 2, labelWidth, line), side | Qt::AlignVCenter,
                     QString::fromStdString(zone.upperLabel));
    painter.drawText(QRectF(x, lowerY - line / 2, labelWidth, line), side | Qt::AlignVCenter,
                     QString::fromStdString(zone.lowerLabel));
}

void paintArrowHead(QPainter& painter, QPointF tip, qreal direction) {
    QPainterPath head(tip);
    head.lineTo(tip.x() - kArrow / 2, tip.y() - direction * kArrow);
    head.lineTo(tip.x() + kArrow / 2, tip.y() - direction * kArrow);
    head.closeSubpath();
    painter.fillPath(head, painter.pen().color());
}

// A clearance as a dimension line at `x` between the shaft's boundary and the hub's, with the
// extension lines from each column's edge.
void paintClearance(QPainter& painter, const ClearanceMark& mark, const Scale& scale, qreal x,
                    qreal hubEdge, qreal shaftEdge) {
    const qreal from = scale.y(mark.from);
    const qreal to = scale.y(mark.to);
    painter.setPen(QPen(Qt::black, 0.8, Qt::DashLine));
    painter.drawLine(QPointF(hubEdge, to), QPointF(x + kArrow, to));
    painter.drawLine(QPointF(shaftEdge, from), QPointF(x - kArrow, from));
    painter.setPen(QPen(Qt::black, 1));
    painter.drawLine(QPointF(x, from), QPointF(x, to));
    const qreal direction = to < from ? -1 : 1;  // from the shaft towards the hub
    paintArrowHead(painter, QPointF(x, to), direction);
    paintArrowHead(painter, QPointF(x, from), -direction);
}

}  // namespace

void paintZoneDiagram(QPainter& painter, const ZoneDiagram& d, const QRectF& area) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::black);  // a report printed above may have left its own ink
    const qreal line = painter.fontMetrics().height();

    const QFont plain = painter.font();
    QFont bold = plain;
    bold.setBold(true);
    painter.setFont(bold);
    painter.drawText(QRectF(area.left(), area.top(), area.width(), line), Qt::AlignHCenter,
                     QString::fromStdString(d.title));
    painter.setFont(plain);

    // Under the plot: a caption per column, a caption and the clearance per group, the zero line.
    const qreal plotTop = area.top() + 1.5 * line;
    const qreal plotBottom = area.bottom() - 4.5 * line;
    const Scale scale(d, plotTop, plotBottom);

    const qreal zero = scale.y(0);
    painter.setPen(QPen(Qt::black, 1.5));
    painter.drawLine(QPointF(area.left(), zero), QPointF(area.right(), zero));
    // At the right end: a zone's own "0" label may stand at the left end.
    painter.drawText(QRectF(area.right() - 40, zero - line, 40, line),
                     Qt::AlignRight | Qt::AlignBottom, QStringLiteral("0"));

    // Two groups, the effective zones (hatched) and the actual ones (toned), each the hub's column
    // beside the shaft's with their clearance between them.
    const qreal labelRoom =
        painter.fontMetrics().horizontalAdvance(QStringLiteral("−000.0")) + 2 * kLabelPad;
    const qreal groupWidth = area.width() / 2;
    const qreal column = std::max<qreal>(16, (groupWidth - 2 * labelRoom - kGap) / 2);
    const QString groupCaptions[] = {QStringLiteral("作用公差带（斜线，通规）"),
                                     QStringLiteral("实际公差带（色块）")};
    for (int group = 0; group < 2; ++group) {
        const bool effective = group == 0;
        const ToleranceZone* hub = findZone(d, SplineKind::Internal, effective);
        const ToleranceZone* shaft = findZone(d, SplineKind::External, effective);
        const qreal left = area.left() + group * groupWidth;
        const qreal hubLeft = left + labelRoom;
        const qreal shaftLeft = hubLeft + column + kGap;
        if (hub != nullptr) {
            paintZone(painter, *hub, scale, hubLeft, column, true);
        }
        if (shaft != nullptr) {
            paintZone(painter, *shaft, scale, shaftLeft, column, false);
        }
        if (static_cast<std::size_t>(group) < d.clearances.size()) {
            paintClearance(painter, d.clearances[static_cast<std::size_t>(group)], scale,
                           hubLeft + column + kGap / 2.0, hubLeft + column, shaftLeft);
        }
        painter.setPen(Qt::black);
        qreal y = plotBottom + line / 2;
        for (const auto& [zone, x] : {std::pair{hub, hubLeft}, std::pair{shaft, shaftLeft}}) {
            if (zone != nullptr) {
                painter.drawText(QRectF(x - kGap / 2.0, y, column + kGap, line), Qt::AlignHCenter,
                                 partCaption(*zone));
            }
        }
        y += line;
        const QRectF groupLine(left, y, groupWidth, line);
        painter.drawText(groupLine, Qt::AlignHCenter, groupCaptions[group]);
        if (static_cast<std::size_t>(group) < d.clearances.size()) {
            painter.drawText(
                groupLine.translated(0, line), Qt::AlignHCenter,
                QString::fromStdString(d.clearances[static_cast<std::size_t>(group)].label));
        }
    }
    painter.setPen(QColor(0x40, 0x40, 0x40));
    painter.drawText(QRectF(area.left(), area.bottom() - line, area.width(), line),
                     Qt::AlignHCenter,
                     QString::fromStdString(d.zeroLine) + QStringLiteral("，偏差单位 µm"));
}

void printZoneDiagram(QPainter& painter, const ZoneDiagram& diagram, const QRectF& area,
                      const QFont& screenFont) {
    const qreal scale = painter.device()->logicalDpiX() / kScreenDpi;
    painter.save();
    painter.translate(area.topLeft());
    painter.scale(scale, scale);
    // A pixel size is one unit of the scaled painter, so the text keeps its size beside the
    // lines; a point size would be converted at the printer's resolution and scaled again.
    QFont font = screenFont;
    font.setPixelSize(screenFont.pixelSize() > 0
                          ? screenFont.pixelSize()
                          : qRound(screenFont.pointSizeF() * kScreenDpi / kPointsPerInch));
    painter.setFont(font);
    paintZoneDiagram(painter, diagram, QRectF(0, 0, area.width() / scale, area.height() / scale));
    painter.restore();
}

}  // namespace quillon::ui
