#include "inspection_page.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

#include "details_rows.h"
#include "quillon/document/spline_document.h"
#include "quillon/engine/field_text.h"

using namespace quillon::engine;

namespace quillon::ui {
namespace {

const QString kNotShown = QStringLiteral("—");

QString shown(const std::optional<std::string>& text) {
    return text ? QString::fromStdString(*text) : kNotShown;
}

QString shown(const std::optional<report::LimitTexts>& limits) {
    return limits ? QString::fromStdString(limits->pairText()) : kNotShown;
}

}  // namespace

InspectionPage::InspectionPage(const document::SplineDocument& document, QWidget* parent)
    : QWidget(parent), document_(document) {
    setObjectName(QStringLiteral("inspectionPage"));
    auto* rows = new QFormLayout(this);
    k_ = addReadOnlyRow(*rows, "inspK", QStringLiteral("跨测齿数 k"));
    w_ = addReadOnlyRow(*rows, "inspW", QStringLiteral("公法线长度 W (mm)"));
    dp_ = addReadOnlyRow(*rows, "inspDp", QStringLiteral("量棒直径 dp (mm)"));
    m_ = addReadOnlyRow(*rows, "inspM", QStringLiteral("跨棒距 M (mm)"));
    warnings_ = messageLabel("inspWarnings", true);
    rows->addRow(warnings_);
    if (!document_.edition().hasTolerances()) {
        return;
    }
    tolerance_ = addReadOnlyRow(*rows, "inspTolerance", QStringLiteral("公差"));
    wLimits_ = addReadOnlyRow(*rows, "inspWLimits", QStringLiteral("W 极限尺寸 (mm)"));
    mLimits_ = addReadOnlyRow(*rows, "inspMLimits", QStringLiteral("M 极限尺寸，同报告 (mm)"));
    mLimitsExact_ = addReadOnlyRow(*rows, "inspMLimitsExact",
                                   QStringLiteral("M 极限尺寸，按齿形精确计算 (mm)"));
    seriesDeviation_ = addReadOnlyRow(*rows, "inspA", QStringLiteral("基本偏差 A (µm)"));
    totalTolerance_ = addReadOnlyRow(*rows, "inspT", QStringLiteral("总公差 T (µm)"));
    actualTolerance_ = addReadOnlyRow(*rows, "inspTE", QStringLiteral("实际公差 TE (µm)"));
    row_ = addReadOnlyRow(*rows, "inspRow", QStringLiteral("公差表行"));
}

void InspectionPage::refresh() {
    const document::InspectionValues values = document_.inspection();
    showText(*k_, shown(values.k));
    showText(*w_, shown(values.W));
    showText(*dp_, shown(values.dp));
    showText(*m_, shown(values.M));
    QStringList warnings;
    for (const std::string& warning : values.warnings) {
        warnings << QString::fromStdString(warning);
    }
    showMessageLines(*warnings_, warnings);
    if (tolerance_ == nullptr) {
        return;
    }
    // The limits are the report's own lines 23 and 24, so page and report always agree.
    showText(*tolerance_, shown(values.tolerance));
    showText(*wLimits_, shown(values.wLimits));
    showText(*mLimits_, shown(values.mLimits));
    showText(*mLimitsExact_, shown(values.mLimitsExact));
    const auto& table = values.table;
    const auto micrometres = [&table](double value) {
        return table ? QString::fromStdString(writeNumber(value)) : kNotShown;
    };
    showText(*seriesDeviation_, micrometres(table ? table->seriesDeviation : 0));
    showText(*totalTolerance_, micrometres(table ? table->totalTolerance : 0));
    showText(*actualTolerance_, micrometres(table ? table->actualTolerance : 0));
    showText(*row_, table ? QString::number(table->row) : kNotShown);
}

}  // namespace quillon::ui
