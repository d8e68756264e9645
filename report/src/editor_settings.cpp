#include "quillon/report/editor_settings.h"

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <QSettings>
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
        return QStringLiteral("记事本的字体设置无法写入注册表。");
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
