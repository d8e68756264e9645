#include "quillon/report/report_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringEncoder>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace quillon::report {
namespace {

constexpr char kLineEnd[] = "\r\n";

#ifdef Q_OS_WIN
// Windows always carries code page 936, whatever its own ANSI code page is; unmappable
// characters become the default character "?".
std::optional<QByteArray> encodeGbk(const QString& text) {
    constexpr UINT kGbkCodePage = 936;
    if (text.isEmpty()) {
        return QByteArray();
    }
    const auto* wide = reinterpret_cast<const wchar_t*>(text.utf16());
    const int size =
        WideCharToMultiByte(kGbkCodePage, 0, wide, int(text.size()), nullptr, 0, nullptr, nullptr);
    if (size <= 0) {
        return std::nullopt;
    }
    QByteArray bytes(size, Qt::Uninitialized);
    WideCharToMultiByte(kGbkCodePage, 0, wide, int(text.size()), bytes.data(), size, nullptr,
                        nullptr);
    return bytes;
}
#else
// Qt's ICU-backed codec replaces each character outside GBK (a surrogate pair counts as one) by
// "?".
std::optional<QByteArray> encodeGbk(const QString& text) {
    QStringEncoder encoder("GBK");
    if (!encoder.isValid()) {
        return std::nullopt;
    }
    return QByteArray(encoder.encode(text));
}
#endif

QString failure(const QString& path, const QString& reason) {
    return QStringLiteral("报告文件“%1”无法写入：%2").arg(QDir::toNativeSeparators(path), reason);
}

// A write that stops early (a full disk, a file size limit) may carry no error of its own.
QString shortWriteReason(const QFileDevice& file) {
    return file.error() == QFileDevice::NoError ? QStringLiteral("磁盘空间不足，文件没有写完")
                                                : file.errorString();
}

// A device or pipe cannot be replaced by renaming a file over it (that would destroy the node);
// it is written in place.
std::optional<QString> writeInPlace(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
        return failure(path, file.errorString());
    }
    if (file.write(bytes) != bytes.size()) {
        return failure(path, shortWriteReason(file));
    }
    file.close();
    if (file.error() != QFileDevice::NoError) {
        return failure(path, file.errorString());
    }
    return std::nullopt;
}

}  // namespace

std::optional<QByteArray> encodeReport(const std::vector<std::string>& lines) {
    QString text;
    for (const std::string& line : lines) {
        // A field may hold a pasted line break; inside a report line it would split the line and
        // break the CR LF layout that readers of the report count on, so it becomes a blank.
        QString oneLine = QString::fromStdString(line);
        oneLine.replace(QLatin1Char('\r'), QLatin1Char(' '))
            .replace(QLatin1Char('\n'), QLatin1Char(' '));
        text += oneLine;
        text += QLatin1String(kLineEnd);
    }
    return encodeGbk(text);
}

std::optional<QString> writeReportFile(const QString& path, const std::vector<std::string>& lines) {
    const std::optional<QByteArray> bytes = encodeReport(lines);
    if (!bytes) {
        return failure(path, QStringLiteral("此系统不支持 GBK 编码"));
    }
    if (path.isEmpty()) {
        return failure(path, QStringLiteral("没有文件名"));
    }
    const QFileInfo target(path);
    if (target.isDir()) {
        return failure(path, QStringLiteral("这是一个文件夹"));
    }
    if (target.exists() && !target.isFile()) {
        return writeInPlace(path, *bytes);
    }
    // Unbuffered, so that a write the disk takes only in part is seen here: a buffered flush at
    // commit() can lose the shortfall and report success over a truncated file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return failure(path, file.errorString());
    }
    if (file.write(*bytes) != bytes->size()) {
        const QString reason = shortWriteReason(file);
        file.cancelWriting();
        return failure(path, reason);
    }
    if (!file.commit()) {
        return failure(path, file.errorString());
    }
    return std::nullopt;
}

}  // namespace quillon::report
