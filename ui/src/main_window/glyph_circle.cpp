#include "glyph_circle.h"

#include <QMouseEvent>
#include <QPainter>

namespace quillon::ui {

GlyphCircle::GlyphCircle(QColor fill, QWidget* parent) : QWidget(parent), fill_(fill) {
    setAttribute(Qt::WA_TranslucentBackground);
}

void GlyphCircle::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 1));
    painter.setBrush(fill_);
    painter.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

void GlyphCircle::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

}  // namespace quillon::ui
