#include "designation_page.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "details_rows.h"
#include "quillon/document/spline_document.h"
#include "quillon/engine/designation.h"
#include "quillon/tolerance/series_column.h"

using namespace quillon::engine;
using namespace quillon::tolerance;

namespace quillon::ui {
namespace {

QString toleranceText(const DesignationTolerance& tolerance) {
    return QString::number(tolerance.grade) + QLatin1Char(tolerance.series);
}

}  // namespace

DesignationPage::DesignationPage(const document::SplineDocument& document, Apply apply,
                                 QWidget* parent)
    : QWidget(parent), document_(document), apply_(std::move(apply)) {
    setObjectName(QStringLiteral("designationPage"));
    auto* rows = new QFormLayout(this);
    designation_ = addReadOnlyRow(*rows, "designationText", QStringLiteral("当前标记"));
    reason_ = messageLabel("designationReason", false);
    rows->addRow(QString(), reason_);

    const QString inputCaption = QStringLiteral("输入标记");
    input_ = new QLineEdit;
    nameControl(*input_, "designationInput", inputCaption);
    input_->setPlaceholderText(QStringLiteral("DIN 5480 - W 120 x 3 x 30 x 38 x 8f"));
    applyButton_ = new QPushButton(QStringLiteral("应用"));
    nameControl(*applyButton_, "applyDesignation", applyButton_->text());
    auto* inputRow = new QHBoxLayout;
    inputRow->addWidget(input_, 1);
    inputRow->addWidget(applyButton_);
    auto* inputLabel = new QLabel(inputCaption);
    inputLabel->setBuddy(input_);
    rows->addRow(inputLabel, inputRow);

    status_ = messageLabel("designationStatus", false);
    rows->addRow(QString(), status_);

    setFocusProxy(input_);  // opening the page puts the cursor into the designation to type
    connect(applyButton_, &QPushButton::clicked, this, &DesignationPage::apply);
    connect(input_, &QLineEdit::returnPressed, this, &DesignationPage::apply);
}

void DesignationPage::refresh() {
    const FormDesignation current = document_.designation();
    showText(*designation_, current.designation
                                ? QString::fromStdString(printDesignation(*current.designation))
                                : QStringLiteral("—"));
    reason_->setText(QString::fromStdString(current.reason));
    reason_->setVisible(!current.designation);
}

void DesignationPage::apply() {
    const DesignationParse parsed = parseDesignation(input_->text().toStdString());
    if (!parsed.designation) {
        setStatus(QStringLiteral("无法识别的标记：") +
                  (parsed.unrecognised.empty() ? QStringLiteral("（空）")
                                               : QString::fromStdString(parsed.unrecognised)));
        return;
    }
    SplineDesignation designation = *parsed.designation;
    QString note;
    if (designation.tolerance) {
        const QString given = toleranceText(*designation.tolerance);
        if (!document_.edition().hasTolerances()) {
            note = QStringLiteral("（简化版不计公差，未采用 %1）").arg(given);
            designation.tolerance.reset();
        } else if (!seriesColumnForLetter(std::string(1, designation.tolerance->series))) {
            setStatus(QStringLiteral("无法识别的标记：%1（公差表中没有基本偏差 %2）")
                          .arg(given, QString(QLatin1Char(designation.tolerance->series))));
            return;
        }
    }
    // The calculation may show its messages; the status tells what was applied.
    apply_(designation);
    setStatus(QStringLiteral("已应用：") + QString::fromStdString(printDesignation(designation)) +
              note);
}

void DesignationPage::setStatus(const QString& text) {
    status_->setText(text);
}

}  // namespace quillon::ui
