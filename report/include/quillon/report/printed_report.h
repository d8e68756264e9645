#pragma once

#include <QColor>
#include <QPagedPaintDevice>
#include <QString>
#include <string>
#include <vector>

#include "quillon/engine/form.h"

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

// Prints `lines` (UTF-8) one under another on `device` (a QPrinter after its print dialog, or a
// QPdfWriter), going on to a new page only when the paper is too short, and ends the document,
// which sends the page to the printer. The document is named after the first line (the title);
// its creator is the application's name and version. A printer
// that refuses to start prints nothing; there are no messages. Returns true when the page was
// completed.
bool printReport(QPagedPaintDevice& device, const std::vector<std::string>& lines,
                 const PrintStyle& style = {});

// Lite edition ("打印报告"): the title and 20 lines on one page of `printer`, with the style the
// window set up when it loaded. Silent; returns true when the page was completed.
bool printLiteReport(QPagedPaintDevice& printer, const engine::Form& form,
                     const PrintStyle& style = {});

}  // namespace quillon::report
