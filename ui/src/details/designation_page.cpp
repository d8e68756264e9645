#include "designation_page.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "details_rows.h"
#include "quillon/document/spline_document.h"
#include "quillon/engine/designation.h"
#include "quillon/engine/field_text.h"
#include "quillon/tolerance/series_column.h"

using namespace quillon::engine;
using namespace quillon::tolerance;

namespace quillon::ui {
namespace {

constexpr int kShiftDecimals = 5;

QString toleranceText(const DesignationTolerance& tolerance) {
    return QString::number(tolerance.grade) + QLatin1Char(tolerance.series);
}

QString teethText(const SplineDesignation& designation) {
    return QString::fromStdString(writeNumber(designation.teeth));
}

// "z = 18，x = +0.45": a size that the designation leaves open, x as the window will hold it.
QString candidateText(const SplineDesignation& candidate) {
    const std::string shift = shortDecimal(profileShift(candidate), kShiftDecimals);
    const bool positive = shift != "0" && shift.front() != '-';
    return QStringLiteral("z = %1，x = %2")
        .arg(teethText(candidate), QString::fromStdString((positive ? "+" : "") + shift));
}

QPushButton* makeButton(const char* objectName, const QString& caption) {
    auto* button = new QPushButton(caption);
    nameControl(*button, objectName, caption);
    return button;
}

}  // namespace

DesignationPage::DesignationPage(const document::SplineDocument& document, Apply apply,
                                 QWidget* parent)
    : QWidget(parent), document_(document), apply_(std::move(apply)) {
    setObjectName(QStringLiteral("designationPage"));
    rows_ = new QFormLayout(this);
    designation_ = addReadOnlyRow(*rows_, "designationText", QStringLiteral("当前标记"));
    reason_ = messageLabel("designationReason", false);
    rows_->addRow(QString(), reason_);
    notes_ = messageLabel("designationNotes", false);
    rows_->addRow(QString(), notes_);

    const QString inputCaption = QStringLiteral("输入标记");
    input_ = new QLineEdit;
    nameControl(*input_, "designationInput", inputCaption);
    input_->setPlaceholderText(QStringLiteral("DIN 5480 - W 120 x 3 x 30 x 38 x 8f"));
    applyButton_ = makeButton("applyDesignation", QStringLiteral("应用"));
    auto* inputRow = new QHBoxLayout;
    inputRow->addWidget(input_, 1);
    inputRow->addWidget(applyButton_);
    auto* inputLabel = new QLabel(inputCaption);
    inputLabel->setBuddy(input_);
    rows_->addRow(inputLabel, inputRow);

    status_ = messageLabel("designationStatus", false);
    rows_->addRow(QString(), status_);

    const QString candidatesCaption = QStringLiteral("候选尺寸");
    candidateList_ = new QListWidget;
    nameControl(*candidateList_, "designationCandidates", candidatesCaption);
    applyCandidateButton_ = makeButton("applyCandidate", QStringLiteral("应用所选"));
    candidateRow_ = new QWidget;
    // As wide as the input above it, as high as its entries.
    candidateRow_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    auto* candidateLayout = new QHBoxLayout(candidateRow_);
    candidateLayout->setContentsMargins(0, 0, 0, 0);
    candidateLayout->addWidget(candidateList_, 1);
    candidateLayout->addWidget(applyCandidateButton_, 0, Qt::AlignTop);
    auto* candidatesLabel = new QLabel(candidatesCaption);
    candidatesLabel->setBuddy(candidateList_);
    rows_->addRow(candidatesLabel, candidateRow_);
    rows_->setRowVisible(candidateRow_, false);

    setFocusProxy(input_);  // opening the page puts the cursor into the designation to type
    connect(applyButton_, &QPushButton::clicked, this, &DesignationPage::apply);
    connect(input_, &QLineEdit::returnPressed, this, &DesignationPage::apply);
    connect(applyCandidateButton_, &QPushButton::clicked, this, &DesignationPage::applyCandidate);
    connect(candidateList_, &QListWidget::itemActivated, this, &DesignationPage::applyCandidate);
}

void DesignationPage::refresh() {
    const FormDesignation current = document_.designation();
    showText(*designation_, current.designation
                                ? QString::fromStdString(printDesignation(*current.designation))
                                : QStringLiteral("—"));
    reason_->setText(QString::fromStdString(current.reason));
    reason_->setVisible(!current.designation);
    QStringList notes;
    if (current.designation) {
        for (const std::string& note : sizeNotes(*current.designation)) {
            notes << QString::fromStdString(note);
        }
    }
    showMessageLines(*notes_, notes);
}

void DesignationPage::apply() {
    const DesignationParse parsed = parseDesignation(input_->text().toStdString());
    showCandidates({});
    if (parsed.candidates.size() > 1) {
        showCandidates(parsed.candidates);
        setStatus(
            QStringLiteral("标记未给齿数：以下齿数都构成 DIN 5480 尺寸，请选择一个后按"
                           "“应用所选”。DIN 5480 的尺寸表只列出其中之一，请对照标准核对。"));
        return;
    }
    if (!parsed.designation) {
        QString text = QStringLiteral("无法识别的标记：") +
                       (parsed.unrecognised.empty() ? QStringLiteral("（空）")
                                                    : QString::fromStdString(parsed.unrecognised));
        if (!parsed.reason.empty()) {
            text += QStringLiteral("（%1）").arg(QString::fromStdString(parsed.reason));
        }
        setStatus(text);
        return;
    }
    const QString how = parsed.candidates.empty()
                            ? QString()
                            : QStringLiteral("（标记未给齿数，按 DIN 5480 尺寸取 z = %1）")
                                  .arg(teethText(*parsed.designation));
    applyDesignation(*parsed.designation, how);
}

void DesignationPage::applyCandidate() {
    const int row = candidateList_->currentRow();
    if (row < 0 || row >= static_cast<int>(candidates_.size())) {
        return;
    }
    const SplineDesignation& picked = candidates_[static_cast<std::size_t>(row)];
    applyDesignation(picked, QStringLiteral("（所选候选尺寸 z = %1）").arg(teethText(picked)));
}

void DesignationPage::applyDesignation(SplineDesignation designation, const QString& how) {
    QString note = how;
    if (designation.tolerance) {
        const QString given = toleranceText(*designation.tolerance);
        if (!document_.edition().hasTolerances()) {
            note += QStringLiteral("（简化版不计公差，未采用 %1）").arg(given);
            designation.tolerance.reset();
        }
    }
    // The calculation may show its messages; the status tells what was applied, or why not.
    if (const auto refusal = apply_(designation)) {
        setStatus(
            QStringLiteral("无法识别的标记：%1（%2）")
                .arg(designation.tolerance ? toleranceText(*designation.tolerance) : QString(),
                     QString::fromStdString(*refusal)));
        return;
    }
    setStatus(QStringLiteral("已应用：") + QString::fromStdString(printDesignation(designation)) +
              note);
}

void DesignationPage::showCandidates(std::vector<SplineDesignation> candidates) {
    candidates_ = std::move(candidates);
    candidateList_->clear();
    for (const SplineDesignation& candidate : candidates_) {
        candidateList_->addItem(candidateText(candidate));
    }
    candidateList_->setCurrentRow(candidates_.empty() ? -1 : 0);
    candidateList_->setFixedHeight(candidateList_->sizeHintForRow(0) *
                                       static_cast<int>(candidates_.size()) +
                                   2 * candidateList_->frameWidth());
    rows_->setRowVisible(candidateRow_, !candidates_.empty());
}

void DesignationPage::setStatus(const QString& text) {
    status_->setText(text);
}

}  // namespace quillon::ui
