#include "inspection_page.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <cmath>

#include "details_rows.h"
#include "quillon/engine/field_text.h"
#include "quillon/geometry/exact_m_limits.h"
#include "quillon/report/tolerance_report.h"
#include "quillon/ui/din5480.h"
#include "window_profile.h"

namespace quillon::ui {
namespace {

const QString kNotShown = QStringLiteral("—");

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

// A measurement that is 0 (no calculation yet, or none possible for these values) is not shown.
bool measured(const std::string& text) {
    const double value = readNumber(text);
    return value != 0 && std::isfinite(value);
}

QString measurementText(const std::string& text) {
    return measured(text) ? fromStd(text) : kNotShown;
}

}  // namespace

InspectionPage::InspectionPage(const DIN5480& window, QWidget* parent)
    : QWidget(parent), window_(window) {
    setObjectName(QStringLiteral("inspectionPage"));
    auto* rows = new QFormLayout(this);
    k_ = addReadOnlyRow(*rows, "inspK", QStringLiteral("跨测齿数 k"));
    w_ = addReadOnlyRow(*rows, "inspW", QStringLiteral("公法线长度 W (mm)"));
    dp_ = addReadOnlyRow(*rows, "inspDp", QStringLiteral("量棒直径 dp (mm)"));
    m_ = addReadOnlyRow(*rows, "inspM", QStringLiteral("跨棒距 M (mm)"));
    warnings_ = new QLabel;
    warnings_->setWordWrap(true);
    warnings_->setStyleSheet(QStringLiteral("color: #c01818"));
    nameControl(*warnings_, "inspWarnings", QStringLiteral("测量提示"));
    rows->addRow(warnings_);
    if (window_.edition().reportLayout != ReportLayout::Tolerance) {
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
    const Form& form = window_.form();
    const std::string& k = window_.runState().k;
    showText(*k_, k.empty() ? kNotShown : fromStd(k));
    showText(*w_, measurementText(form.text(Field::W)));
    const std::string dp = form.text(Field::dp);
    showText(*dp_, dp.empty() ? kNotShown : fromStd(dp));
    showText(*m_, measurementText(form.text(Field::M)));
    const WindowProfile profile = profileOfWindow(window_);
    QStringList warnings;
    for (const std::string& warning : profile.check.warnings) {
        warnings << fromStd(warning);
    }
    warnings_->setText(warnings.join(u'\n'));
    warnings_->setVisible(!warnings.isEmpty());
    if (tolerance_ != nullptr) {
        refreshTolerances();
        refreshExactLimits(profile);
    }
}

// M for the limit widths through the involute, straight splines only; beside the report's,
// which scales the deviations by fixed factors.
void InspectionPage::refreshExactLimits(const WindowProfile& profile) {
    const DeviationResult& deviation = window_.deviation();
    const auto limits =
        profile.design.form && measured(window_.form().text(Field::M))
            ? exactMLimits(*profile.input, deviation.nearDeviation, deviation.farDeviation)
            : std::nullopt;
    showText(
        *mLimitsExact_,
        limits ? fromStd(report::limitPairText(limits->nearLimit, limits->farLimit)) : kNotShown);
}

void InspectionPage::refreshTolerances() {
    const Form& form = window_.form();
    const DeviationResult& deviation = window_.deviation();
    // The limits are the report's own lines 23 and 24, so page and report always agree.
    showText(*tolerance_, fromStd(report::toleranceText(form)));
    showText(*wLimits_, measured(form.text(Field::W))
                            ? fromStd(report::spanLimitsText(form, deviation.nearDeviation,
                                                             deviation.farDeviation))
                            : kNotShown);
    showText(*mLimits_, measured(form.text(Field::M))
                            ? fromStd(report::pinLimitsText(form, deviation.nearDeviation,
                                                            deviation.farDeviation))
                            : kNotShown);
    const auto& table = deviation.tableValues;
    const auto micrometres = [&table](double value) {
        return table ? fromStd(writeNumber(value)) : kNotShown;
    };
    showText(*seriesDeviation_, micrometres(table ? table->seriesDeviation : 0));
    showText(*totalTolerance_, micrometres(table ? table->totalTolerance : 0));
    showText(*actualTolerance_, micrometres(table ? table->actualTolerance : 0));
    showText(*row_, table ? QString::number(table->row) : kNotShown);
}

}  // namespace quillon::ui
