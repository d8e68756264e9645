#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "quillon/tolerance/tolerance_database.h"

namespace quillon::tolerance {

// The file name of the tolerance database, looked for beside the executable. It is an SQLite 3
// file; the name stays as the users know it.
inline constexpr std::string_view kToleranceDatabaseFileName = "db1.mdb";

// What the window shows (then ends) when the tolerance database cannot be used.
inline constexpr std::string_view kDatabaseConnectionErrorMessage = "数据库连接错误！";

// Start-up of the tolerance edition: loads `db1.mdb` from the executable's directory. Returns
// nothing when there is no such regular file or when it is not a readable tolerance database
// (both cases alike); `failureReason`, when given, then receives why.
std::optional<ToleranceDatabase> openToleranceDatabase(
    const std::filesystem::path& executableDirectory, std::string* failureReason = nullptr);

}  // namespace quillon::tolerance
