#include "quillon/report/printed_report.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <algorithm>

#include "quillon/report/lite_report.h"
#include "quillon/version.h"

using namespace quillon::engine;

namespace quillon::report {
namespace {

constexpr qreal kTwipsPerInch = 1440;
constexpr qreal kMillimetresPerInch = 25.4;

// The name a print queue or a PDF reader shows for the document: its title line, and the
// program and version that made it.
void nameDocument(QPagedPaintDevice& device, const QString& title) {
    const QString creator =
        QCoreApplication::applicationName() + u' ' + QString::fromLatin1(kVersion);
    if (auto* printer = dynamic_cast<QPrinter*>(&device)) {
        printer->setDocName(title);
        printer->setCreator(creator);
    } else if (auto* pdf = dynamic_cast<QPdfWriter*>(&device)) {
        pdf->setTitle(title);
        pdf->setCreator(creator);
    }
}

// The figure under the lines that end at `top` (device pixels from the top of the page).
void printFigure(QPainter& painter, QPagedPaintDevice& device, const PrintedFigure& figure,
                 qreal top) {
    const qreal pixelsPerMm = device.logicalDpiY() / kMillimetresPerInch;
    const qreal pageHeight = device.height();
    if (pageHeight - top < figure.minimumHeightMm * pixelsPerMm && device.newPage()) {
        top = 0;
    }
    const qreal width = std::min<qreal>(device.width(), figure.maximumWidthMm * pixelsPerMm);
    const qreal height = std::min(pageHeight - top, figure.maximumHeightMm * pixelsPerMm);
    if (height > 0) {  // none when the device could not start the new page
        painter.save();
        figure.paint(painter, QRectF(0, top, width, height));
        painter.restore();
    }
}

}  // namespace

bool printReport(QPagedPaintDevice& device, const std::vector<std::string>& lines,
                 const PrintStyle& style, const PrintedFigure& figure) {
    if (!lines.empty()) {
        nameDocument(device, QString::fromStdString(lines.front()));
    }
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    QFont font(style.fontFamily);
    font.setPointSizeF(style.pointSize);
    painter.setFont(font);
    painter.setPen(style.color);

    // The painter's origin is the top-left corner of the printable area; its unit is one device
    // pixel.
    const qreal x = style.startXTwips * device.logicalDpiX() / kTwipsPerInch;
    const qreal extraSpacing = style.extraLineSpacingTwips * device.logicalDpiY() / kTwipsPerInch;
    const QFontMetricsF metrics(painter.font(), &device);
    const qreal pageHeight = device.height();
    qreal top = 0;
    bool first = true;
    for (const std::string& line : lines) {
        if (!first) {
            top += extraSpacing;
        }
        // The report fits one page of any usual paper; on a smaller one the lines go on over the
        // next page instead of falling off the edge.
        if (!first && top + metrics.height() > pageHeight && device.newPage()) {
            top = 0;
        }
        first = false;
        painter.drawText(QPointF(x, top + metrics.ascent()), QString::fromStdString(line));
        top += metrics.lineSpacing();
    }
    if (figure.paint) {
        printFigure(painter, device, figure, top + metrics.lineSpacing());
    }
    return painter.end();
}

bool printLiteReport(QPagedPaintDevice& printer, const Form& form, const PrintStyle& style) {
    return printReport(printer, litePrintedReportLines(form), style);
}

}  // namespace quillon::report
