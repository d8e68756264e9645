#include "quillon/report/editor_settings.h"

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <QSettings>

#include "quillon/report/report_messages.h"
#endif

namespace quillon::report {
namespace {

#ifdef Q_OS_WIN
// Strings go to the registry as REG_SZ, ints as REG_DWORD.
std::optional<QString> writeEditorSettings(bool withPointSize) {
    QSettings settings(QStringLiteral("HKEY_CURRENT_USER\\Software\\Microsoft\\Notepad"),
                       QSettings::NativeFormat);
    settings.setValue(QStringLiteral("lfFaceName"), QStringLiteral("Courier New"));
    if (withPointSize) {
        settings.setValue(QStringLiteral("iPointSize"), 75);
    }
    settings.sync();
    if (settings.status() != QSettings::NoError) {
        return QString::fromUtf8(messages::kEditorSettingsNotWritten);
    }
    return std::nullopt;
}
#else
std::optional<QString> writeEditorSettings(bool /*withPointSize*/) {
    return std::nullopt;
}
#endif

}  // namespace

std::optional<QString> writeToleranceEditorSettings() {
    return writeEditorSettings(true);
}

std::optional<QString> writeLiteEditorSettings() {
    return writeEditorSettings(false);
}

}  // namespace quillon::report
