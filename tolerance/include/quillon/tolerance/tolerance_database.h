#pragma once

#include <cstddef>
#include <filesystem>
#include <string_view>

#include "quillon/tolerance/tolerance_table.h"

namespace quillon::tolerance {

// The tolerance values of DIN 5480 in three tables of nine rows, one row per pair of module group
// and diameter class (see toleranceRow). The file is read once into memory and closed again; the
// tables are then read from memory only.
class ToleranceDatabase final {
  public:
    // Rows 0 to 8 are read; a table needs at least this many.
    static constexpr std::size_t kRowCount = 9;

    static constexpr std::string_view kSeriesDeviationTable = "公差代号";  // A per series, µm
    static constexpr std::string_view kTotalToleranceTable = "T值";        // T per grade, µm
    static constexpr std::string_view kActualToleranceTable = "TE值";      // TE per grade, µm

    // Checks that the three tables form a usable database (see load) and throws
    // ToleranceDatabaseError otherwise.
    ToleranceDatabase(ToleranceTable seriesDeviations, ToleranceTable totalTolerances,
                      ToleranceTable actualTolerances);

    // Reads the SQLite file, opened read-only, into memory and closes it. Throws
    // ToleranceDatabaseError, with the reason, when the file cannot be opened or read, when a
    // table or a series column is missing, when a table has fewer than nine rows, or when "T值"
    // and "TE值" do not hold the same, non-empty set of grade columns: the program never works
    // with a half-usable database. Rows are taken in their stored order.
    static ToleranceDatabase load(const std::filesystem::path& file);

    const ToleranceTable& seriesDeviations() const { return seriesDeviations_; }
    const ToleranceTable& totalTolerances() const { return totalTolerances_; }
    const ToleranceTable& actualTolerances() const { return actualTolerances_; }

  private:
    ToleranceTable seriesDeviations_;
    ToleranceTable totalTolerances_;
    ToleranceTable actualTolerances_;
};

}  // namespace quillon::tolerance
