#include "profile_view.h"

#include <QScrollBar>
#include <QWheelEvent>
#include <cmath>

namespace quillon::ui {

ProfileView::ProfileView(QWidget* parent) : QGraphicsView(parent) {
    setRenderHint(QPainter::Antialiasing);
    setDragMode(QGraphicsView::ScrollHandDrag);
    setTransformationAnchor(QGraphicsView::NoAnchor);
    setResizeAnchor(QGraphicsView::AnchorViewCenter);
    setBackgroundBrush(Qt::white);
}

void ProfileView::fitAll() {
    userZoomed_ = false;
    fitInView(sceneRect(), Qt::KeepAspectRatio);
}

void ProfileView::keepFitted() {
    if (!userZoomed_) {
        fitAll();
    }
}

void ProfileView::wheelEvent(QWheelEvent* event) {
    // One notch (120) zooms by a fifth; scrolling back keeps the point under the pointer in place.
    const QPoint pointer = event->position().toPoint();
    const QPointF under = mapToScene(pointer);
    const double factor = std::pow(1.2, event->angleDelta().y() / 120.0);
    scale(factor, factor);
    const QPoint shift = mapFromScene(under) - pointer;
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() + shift.x());
    verticalScrollBar()->setValue(verticalScrollBar()->value() + shift.y());
    userZoomed_ = true;
    event->accept();
}

void ProfileView::resizeEvent(QResizeEvent* event) {
    QGraphicsView::resizeEvent(event);
    keepFitted();
}

}  // namespace quillon::ui
