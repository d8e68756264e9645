#include "quillon/tolerance/piancha.h"

#include <cmath>
#include <optional>

#include "quillon/engine/field_text.h"
#include "quillon/tolerance/tolerance_row.h"

using namespace quillon::engine;

namespace quillon::tolerance {
namespace {

// The value of one table in the named column and the row (micrometres). Nothing when the column
// does not exist or its text is not a finite number.
std::optional<double> lookUp(const ToleranceTable& table, const std::string& columnName, int row) {
    const auto text = table.valueAt(columnName, static_cast<std::size_t>(row));
    if (!text) {
        return std::nullopt;
    }
    const double value = readNumber(*text);
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

// The limit deviations of the spline, or nothing when no tolerance is known for it.
std::optional<DeviationResult> limitDeviations(const Form& form, const ToleranceDatabase& database,
                                               const std::string& seriesColumnName) {
    const auto kind = form.selectedKind();
    if (!kind) {
        return std::nullopt;
    }
    // Both diameters are read on every run; a shaft is looked up by its tip diameter, a hub by its
    // root diameter, each rounded to whole millimetres.
    const double tipDiameter = roundHalfAwayFromZero(readNumber(form.text(Field::da)));
    const double rootDiameter = roundHalfAwayFromZero(readNumber(form.text(Field::df)));
    const double lookupDiameter = *kind == SplineKind::External ? tipDiameter : rootDiameter;
    const double module = readNumber(form.text(Field::m));

    const auto row = toleranceRow(module, lookupDiameter);
    if (!row) {
        return std::nullopt;
    }
    const std::string grade = form.text(Field::grade);
    const auto seriesDeviation = lookUp(database.seriesDeviations(), seriesColumnName, *row);
    if (!seriesDeviation) {
        return std::nullopt;
    }
    const auto totalTolerance = lookUp(database.totalTolerances(), grade, *row);
    if (!totalTolerance) {
        return std::nullopt;
    }
    const auto actualTolerance = lookUp(database.actualTolerances(), grade, *row);
    if (!actualTolerance) {
        return std::nullopt;
    }

    // Micrometres to millimetres. The total tolerance lies away from the zero line (below the
    // shaft's upper deviation, above the hub's lower deviation); the actual tolerance comes back.
    DeviationResult result;
    if (*kind == SplineKind::External) {
        result.farDeviation = (*seriesDeviation - *totalTolerance) / 1000;
        result.nearDeviation = result.farDeviation + *actualTolerance / 1000;
    } else {
        result.farDeviation = (*seriesDeviation + *totalTolerance) / 1000;
        result.nearDeviation = result.farDeviation - *actualTolerance / 1000;
    }
    if (!std::isfinite(result.farDeviation) || !std::isfinite(result.nearDeviation)) {
        return std::nullopt;
    }
    result.tableValues =
        ToleranceTableValues{*row, *seriesDeviation, *totalTolerance, *actualTolerance};
    return result;
}

}  // namespace

DeviationResult piancha(const Form& form, const ToleranceDatabase& database,
                        const std::string& seriesColumnName) {
    return limitDeviations(form, database, seriesColumnName).value_or(DeviationResult{});
}

}  // namespace quillon::tolerance
