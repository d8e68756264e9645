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
#include "profile_export.h"
#include "profile_scene.h"
#include "profile_view.h"
#include "quillon/report/report_file.h"
#include "quillon/ui/din5480.h"
#include "quillon/version.h"

namespace quillon::ui {
namespace {

const QString kDialogTitle = QStringLiteral("导出齿形");

QPushButton* makeButton(const char* objectName, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    nameControl(*button, objectName, caption);
    return button;
}

QString creator() {
    return QCoreApplication::applicationName() + u' ' + QString::fromLatin1(kVersion);
}

QString drawingTitle(const ProfileInput& in) {
    return QStringLiteral("DIN 5480 %1 齿形：z = %2，m = %3，x = %4")
        .arg(in.kind == SplineKind::External ? QStringLiteral("外花键") : QStringLiteral("内花键"))
        .arg(in.z)
        .arg(in.m)
        .arg(in.x);
}

}  // namespace

ProfilePage::ProfilePage(DIN5480& window, QWidget* parent) : QWidget(parent), window_(window) {
    setObjectName(QStringLiteral("profilePage"));
    scene_ = new QGraphicsScene(this);
    view_ = new ProfileView(this);
    view_->setScene(scene_);
    nameControl(*view_, "profileView", QStringLiteral("齿形图"));
    warnings_ = new QLabel(this);
    warnings_->setWordWrap(true);
    warnings_->setStyleSheet(QStringLiteral("color: #c01818"));
    nameControl(*warnings_, "profileWarnings", QStringLiteral("测量提示"));
    auto* rows = new QFormLayout();
    midFlankPin_ =
        addReadOnlyRow(*rows, "profileMidFlankPin", QStringLiteral("齿面中部接触的量棒直径 (mm)"));

    auto* fit = makeButton("fitView", QStringLiteral("适合窗口"), this);
    exportDxf_ = makeButton("exportDxf", QStringLiteral("导出 DXF…"), this);
    exportSvg_ = makeButton("exportSvg", QStringLiteral("导出 SVG…"), this);
    connect(fit, &QPushButton::clicked, view_, &ProfileView::fitAll);
    connect(exportDxf_, &QPushButton::clicked, this, [this] { exportDrawing(Format::Dxf); });
    connect(exportSvg_, &QPushButton::clicked, this, [this] { exportDrawing(Format::Svg); });

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
    profile_ = profileOfWindow(window_);
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
    warnings_->setText(lines.join(u'\n'));
    warnings_->setVisible(!lines.isEmpty());
    const auto& pin = profile_.check.midFlankPinDiameter;
    showText(*midFlankPin_, pin ? QString::number(*pin, 'f', 3) : QStringLiteral("—"));
    const bool drawn = profile_.design.form.has_value();
    exportDxf_->setEnabled(drawn);
    exportSvg_->setEnabled(drawn);
}

void ProfilePage::exportDrawing(Format format) {
    if (!profile_.input || !profile_.design.form) {
        return;
    }
    const bool dxf = format == Format::Dxf;
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
    const ProfileInput& in = *profile_.input;
    const QString title = drawingTitle(in);
    const QByteArray bytes = dxf ? profileDxf(in, *profile_.design.form, title, creator())
                                 : profileSvg(in, *profile_.design.form, title, creator());
    if (const auto failure = report::replaceFile(chosen, bytes, QStringLiteral("齿形文件"))) {
        window_.showMessage(*failure);
    }
}

}  // namespace quillon::ui
