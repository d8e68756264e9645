#include "gdi_shapes.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygon>
#include <algorithm>
#include <cstdlib>

namespace quillon::controls::gdi {

namespace {

QPainterPath roundRectPath(const QRectF& rect, int ellipse) {
    QPainterPath path;
    const double radius = std::min({ellipse / 2.0, rect.width() / 2.0, rect.height() / 2.0});
    if (radius <= 0.0) {
        path.addRect(rect);
    } else {
        path.addRoundedRect(rect, radius, radius);
    }
    return path;
}

}  // namespace

QRegion roundRectRegion(int left, int top, int right, int bottom, int ellipse) {
    if (right <= left || bottom <= top) {
        return {};
    }
    if (ellipse <= 1) {
        return QRegion(left, top, right - left, bottom - top);
    }
    const QPainterPath path = roundRectPath(QRectF(left, top, right - left, bottom - top), ellipse);
    return QRegion(path.toFillPolygon().toPolygon(), Qt::WindingFill) &
           QRegion(left, top, right - left, bottom - top);
}

void roundRect(QPainter& painter, int left, int top, int right, int bottom, int ellipse,
               const QColor& pen, const QColor& fill) {
    if (right - left < 2 || bottom - top < 2) {
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    // A one-pixel pen outlines a QRect of width w on w + 1 pixels, hence the − 1.
    const QRectF outline(left, top, right - left - 1, bottom - top - 1);
    if (fill.isValid()) {
        painter.setClipRegion(roundRectRegion(left, top, right, bottom, ellipse),
                              painter.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
        painter.fillRect(QRect(left, top, right - left, bottom - top), fill);
    }
    if (pen.isValid()) {
        painter.setPen(QPen(pen, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(roundRectPath(outline, ellipse));
    }
    painter.restore();
}

void line(QPainter& painter, int x1, int y1, int x2, int y2, const QColor& colour) {
    const int dx = x2 - x1;
    const int dy = y2 - y1;
    const int steps = std::max(std::abs(dx), std::abs(dy));
    if (steps == 0) {
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(colour, 1));
    if (dx == 0 || dy == 0) {
        const int ex = x2 - (dx > 0) + (dx < 0);
        const int ey = y2 - (dy > 0) + (dy < 0);
        painter.drawLine(x1, y1, ex, ey);
    } else {
        // Slanted edges: step along the longer axis so every pixel but the end is set.
        for (int i = 0; i < steps; ++i) {
            const int x = x1 + static_cast<int>(std::lround(static_cast<double>(dx) * i / steps));
            const int y = y1 + static_cast<int>(std::lround(static_cast<double>(dy) * i / steps));
            painter.drawPoint(x, y);
        }
    }
    painter.restore();
}

int halfTiesToEven(int value) {
    const int quotient = value / 2;  // truncates towards zero
    if (value % 2 == 0) {
        return quotient;
    }
    // value is quotient * 2 ± 1: the exact half lies between quotient and quotient ± 1.
    const int other = value > 0 ? quotient + 1 : quotient - 1;
    return quotient % 2 == 0 ? quotient : other;
}

}  // namespace quillon::controls::gdi
