#include "quillon/report/report_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringEncoder>

#include "quillon/report/report_messages.h"

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace quillon::report {
namespace {

constexpr char kLineEnd[] = "\r\n";

#ifdef Q_OS_WIN
// Code page 936 has nothing beyond U+FFFF, and Windows would turn each half of a surrogate pair
// into its own "?"; such a character (or a lone half) becomes one "?" first, as on Linux.
QString withoutSurrogates(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (!c.isSurrogate()) {
            out += c;
            continue;
        }
        out += u'?';
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            ++i;
        }
    }
    return out;
}

// Windows always carries code page 936, whatever its own ANSI code page is; unmappable
// characters become the default character "?".
std::optional<QByteArray> encodeGbk(const QString& original) {
    constexpr UINT kGbkCodePage = 936;
    const QString text = withoutSurrogates(original);
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

// A write that stops early (a full disk, a file size limit) may carry no error of its own.
QString shortWriteReason(const QFileDevice& file) {
    return file.error() == QFileDevice::NoError ? QString::fromUtf8(messages::kDiskFull)
                                                : file.errorString();
}

// A device or pipe cannot be replaced by renaming a file over it (that would destroy the node);
// it is written in place.
std::optional<QString> writeInPlace(const QString& path, const QByteArray& bytes,
                                    const QString& fileKind) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
        return messages::fileNotWritten(path, file.errorString(), fileKind);
    }
    if (file.write(bytes) != bytes.size()) {
        return messages::fileNotWritten(path, shortWriteReason(file), fileKind);
    }
    file.close();
    if (file.error() != QFileDevice::NoError) {
        return messages::fileNotWritten(path, file.errorString(), fileKind);
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
    const QString kind = QString::fromUtf8(messages::kReportFile);
    const std::optional<QByteArray> bytes = encodeReport(lines);
    if (!bytes) {
        return messages::fileNotWritten(path, QString::fromUtf8(messages::kNoGbkEncoder), kind);
    }
    return replaceFile(path, *bytes, kind);
}

std::optional<QString> replaceFile(const QString& path, const QByteArray& bytes,
                                   const QString& fileKind) {
    if (path.isEmpty()) {
        return messages::fileNotWritten(path, QString::fromUtf8(messages::kNoFileName), fileKind);
    }
    const QFileInfo target(path);
    if (target.isDir()) {
        return messages::fileNotWritten(path, QString::fromUtf8(messages::kIsAFolder), fileKind);
    }
    if (target.exists() && !target.isFile()) {
        return writeInPlace(path, bytes, fileKind);
    }
    // Unbuffered, so that a write the disk takes only in part is seen here: a buffered flush at
    // commit() can lose the shortfall and report success over a truncated file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return messages::fileNotWritten(path, file.errorString(), fileKind);
    }
    if (file.write(bytes) != bytes.size()) {
        const QString reason = shortWriteReason(file);
        file.cancelWriting();
        return messages::fileNotWritten(path, reason, fileKind);
    }
    if (!file.commit()) {
        return messages::fileNotWritten(path, file.errorString(), fileKind);
    }
    return std::nullopt;
}

}  // namespace quillon::report
