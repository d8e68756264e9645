#pragma once

#include <string>

#include "quillon/engine/form.h"
#include "quillon/tolerance/deviation_result.h"
#include "quillon/tolerance/tolerance_database.h"

namespace quillon::tolerance {

// The deviation calculation: turns the tolerance grade and the deviation series of the spline into
// its two limit deviations, in millimetres.
//
// Reads the kind, the module, da (shaft) or df (hub) rounded to whole millimetres, and the grade
// text from the form; finds the row of the tables (toleranceRow); reads A from the series column of
// "公差代号" and T and TE from the grade columns of "T值" and "TE值" in that row (micrometres),
// and returns
//   shaft: far = (A - T) / 1000, near = far + TE / 1000
//   hub:   far = (A + T) / 1000, near = far - TE / 1000.
//
// When no tolerance is known for the spline (no kind selected, a module or diameter without a row,
// a grade or series naming no column, a value that is not a finite number) both deviations are 0,
// never values of an earlier spline. Nothing is shown to the user.
DeviationResult piancha(const engine::Form& form, const ToleranceDatabase& database,
                        const std::string& seriesColumnName);

}  // namespace quillon::tolerance
