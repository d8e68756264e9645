#include "profile_page.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGraphicsScene>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "details_rows.h"
#include "profile_scene.h"
#include "profile_view.h"
#include "quillon/document/drawing_data.h"
#include "quillon/document/spline_document.h"
#include "quillon/engine/display_decimals.h"
#include "quillon/engine/field_text.h"
#include "quillon/report/report_file.h"
#include "quillon/version.h"

using namespace quillon::engine;

namespace quillon::ui {
namespace {

const QString kDialogTitle = QStringLiteral("导出齿形");

QPushButton* makeButton(const char* objectName, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    nameControl(*button, objectName, caption);
    return button;
}

}  // namespace

ProfilePage::ProfilePage(const document::SplineDocument& document, MessageSink showMessage,
                         QWidget* parent)
    : QWidget(parent), document_(document), showMessage_(std::move(showMessage)) {
    setObjectName(QStringLiteral("profilePage"));
    scene_ = new QGraphicsScene(this);
    view_ = new ProfileView(this);
    view_->setScene(scene_);
    nameControl(*view_, "profileView", QStringLiteral("齿形图"));
    warnings_ = messageLabel("profileWarnings", true);
    auto* rows = new QFormLayout();
    midFlankPin_ =
        addReadOnlyRow(*rows, "profileMidFlankPin", QStringLiteral("齿面中部接触的量棒直径 (mm)"));

    auto* fit = makeButton("fitView", QStringLiteral("适合窗口"), this);
    exportDxf_ = makeButton("exportDxf", QStringLiteral("导出 DXF…"), this);
    exportSvg_ = makeButton("exportSvg", QStringLiteral("导出 SVG…"), this);
    connect(fit, &QPushButton::clicked, view_, &ProfileView::fitAll);
    connect(exportDxf_, &QPushButton::clicked, this,
            [this] { exportDrawing(document::DrawingFormat::Dxf); });
    connect(exportSvg_, &QPushButton::clicked, this,
            [this] { exportDrawing(document::DrawingFormat::Svg); });

    auto* buttons = new QHBoxLayout();
    buttons->addWidget(fit);
    buttons->addStretch();
    buttons->addWidget(exportDxf_);
    buttons->addWidget(exportSvg_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view_, 1);
    layout->addWidget(warnings_);
    layout->addLayout(rows);
    layout->addLayout(buttons);
}

void ProfilePage::refresh() {
    profile_ = document_.profile();
    if (profile_.input) {
        drawProfile(*scene_, *profile_.input, profile_.design, profile_.check);
    } else {
        scene_->clear();
    }
    view_->keepFitted();

    QStringList lines;
    if (profile_.calculated && !profile_.design.form) {
        lines << QString::fromStdString(profile_.design.problem);
    }
    for (const std::string& warning : profile_.check.warnings) {
        lines << QString::fromStdString(warning);
    }
    showMessageLines(*warnings_, lines);
    const auto& pin = profile_.check.midFlankPinDiameter;
    showText(*midFlankPin_,
             pin ? QString::fromStdString(formatNumber(*pin, engine::kLengthDecimals))
                 : QStringLiteral("—"));
    const bool drawn = profile_.design.form.has_value();
    exportDxf_->setEnabled(drawn);
    exportSvg_->setEnabled(drawn);
}

void ProfilePage::exportDrawing(document::DrawingFormat format) {
    if (!profile_.input || !profile_.design.form) {
        return;
    }
    const bool dxf = format == document::DrawingFormat::Dxf;
    const QString initial =
        QDir(lastFolder_).filePath(dxf ? QStringLiteral("齿形.dxf") : QStringLiteral("齿形.svg"));
    const QString filter =
        dxf ? QStringLiteral("DXF 图形 (*.dxf)") : QStringLiteral("SVG 图形 (*.svg)");
    const QString chosen = chooser_
                               ? chooser_(initial, filter)
                               : QFileDialog::getSaveFileName(this, kDialogTitle, initial, filter);
    if (chosen.isEmpty()) {
        return;  // cancelled
    }
    lastFolder_ = QFileInfo(chosen).absolutePath();
    // The DXF carries the data table beside the profile; the SVG draws the profile alone.
    const QByteArray bytes = QByteArray::fromStdString(
        document::profileDrawing(*profile_.input, *profile_.design.form, format,
                                 document_.drawingCreator(), document::drawingData(document_)));
    if (const auto failure = report::replaceFile(chosen, bytes, QStringLiteral("齿形文件"))) {
        showMessage_(*failure);
    }
}

}  // namespace quillon::ui
