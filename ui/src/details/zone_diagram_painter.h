#pragma once

#include <QFont>
#include <QRectF>

#include "quillon/document/zone_diagram.h"

class QPainter;

namespace quillon::ui {

// The tolerance zones of a connection painted from document::zoneDiagram into `area`, in the
// painter's font: the title, the zero line, the hub's and the shaft's zones side by side,
// effective zones hatched and actual ones in a solid tone (so that they differ without colour),
// every boundary labelled in µm, and the least and greatest clearance as dimension lines. Gaps,
// pens and arrow heads are laid out in screen pixels (96 to the inch).
void paintZoneDiagram(QPainter& painter, const document::ZoneDiagram& diagram, const QRectF& area);

// The same on paper: `area` in the device's pixels, the drawing as large as on a screen of 96 dpi
// in `screenFont`, so that a printer's resolution does not shrink the lines against the text.
void printZoneDiagram(QPainter& painter, const document::ZoneDiagram& diagram, const QRectF& area,
                      const QFont& screenFont);

}  // namespace quillon::ui
