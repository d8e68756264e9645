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
namespace {

constexpr int kColumns = 3;

}  // namespace

DrawingDataPage::DrawingDataPage(const document::SplineDocument& document, MessageSink showMessage,
                                 QWidget* parent)
    : QWidget(parent), document_(document), showMessage_(std::move(showMessage)) {
    setObjectName(QStringLiteral("drawingDataPage"));
    table_ = new QTableWidget(0, kColumns);
    nameControl(*table_, "drawingDataTable", QStringLiteral("参数表"));
    table_->setHorizontalHeaderLabels(
        {QStringLiteral("名称"), QStringLiteral("代号"), QStringLiteral("数值")});
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::ContiguousSelection);
    // Rows as high as their text, so that the whole table fits the page.
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->verticalHeader()->hide();
    table_->setWordWrap(true);  // the closing note takes two lines on a narrow page
    QHeaderView* header = table_->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setStretchLastSection(true);

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
    const geometry::DrawingTable data = document::drawingData(document_);
    table_->setRowCount(static_cast<int>(data.rows.size()));
    for (int row = 0; row < table_->rowCount(); ++row) {
        for (int column = 0; column < kColumns; ++column) {
            showCell(*table_, row, column,
                     QString::fromStdString(data.rows[static_cast<std::size_t>(row)][column]));
        }
    }
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
