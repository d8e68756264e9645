#include "quillon/report/report_commands.h"

#include "quillon/report/editor_settings.h"
#include "quillon/report/lite_report.h"
#include "quillon/report/report_file.h"
#include "quillon/report/tolerance_report.h"

using namespace quillon::engine;

namespace quillon::report {

std::optional<QString> saveToleranceReport(const QString& path, const Form& form,
                                           std::string_view k, double nearDeviation,
                                           double farDeviation) {
    if (auto failure =
            writeReportFile(path, toleranceReportLines(form, k, nearDeviation, farDeviation))) {
        return failure;
    }
    return writeToleranceEditorSettings();
}

std::optional<QString> saveLiteReport(const QString& path, const Form& form, std::string_view k) {
    if (auto failure = writeReportFile(path, liteFileReportLines(form, k))) {
        return failure;
    }
    return writeLiteEditorSettings();
}

}  // namespace quillon::report
