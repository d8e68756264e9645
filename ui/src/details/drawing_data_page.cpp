#include "drawing_data_page.h"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "details_rows.h"
#include "quillon/document/drawing_data.h"
#include "quillon/report/report_file.h"

namespace quillon::ui {
namespace {}  // namespace

DrawingDataPage::DrawingDataPage(const document::SplineDocument& document, MessageSink showMessage,
                                 QWidget* parent)
    : QWidget(parent), document_(document), showMessage_(std::move(showMessage)) {
    setObjectName(QStringLiteral("drawingDataPage"));
    table_ = nameSymbolValueTable("drawingDataTable", QStringLiteral("参数表"));
    table_->setWordWrap(true);  // the closing note takes two lines on a narrow page

    auto* copyButton = namedButton("copyDrawingData", QStringLiteral("复制"));
    auto* exportButton = namedButton("exportDrawingDataCsv", QStringLiteral("导出 CSV…"));
    connect(copyButton, &QPushButton::clicked, this, &DrawingDataPage::copy);
    connect(exportButton, &QPushButton::clicked, this, &DrawingDataPage::exportCsv);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(copyButton);
    buttons->addWidget(exportButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_, 1);
    layout->addLayout(buttons);
    setFocusProxy(table_);
}

void DrawingDataPage::refresh() {
    showRows(*table_, document::drawingData(document_).rows);
}

// The table as the document has it now, not as the last refresh showed it.
void DrawingDataPage::copy() {
    QGuiApplication::clipboard()->setText(
        QString::fromStdString(document::drawingDataTsv(document::drawingData(document_))));
}

void DrawingDataPage::exportCsv() {
    const QString initial = QDir(lastFolder_).filePath(QStringLiteral("参数表.csv"));
    const QString filter = QStringLiteral("CSV 文件 (*.csv)");
    const QString chosen = chooser_ ? chooser_(initial, filter)
                                    : QFileDialog::getSaveFileName(
                                          this, QStringLiteral("导出参数表"), initial, filter);
    if (chosen.isEmpty()) {
        return;  // cancelled
    }
    lastFolder_ = QFileInfo(chosen).absolutePath();
    const QByteArray bytes =
        QByteArray::fromStdString(document::drawingDataCsv(document::drawingData(document_)));
    if (const auto failure = report::replaceFile(chosen, bytes, QStringLiteral("参数表文件"))) {
        showMessage_(*failure);
    }
}

}  // namespace quillon::ui
