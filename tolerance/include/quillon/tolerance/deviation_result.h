#pragma once

#include <optional>

namespace quillon::tolerance {

// What the three tolerance tables gave in one deviation calculation: the row used (0 to 8) and the
// series deviation A, the total tolerance T and the actual tolerance TE, in micrometres.
struct ToleranceTableValues {
    int row = 0;
    double seriesDeviation = 0;
    double totalTolerance = 0;
    double actualTolerance = 0;

    friend bool operator==(const ToleranceTableValues&, const ToleranceTableValues&) = default;
};

// The two limit deviations of the tooth thickness (shaft) or space width (hub) found by the last
// deviation calculation, in millimetres. The report adds them to the span and pin measurements.
// Both are 0 until the first calculation and whenever no tolerance is known for the spline.
struct DeviationResult {
    // The limit next to the series deviation: farDeviation moved back by the actual tolerance TE.
    double nearDeviation = 0.0;
    // The series deviation moved by the total tolerance T away from the zero line of the series.
    double farDeviation = 0.0;
    // The table values the two deviations come from; empty when no tolerance is known.
    std::optional<ToleranceTableValues> tableValues = std::nullopt;

    friend bool operator==(const DeviationResult&, const DeviationResult&) = default;
};

}  // namespace quillon::tolerance
