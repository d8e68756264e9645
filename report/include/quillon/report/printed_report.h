#pragma once

#include <QColor>
#include <QPagedPaintDevice>
#include <QRectF>
#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "quillon/engine/form.h"

class QPainter;

namespace quillon::report {

// How the lite edition sets up its printer once when the window loads: the typeface 宋体 (the
// window maps it to an installed Song face), 10 pt, blue text, lines starting at the left edge of
// the printable area, and 50 twips (1/1440 inch) of extra space above every line after the first.
struct PrintStyle {
    QString fontFamily = QStringLiteral("宋体");
    qreal pointSize = 10;
    QColor color = QColor(0, 0, 255);
    qreal startXTwips = 0;
    qreal extraLineSpacingTwips = 50;
};

// A figure printed under a report's lines (a drawing of what the lines say). It takes the room left
// on the last page, within its greatest size; with less room than its least height it starts a
// new page. `paint` draws it into `area`, in the device's pixels; without it there is no figure.
struct PrintedFigure {
    qreal minimumHeightMm = 70;
    qreal maximumHeightMm = 120;
    qreal maximumWidthMm = 170;
    std::function<void(QPainter& painter, const QRectF& area)> paint;
};

// Prints `lines` (UTF-8) one under another on `device` (a QPrinter after its print dialog, or a
// QPdfWriter), going on to a new page only when the paper is too short, and ends the document,
// which sends the page to the printer. The document is named after the first line (the title);
// its creator is the application's name and version. A printer
// that refuses to start prints nothing; there are no messages. Returns true when the page was
// completed. A figure follows the lines, one line's spacing below the last.
bool printReport(QPagedPaintDevice& device, const std::vector<std::string>& lines,
                 const PrintStyle& style = {}, const PrintedFigure& figure = {});

// Lite edition ("打印报告"): the title and 20 lines on one page of `printer`, with the style the
// window set up when it loaded. Silent; returns true when the page was completed.
bool printLiteReport(QPagedPaintDevice& printer, const engine::Form& form,
                     const PrintStyle& style = {});

}  // namespace quillon::report
