#pragma once

#include <QString>
#include <optional>

// After a file report the system's plain-text editor is set to show it in a fixed-pitch face, so
// the columns of the report line up. This lives in the current user's registry on Windows; other
// systems have no counterpart and nothing is written there.
namespace quillon::report {

// Tolerance edition: face name "Courier New" and point size 75 (tenths of a point).
// Returns nothing on success, otherwise a message for the user.
std::optional<QString> writeToleranceEditorSettings();

// Lite edition: the face name only.
std::optional<QString> writeLiteEditorSettings();

}  // namespace quillon::report
