#pragma once

#include <QString>
#include <optional>
#include <string>
#include <vector>

// The file report commands as the window runs them once its dialog has given a file name or a
// printer. Cancelled dialogs are the window's business: it simply does not call these.
namespace quillon::report {

// Tolerance edition ("导出参数"): writes the report's lines (toleranceReportLines, as the document
// gives them) to `path`, then the editor settings.
// Returns nothing on success, otherwise the message to show; a file that could not be written
// leaves any earlier file as it was and skips the settings.
std::optional<QString> saveToleranceReport(const QString& path,
                                           const std::vector<std::string>& lines);

// Lite edition ("导出计算报告"): the lines of the file report (liteFileReportLines), then the
// editor's face name.
std::optional<QString> saveLiteReport(const QString& path, const std::vector<std::string>& lines);

}  // namespace quillon::report
