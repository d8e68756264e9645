#include "zone_diagram_view.h"

#include <QPainter>
#include <QStringList>

#include "zone_diagram_painter.h"

using quillon::document::ZoneDiagram;

namespace quillon::ui {
namespace {

constexpr int kMargin = 8;

}  // namespace

ZoneDiagramView::ZoneDiagramView(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    setPalette(colours);
}

QSize ZoneDiagramView::sizeHint() const {
    return {480, 420};
}

QSize ZoneDiagramView::minimumSizeHint() const {
    return {400, 300};
}

void ZoneDiagramView::setDiagram(std::optional<ZoneDiagram> diagram) {
    diagram_ = std::move(diagram);
    QStringList words;
    if (diagram_) {
        for (const std::string& line : diagram_->description) {
            words << QString::fromStdString(line);
        }
    }
    setAccessibleDescription(words.isEmpty() ? QStringLiteral("无公差带图") : words.join(u'\n'));
    update();
}

void ZoneDiagramView::paintEvent(QPaintEvent*) {
    if (diagram_) {
        QPainter painter(this);
        paintZoneDiagram(painter, *diagram_,
                         QRectF(rect()).adjusted(kMargin, kMargin, -kMargin, -kMargin));
    }
}

}  // namespace quillon::ui
