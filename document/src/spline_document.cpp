#include "quillon/document/spline_document.h"

#include <cmath>

#include "message_log_form.h"

#include "quillon/engine/calculation_run.h"
#include "quillon/engine/display_decimals.h"
#include "quillon/engine/field_text.h"
#include "quillon/engine/start_values.h"
#include "quillon/report/lite_report.h"
#include "quillon/report/tolerance_report.h"
#include "quillon/tolerance/piancha.h"
#include "quillon/tolerance/series_column.h"
#include "quillon/version.h"

using namespace quillon::engine;
using namespace quillon::tolerance;

namespace quillon::document {

SplineDocument::SplineDocument(const Edition& edition, Database database)
    : edition_(edition),
      ownForm_(std::make_unique<InMemoryForm>()),
      form_(ownForm_.get()),
      database_(std::move(database)) {}

SplineDocument::SplineDocument(const Edition& edition, Form& form, Database database)
    : edition_(edition), form_(&form), database_(std::move(database)) {}

void SplineDocument::calculate() {
    MessageLogForm logged(*form_, messages_);
    quillon::engine::calculate(logged, runState_, edition_, [this] {
        if (database_) {
            deviation_ = piancha(*form_, *database_, seriesColumn_.name());
        }
    });
}

void SplineDocument::clear() {
    quillon::engine::clear(*form_, edition_);
}

void SplineDocument::proposePinDiameter(bool startValue) {
    const double pin =
        proposedPinDiameter(form_->selectedKind(), readNumber(form_->text(Field::m)));
    if (std::isfinite(pin)) {  // an arithmetic failure writes nothing
        const bool formatted = edition_.formatsProposedPinDiameter && !startValue;
        form_->setText(Field::dp,
                       formatted ? formatNumber(pin, kLengthDecimals) : writeNumber(pin));
    }
}

void SplineDocument::selectKind(SplineKind kind) {
    form_->selectKind(kind);
}

void SplineDocument::forgetHistory() {
    messages_.clear();
    if (ownForm_) {
        ownForm_->forgetHistory();
    }
}

void SplineDocument::seriesLetterChanged(std::string_view letterText) {
    seriesColumn_.letterChanged(letterText);
}

void SplineDocument::setText(Field field, const std::string& text) {
    form_->setText(field, text);
    if (ownForm_ && field == Field::seriesLetter) {
        seriesLetterChanged(text);  // a window follows its letter field itself
    }
}

std::optional<std::string> SplineDocument::designationRefusal(
    const SplineDesignation& designation) const {
    if (designation.tolerance && edition_.hasTolerances() &&
        !seriesColumnForLetter(std::string(1, designation.tolerance->series))) {
        return "公差表中没有基本偏差 " + std::string(1, designation.tolerance->series);
    }
    return std::nullopt;
}

std::optional<std::string> SplineDocument::applyDesignation(const SplineDesignation& designation) {
    if (auto refusal = designationRefusal(designation)) {
        return refusal;
    }
    writeDesignation(designation);
    calculate();
    return std::nullopt;
}

std::string SplineDocument::drawingCreator() const {
    return std::string(edition_.hasTolerances() ? "quillon" : "quillon-lite") + ' ' + kVersion;
}

void SplineDocument::writeDesignation(const SplineDesignation& designation) {
    // The kind as a click on its option, the numbers as typed, the pin as a module pick gives it.
    form_->selectKind(designation.kind);
    setText(Field::z, writeNumber(designation.teeth));
    setText(Field::m, writeNumber(designation.module));
    setText(Field::alpha, writeNumber(designation.pressureAngle));
    setText(Field::beta, "0");  // a DIN 5480 designation names a straight spline
    setText(Field::x, shortDecimal(profileShift(designation), kShiftDecimals));
    proposePinDiameter();
    if (designation.tolerance && edition_.hasTolerances()) {
        setText(Field::grade, std::to_string(designation.tolerance->grade));
        setText(Field::seriesLetter, std::string(1, designation.tolerance->series));
    }
}

std::vector<std::string> SplineDocument::reportLines() const {
    return edition_.hasTolerances()
               ? report::toleranceReportLines(*form_, runState_.k, deviation_.nearDeviation,
                                              deviation_.farDeviation)
               : report::liteFileReportLines(*form_, runState_.k);
}

FormDesignation SplineDocument::designation() const {
    return designationOfForm(*form_, edition_.hasTolerances());
}

}  // namespace quillon::document
