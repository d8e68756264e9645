#include "gbt3478_page.h"

#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGraphicsScene>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "gbt_scene_drawing.h"
#include "profile_scene.h"
#include "profile_view.h"
#include "quillon/document/drawing_data.h"
#include "quillon/engine/field_text.h"
#include "quillon/report/report_file.h"

using namespace quillon::gbt3478;
using quillon::gbt3478::InputField;

namespace quillon::ui {
namespace {

constexpr int kLeftColumnWidth = 360;  // pixels: the inputs and the messages wrapped under them
constexpr const char* kModuleSeries[] = {"0.25", "0.5", "0.75", "1", "1.25", "1.5", "1.75", "2",
                                         "2.5",  "3",   "4",    "5", "6",    "8",   "10"};
constexpr double kAngles[] = {30, 37.5, 45};
constexpr double kFlatRootAngle = 30;
constexpr FitLetter kShaftLetters[] = {FitLetter::k, FitLetter::js, FitLetter::h,
                                       FitLetter::f, FitLetter::e,  FitLetter::d};

QString text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The list entry whose data is `value`, or the first.
void selectData(QComboBox& list, const QVariant& value) {
    list.setCurrentIndex(std::max(0, list.findData(value)));
}

}  // namespace

Gbt3478Page::Gbt3478Page(PageMessageSink showMessage, std::string creator, QWidget* parent)
    : QWidget(parent), showMessage_(std::move(showMessage)), creator_(std::move(creator)) {
    setObjectName(QStringLiteral("gbt3478Page"));

    auto* inputBox = new QGroupBox(QStringLiteral("输入"));
    auto* inputRows = new QFormLayout(inputBox);
    addInputs(*inputRows);

    designation_ = new QLineEdit;
    nameControl(*designation_, "gbtDesignation", QStringLiteral("花键标记"));
    designation_->setPlaceholderText(QStringLiteral("如 EXT 24z×2.5m×30R×5h GB/T 3478.1"));
    auto* apply = namedButton("applyGbtDesignation", QStringLiteral("应用标记"));
    connect(apply, &QPushButton::clicked, this, &Gbt3478Page::applyDesignation);
    connect(designation_, &QLineEdit::returnPressed, this, &Gbt3478Page::applyDesignation);
    auto* designationRow = new QHBoxLayout;
    designationRow->addWidget(designation_, 1);
    designationRow->addWidget(apply);
    auto* designationLabel = new QLabel(QStringLiteral("花键标记"));
    designationLabel->setBuddy(designation_);

    status_ = messageLabel("gbtStatus", false);
    status_->setTextFormat(Qt::RichText);

    table_ = nameSymbolValueTable("gbtTable", QStringLiteral("计算结果"));

    scene_ = new QGraphicsScene(this);
    view_ = new ProfileView;
    view_->setScene(scene_);
    nameControl(*view_, "gbtProfileView", QStringLiteral("齿形图"));

    auto* fit = namedButton("fitGbtView", QStringLiteral("适合窗口"));
    connect(fit, &QPushButton::clicked, view_, &ProfileView::fitAll);
    copy_ = namedButton("copyGbt", QStringLiteral("复制结果"));
    exportDxf_ = namedButton("exportGbtDxf", QStringLiteral("导出 DXF…"));
    connect(copy_, &QPushButton::clicked, this, &Gbt3478Page::copy);
    connect(exportDxf_, &QPushButton::clicked, this, &Gbt3478Page::exportDxf);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(fit);
    buttons->addStretch();
    buttons->addWidget(copy_);
    buttons->addWidget(exportDxf_);

    // Inputs, designation and messages on the left; on the right the drawing, wide enough for
    // the enlarged teeth to show the root's form, over the table.
    auto* leftColumn = new QWidget;
    leftColumn->setFixedWidth(kLeftColumnWidth);
    auto* left = new QVBoxLayout(leftColumn);
    left->setContentsMargins(0, 0, 0, 0);
    left->addWidget(inputBox);
    left->addWidget(designationLabel);
    left->addLayout(designationRow);
    left->addWidget(status_);
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(view_, 4);
    right->addWidget(table_, 3);
    right->addLayout(buttons);
    auto* columns = new QHBoxLayout(this);
    columns->addWidget(leftColumn);
    columns->addLayout(right, 1);
    setFocusProxy(z_);
    refresh();
}

void Gbt3478Page::addInputs(QFormLayout& rows) {
    kind_ = addList(rows, "gbtKind", QStringLiteral("花键类型"));
    kind_->addItem(QStringLiteral("INT 内花键"), static_cast<int>(SplineKind::Internal));
    kind_->addItem(QStringLiteral("EXT 外花键"), static_cast<int>(SplineKind::External));
    selectData(*kind_, static_cast<int>(SplineKind::External));
    z_ = addField(rows, "gbtZ", QStringLiteral("齿数 z"));
    z_->setText(QStringLiteral("24"));
    module_ = addList(rows, "gbtModule", QStringLiteral("模数 m (mm)"));
    module_->setEditable(true);
    module_->setInsertPolicy(QComboBox::NoInsert);
    for (const char* module : kModuleSeries) {
        module_->addItem(QString::fromLatin1(module));
    }
    module_->setCurrentText(QStringLiteral("2.5"));
    angle_ = addList(rows, "gbtAngle", QStringLiteral("压力角 α"));
    for (double angle : kAngles) {
        angle_->addItem(QString::fromStdString(engine::writeNumber(angle)) + QStringLiteral("°"),
                        angle);
    }
    root_ = addList(rows, "gbtRoot", QStringLiteral("齿根"));
    root_->addItem(QString(), static_cast<int>(Root::Flat));
    root_->addItem(QString(), static_cast<int>(Root::Fillet));
    root_->setToolTip(QStringLiteral("平齿根只用于 30°；37.5° 和 45° 只有圆齿根"));
    nameRoots();
    class_ = addList(rows, "gbtClass", QStringLiteral("公差等级"));
    for (int toleranceClass = 4; toleranceClass <= 7; ++toleranceClass) {
        class_->addItem(QString::number(toleranceClass), toleranceClass);
    }
    selectData(*class_, 5);
    fit_ = addList(rows, "gbtFit", QStringLiteral("配合类别"));
    fillFitLetters();
    length_ = addField(rows, "gbtLength", QStringLiteral("配合长度 g (mm)"));
    length_->setPlaceholderText(QStringLiteral("不填则 g = D/2"));
    pin_ = addField(rows, "gbtPin", QStringLiteral("量棒直径 dp (mm)"));
    pin_->setPlaceholderText(QStringLiteral("不填则取建议值"));

    connect(kind_, &QComboBox::currentIndexChanged, this, [this] {
        fillFitLetters();
        refresh();
    });
    connect(angle_, &QComboBox::currentIndexChanged, this, &Gbt3478Page::nameRoots);
    connect(module_, &QComboBox::editTextChanged, this, &Gbt3478Page::refresh);
    for (QComboBox* list : {angle_, root_, class_, fit_}) {
        connect(list, &QComboBox::currentIndexChanged, this, &Gbt3478Page::refresh);
    }
    for (QLineEdit* field : {z_, length_, pin_}) {
        connect(field, &QLineEdit::textChanged, this, &Gbt3478Page::refresh);
    }
}

QComboBox* Gbt3478Page::addList(QFormLayout& rows, const char* name, const QString& caption) {
    auto* list = new QComboBox;
    nameControl(*list, name, caption);
    auto* label = new QLabel(caption);
    label->setBuddy(list);
    rows.addRow(label, list);
    return list;
}

QLineEdit* Gbt3478Page::addField(QFormLayout& rows, const char* name, const QString& caption) {
    auto* field = new QLineEdit;
    nameControl(*field, name, caption);
    auto* label = new QLabel(caption);
    label->setBuddy(field);
    rows.addRow(label, field);
    return field;
}

// The roots as the designation names them at 30° (30P, 30R); at 37.5° and 45°, which have the
// fillet root only, the flat root says so.
void Gbt3478Page::nameRoots() {
    const bool thirty = angle_->currentData().toDouble() == kFlatRootAngle;
    root_->setItemText(0,
                       thirty ? QStringLiteral("平齿根 30P") : QStringLiteral("平齿根（仅 30°）"));
    root_->setItemText(1, thirty ? QStringLiteral("圆齿根 30R") : QStringLiteral("圆齿根"));
}

// A hub has H only; a shaft the six letters, h until another is chosen. The letter chosen stays
// where the new kind has it.
void Gbt3478Page::fillFitLetters() {
    const auto kind = static_cast<SplineKind>(kind_->currentData().toInt());
    const QVariant chosen = fit_->currentData();
    const QSignalBlocker quiet(fit_);
    fit_->clear();
    if (kind == SplineKind::Internal) {
        fit_->addItem(text(letterText(FitLetter::H)), static_cast<int>(FitLetter::H));
    } else {
        for (FitLetter letter : kShaftLetters) {
            fit_->addItem(text(letterText(letter)), static_cast<int>(letter));
        }
    }
    const int kept = fit_->findData(chosen);
    fit_->setCurrentIndex(kept >= 0 ? kept : fit_->findData(static_cast<int>(FitLetter::h)));
    if (fit_->currentIndex() < 0) {
        fit_->setCurrentIndex(0);
    }
}

SplineKind Gbt3478Page::kind() const {
    return static_cast<SplineKind>(kind_->currentData().toInt());
}

// The controls' choices and texts into the spline holder, in the words its rows read.
void Gbt3478Page::writeTexts() {
    const auto typed = [](const QString& text) { return text.toStdString(); };
    spline_.setText(InputField::Kind, kind() == SplineKind::Internal ? "hub" : "shaft");
    spline_.setText(InputField::Teeth, typed(z_->text()));
    spline_.setText(InputField::Module, typed(module_->currentText()));
    spline_.setText(InputField::Angle, engine::writeNumber(angle_->currentData().toDouble()));
    spline_.setText(InputField::Root, static_cast<Root>(root_->currentData().toInt()) == Root::Flat
                                          ? "flat"
                                          : "fillet");
    spline_.setText(InputField::Class, std::to_string(class_->currentData().toInt()));
    spline_.setText(InputField::Fit,
                    std::string(letterText(static_cast<FitLetter>(fit_->currentData().toInt()))));
    spline_.setText(InputField::Length, typed(length_->text()));
    spline_.setText(InputField::Pin, typed(pin_->text()));
}

const SplineResult* Gbt3478Page::result() const {
    return run_.single && run_.single->result ? &*run_.single->result : nullptr;
}

void Gbt3478Page::refresh() {
    if (settingInputs_) {
        return;
    }
    writeTexts();
    run_ = spline_.calculate();
    QStringList problems;
    if (run_.inputProblem) {
        problems << QString::fromStdString(run_.inputProblem->message);
    }
    for (const std::string& problem : run_.problems()) {
        problems << QString::fromStdString(problem);
    }
    QStringList plain;
    if (run_.single) {
        for (const auto* lines : {&run_.single->warnings, &run_.single->notes}) {
            for (const std::string& line : *lines) {
                plain << QString::fromStdString(line);
            }
        }
    }
    showStatus(problems, plain);
    // The designation follows the inputs; refused inputs have none.
    showText(*designation_,
             result() != nullptr ? QString::fromStdString(run_.designation) : QString());
    showTable();
    showDrawing();
}

void Gbt3478Page::showStatus(const QStringList& problems, const QStringList& plain) {
    QStringList lines;
    for (const QString& problem : problems) {
        lines << QStringLiteral("<span style=\"color: %1\">%2</span>")
                     .arg(failColour(), problem.toHtmlEscaped());
    }
    for (const QString& line : plain) {
        lines << line.toHtmlEscaped();
    }
    status_->setText(lines.join(QStringLiteral("<br>")));
    status_->setVisible(!lines.isEmpty());
}

void Gbt3478Page::showTable() {
    data_ = result() != nullptr ? document::gbtDrawingData(*result(), run_.designation)
                                : geometry::DrawingTable{};
    showRows(*table_, data_.rows);
    copy_->setEnabled(result() != nullptr);
}

void Gbt3478Page::showDrawing() {
    const std::optional<GbtSceneDrawing> drawing =
        result() != nullptr ? std::optional(gbtSceneDrawing(*result())) : std::nullopt;
    if (drawing) {
        drawProfile(*scene_, drawing->input, drawing->design, drawing->check);
    } else {
        scene_->clear();
    }
    view_->keepFitted();
    exportDxf_->setEnabled(drawing && drawing->design.form);
}

void Gbt3478Page::applyDesignation() {
    if (const auto refused = spline_.applyDesignation(designation_->text().toStdString())) {
        showStatus({QStringLiteral("标记：") + QString::fromStdString(*refused)}, {});
        return;
    }
    readTexts();
    designation_->setCursorPosition(0);
}

// The texts a designation wrote, picked in the controls as a user would, then one calculation.
// A pair ("5H/6e") gives the part of the kind the page shows. g and dp belong to the spline
// shown before: they are cleared.
void Gbt3478Page::readTexts() {
    const auto text = [this](InputField field) { return spline_.text(field); };
    settingInputs_ = true;
    std::string fit = text(InputField::Fit);
    std::string toleranceClass = text(InputField::Class);
    if (const std::size_t slash = fit.find('/'); slash != std::string::npos) {
        fit = kind() == SplineKind::Internal ? fit.substr(0, slash) : fit.substr(slash + 1);
        const std::size_t letter = std::min(fit.find_first_not_of("0123456789"), fit.size());
        toleranceClass = fit.substr(0, letter);
        fit = fit.substr(letter);
    } else {
        selectData(*kind_,
                   static_cast<int>(text(InputField::Kind) == "hub" ? SplineKind::Internal
                                                                    : SplineKind::External));
    }
    fillFitLetters();
    z_->setText(QString::fromStdString(text(InputField::Teeth)));
    module_->setCurrentText(QString::fromStdString(text(InputField::Module)));
    selectData(*angle_, engine::readNumber(text(InputField::Angle)));
    selectData(*root_,
               static_cast<int>(text(InputField::Root) == "flat" ? Root::Flat : Root::Fillet));
    selectData(*class_, QString::fromStdString(toleranceClass).toInt());
    if (const auto letter = fitLetterOf(fit, kind())) {
        selectData(*fit_, static_cast<int>(*letter));
    }
    length_->clear();
    pin_->clear();
    settingInputs_ = false;
    refresh();
}

// The table as the page shows it: every edit has refreshed it.
void Gbt3478Page::copy() {
    QGuiApplication::clipboard()->setText(QString::fromStdString(document::drawingDataTsv(data_)));
}

void Gbt3478Page::exportDxf() {
    if (result() == nullptr) {
        return;
    }
    const QString initial = QDir(lastFolder_).filePath(QStringLiteral("花键齿形.dxf"));
    const QString filter = QStringLiteral("DXF 图形 (*.dxf)");
    const QString chosen =
        chooser_ ? chooser_(initial, filter)
                 : QFileDialog::getSaveFileName(this, QStringLiteral("导出齿形"), initial, filter);
    if (chosen.isEmpty()) {
        return;  // cancelled
    }
    lastFolder_ = QFileInfo(chosen).absolutePath();
    const document::GbtDrawing drawing =
        document::gbtProfileDrawing(*result(), document::DrawingFormat::Dxf, creator_, data_);
    if (!drawing.problem.empty()) {
        showMessage_(QString::fromStdString(drawing.problem));
        return;
    }
    const QByteArray bytes = QByteArray::fromStdString(drawing.text);
    if (const auto failure = report::replaceFile(chosen, bytes, QStringLiteral("齿形文件"))) {
        showMessage_(*failure);
    }
}

}  // namespace quillon::ui
