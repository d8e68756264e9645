#pragma once

#include <QDir>
#include <QString>

// What the report commands tell the user when a report cannot be written (the window shows it in
// its message box).
namespace quillon::report::messages {

inline constexpr char kReportFile[] = "报告文件";

// "报告文件“<file>”无法写入：<reason>"; the reason is one of those below or the system's own.
// Other files written the same way name their kind in place of 报告文件.
inline QString fileNotWritten(const QString& path, const QString& reason,
                              const QString& fileKind = QString::fromUtf8(kReportFile)) {
    return QStringLiteral("%1“%2”无法写入：%3")
        .arg(fileKind, QDir::toNativeSeparators(path), reason);
}

inline constexpr char kDiskFull[] = "磁盘空间不足，文件没有写完";
inline constexpr char kNoGbkEncoder[] = "此系统不支持 GBK 编码";
inline constexpr char kNoFileName[] = "没有文件名";
inline constexpr char kIsAFolder[] = "这是一个文件夹";

// After a written report, on Windows only.
inline constexpr char kEditorSettingsNotWritten[] = "记事本的字体设置无法写入注册表。";

}  // namespace quillon::report::messages
