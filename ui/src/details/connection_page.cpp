#include "connection_page.h"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include "connection_rows.h"
#include "quillon/document/connection_report.h"
#include "quillon/document/micrometre_text.h"
#include "quillon/document/spline_document.h"
#include "quillon/document/zone_diagram_svg.h"
#include "quillon/engine/display_decimals.h"
#include "quillon/engine/field_text.h"
#include "quillon/report/printed_report.h"
#include "quillon/report/report_file.h"
#include "quillon/textio/strict_number.h"
#include "zone_diagram_painter.h"
#include "zone_diagram_view.h"

using namespace quillon::engine;
using quillon::document::MeasuredQuantity;

namespace quillon::ui {
namespace {

// About as wide as it is high, as the page shows it.
constexpr qreal kPrintedDiagramWidthMm = 130;

QString text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

SplineKind ownKind(const document::SplineDocument& document) {
    return document.form().selectedKind().value_or(SplineKind::External);
}

QLineEdit* addMeasuredRow(QFormLayout& rows, const char* objectName, const QString& caption) {
    auto* field = new QLineEdit;
    nameControl(*field, objectName, caption);
    field->setPlaceholderText(QStringLiteral("实测值"));
    auto* label = new QLabel(caption);
    label->setBuddy(field);
    rows.addRow(label, field);
    return field;
}

}  // namespace

ConnectionPage::ConnectionPage(const document::SplineDocument& document, MessageSink showMessage,
                               QWidget* parent)
    : QWidget(parent), document_(document), showMessage_(std::move(showMessage)) {
    setObjectName(QStringLiteral("connectionPage"));
    auto* fitRow = new QFormLayout;
    fit_ = new QLineEdit;
    nameControl(*fit_, "connectionFit", QStringLiteral("配合（内花键/外花键）"));
    fit_->setPlaceholderText(QStringLiteral("例如 9H/8f"));
    auto* fitLabel = new QLabel(fit_->accessibleName());
    fitLabel->setBuddy(fit_);
    fitRow->addRow(fitLabel, fit_);
    // Any change but the page's own (typing, pasting, an assistive tool's text) is the user's fit.
    connect(fit_, &QLineEdit::textChanged, this, [this] {
        fitTyped_ = true;
        calculate();
    });
    status_ = messageLabel("connectionStatus", true);

    table_ = nameSymbolValueTable("connectionTable", QStringLiteral("配合尺寸"));
    table_->setTabKeyNavigation(false);  // Tab leaves the table for the measured values
    zones_ = new ZoneDiagramView;
    zones_->setObjectName(QStringLiteral("connectionZones"));
    zones_->setAccessibleName(QStringLiteral("公差带图"));
    auto* tableAndZones = new QHBoxLayout;
    tableAndZones->addWidget(table_, 1);
    tableAndZones->addWidget(zones_, 1);

    copy_ = namedButton("copyConnection", QStringLiteral("复制"));
    exportSvg_ = namedButton("exportConnectionSvg", QStringLiteral("导出公差带图 SVG…"));
    print_ = namedButton("printConnection", QStringLiteral("打印…"));
    connect(copy_, &QPushButton::clicked, this, &ConnectionPage::copy);
    connect(exportSvg_, &QPushButton::clicked, this, &ConnectionPage::exportSvg);
    connect(print_, &QPushButton::clicked, this, &ConnectionPage::print);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(copy_);
    buttons->addWidget(exportSvg_);
    buttons->addWidget(print_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fitRow);
    layout->addWidget(status_);
    layout->addLayout(tableAndZones, 1);
    layout->addWidget(makeMeasurementRows());
    layout->addLayout(buttons);
    setFocusProxy(fit_);
}

ConnectionPage::~ConnectionPage() = default;

// The check of the window's own part: W (shafts only) or M typed, its size, deviation and
// verdict in words.
QWidget* ConnectionPage::makeMeasurementRows() {
    auto* box = new QWidget;
    auto* rows = new QFormLayout(box);
    rows->setContentsMargins(0, 0, 0, 0);
    measuredW_ = addMeasuredRow(*rows, "measuredW", QStringLiteral("实测公法线长度 W (mm)"));
    measuredM_ = addMeasuredRow(*rows, "measuredM", QStringLiteral("实测跨棒距 M (mm)"));
    measurementResult_ = messageLabel("measurementResult", false);
    rows->addRow(measurementResult_);
    for (QLineEdit* field : {measuredW_, measuredM_}) {
        connect(field, &QLineEdit::textChanged, this, &ConnectionPage::showMeasurement);
    }
    return box;
}

void ConnectionPage::refresh() {
    if (!fitTyped_) {
        const QSignalBlocker ownChange(fit_);
        showText(*fit_, text(printFit(document::defaultFit(document_))));
    }
    calculate();
}

void ConnectionPage::calculate() {
    document::ConnectionResult result = document::connection(document_, fit_->text().toStdString());
    connection_ = std::move(result.connection);
    QStringList status;
    if (!connection_) {
        status << text(result.refusal);
    } else if (connection_->interference) {
        status << text(connection_->warning);
    }
    showMessageLines(*status_, status);
    showConnection();
    showMeasurement();
}

void ConnectionPage::showConnection() {
    showRows(*table_, connection_ ? connectionRows(*connection_) : std::vector<ConnectionRow>{});
    zones_->setDiagram(connection_ ? std::optional(document::zoneDiagram(*connection_))
                                   : std::nullopt);
    copy_->setEnabled(connection_.has_value());
    exportSvg_->setEnabled(connection_.has_value());
    print_->setEnabled(connection_.has_value());
    // There are no anvils for the inside of a hub: it is measured over pins only.
    measuredW_->setEnabled(ownKind(document_) == SplineKind::External);
}

void ConnectionPage::showMeasurement() {
    QStringList lines;
    bool within = true;
    const std::pair<MeasuredQuantity, QLineEdit*> fields[] = {{MeasuredQuantity::W, measuredW_},
                                                              {MeasuredQuantity::M, measuredM_}};
    for (const auto& [quantity, field] : fields) {
        if (field->isEnabled() && !field->text().trimmed().isEmpty()) {
            lines << measurementLine(quantity, field->text(), within);
        }
    }
    if (!connection_ && !lines.isEmpty()) {
        lines = {QStringLiteral("没有配合，无法检验实测值")};
        within = false;
    }
    showMessageLines(*measurementResult_, lines);
    measurementResult_->setStyleSheet(lines.isEmpty() ? QString()
                                      : within        ? passStyle()
                                                      : failStyle());
}

// "M = 54.312 mm → 实际齿厚 s = 2.9981 mm，偏差 −28 µm，在实际极限 2.9541 — 2.9861 mm 之内：合格"
QString ConnectionPage::measurementLine(MeasuredQuantity quantity, const QString& typed,
                                        bool& within) const {
    const QString symbol =
        quantity == MeasuredQuantity::W ? QStringLiteral("W") : QStringLiteral("M");
    const std::string trimmed(textio::trimBlanks(typed.toStdString()));
    const std::optional<double> value = textio::strictNumber(trimmed);
    if (!value) {
        within = false;
        return QStringLiteral("实测 %1：“%2”%3")
            .arg(symbol, text(trimmed), text(std::string(textio::kNotANumber)));
    }
    if (!connection_) {
        return {};
    }
    const document::PartSizes& part = connection_->part(ownKind(document_));
    const document::MeasuredSizeResult result = document::measuredSize(part, quantity, *value);
    if (!result.size) {
        within = false;
        return text(result.refusal);
    }
    const document::MeasuredSize& size = *result.size;
    within = within && size.within;
    const bool shaft = part.kind == SplineKind::External;
    return QStringLiteral("%1 = %2 mm → 实际%3 = %4 mm，偏差 %5 µm，%6实际极限 %7 — %8 mm%9")
        .arg(symbol, text(formatNumber(*value, kLengthDecimals)),
             shaft ? QStringLiteral("齿厚 s") : QStringLiteral("齿槽宽 e"),
             text(formatNumber(size.actual, kWidthDecimals)),
             text(document::micrometreText(size.deviationMicrometres)),
             size.within ? QStringLiteral("在") : QStringLiteral("超出"),
             text(formatNumber(size.lowest, kWidthDecimals)),
             text(formatNumber(size.highest, kWidthDecimals)),
             size.within ? QStringLiteral(" 之内：合格") : QStringLiteral("：不合格"));
}

void ConnectionPage::copy() {
    if (connection_) {
        QGuiApplication::clipboard()->setText(text(connectionTsv(connectionRows(*connection_))));
    }
}

void ConnectionPage::exportSvg() {
    if (!connection_) {
        return;
    }
    const QString initial = QDir(lastFolder_).filePath(QStringLiteral("公差带图.svg"));
    const QString filter = QStringLiteral("SVG 图形 (*.svg)");
    const QString chosen = chooser_ ? chooser_(initial, filter)
                                    : QFileDialog::getSaveFileName(
                                          this, QStringLiteral("导出公差带图"), initial, filter);
    if (chosen.isEmpty()) {
        return;  // cancelled
    }
    lastFolder_ = QFileInfo(chosen).absolutePath();
    const QByteArray bytes = QByteArray::fromStdString(
        document::zoneDiagramSvg(document::zoneDiagram(*connection_), document_.drawingCreator()));
    if (const auto failure = report::replaceFile(chosen, bytes, QStringLiteral("公差带图文件"))) {
        showMessage_(*failure);
    }
}

// The report's lines as the lite edition prints its report, then the zone diagram as the page
// shows it.
void ConnectionPage::print() {
    if (!connection_) {
        return;
    }
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    const bool accepted = printDialog_ ? printDialog_(*printer_) : [this] {
        QPrintDialog dialog(printer_.get(), this);
        return dialog.exec() == QDialog::Accepted;
    }();
    if (!accepted) {
        return;  // a cancelled print dialog prints nothing
    }
    const document::ZoneDiagram diagram = document::zoneDiagram(*connection_);
    report::PrintedFigure figure;
    figure.maximumWidthMm = kPrintedDiagramWidthMm;
    figure.paint = [&diagram, screenFont = font()](QPainter& painter, const QRectF& area) {
        printZoneDiagram(painter, diagram, area, screenFont);
    };
    if (!report::printReport(*printer_, document::reportLines(document_, *connection_), {},
                             figure)) {
        showMessage_(QStringLiteral("无法打印：打印机未能开始打印"));
    }
}

}  // namespace quillon::ui
