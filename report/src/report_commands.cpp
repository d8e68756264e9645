#include "quillon/report/report_commands.h"

#include "quillon/report/editor_settings.h"
#include "quillon/report/report_file.h"

namespace quillon::report {

std::optional<QString> saveToleranceReport(const QString& path,
                                           const std::vector<std::string>& lines) {
    if (auto failure = writeReportFile(path, lines)) {
        return failure;
    }
    return writeToleranceEditorSettings();
}

std::optional<QString> saveLiteReport(const QString& path, const std::vector<std::string>& lines) {
    if (auto failure = writeReportFile(path, lines)) {
        return failure;
    }
    return writeLiteEditorSettings();
}

}  // namespace quillon::report
