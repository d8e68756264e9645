#include "profile_view.h"

#include <QWheelEvent>
#include <cmath>

namespace quillon::ui {

ProfileView::ProfileView(QWidget* parent) : QGraphicsView(parent) {
    setRenderHint(QPainter::Antialiasing);
    setDragMode(QGraphicsView::ScrollHandDrag);
    setTransformationAnchor(QGraphicsView::AnchorUnderMouse);
    setResizeAnchor(QGraphicsView::AnchorViewCenter);
    setBackgroundBrush(Qt::white);
}

void ProfileView::fitAll() {
    userZoomed_ = false;
    fitInView(sceneRect(), Qt::KeepAspectRatio);
}

void ProfileView::wheelEvent(QWheelEvent* event) {
    // One notch (120) zooms by a fifth; the anchor keeps the point under the pointer in place.
    const double factor = std::pow(1.2, event->angleDelta().y() / 120.0);
    scale(factor, factor);
    userZoomed_ = true;
    event->accept();
}

void ProfileView::resizeEvent(QResizeEvent* event) {
    QGraphicsView::resizeEvent(event);
    if (!userZoomed_) {
        fitAll();
    }
}

}  // namespace quillon::ui
