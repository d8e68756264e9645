#include "quillon/tolerance/open_tolerance_database.h"

#include <system_error>

#include "quillon/tolerance/tolerance_database_error.h"

namespace quillon::tolerance {

std::optional<ToleranceDatabase> openToleranceDatabase(
    const std::filesystem::path& executableDirectory, std::string* failureReason) {
    const auto file = executableDirectory / kToleranceDatabaseFileName;
    const auto fail = [failureReason](std::string reason) -> std::optional<ToleranceDatabase> {
        if (failureReason != nullptr) {
            *failureReason = std::move(reason);
        }
        return std::nullopt;
    };
    // A directory or anything else that is not a plain file does not count as the database.
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) {
        return fail("no database file " + file.string());
    }
    try {
        return ToleranceDatabase::load(file);
    } catch (const ToleranceDatabaseError& e) {
        return fail(e.what());
    }
}

}  // namespace quillon::tolerance
