#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <string>
#include <vector>

namespace quillon::report {

// The bytes of a report file: every line in GBK (code page 936) followed by CR LF, no byte-order
// mark, no closing blank line. A character GBK cannot encode becomes one "?". Empty when this
// system offers no GBK encoder.
std::optional<QByteArray> encodeReport(const std::vector<std::string>& lines);

// Writes a report (UTF-8 lines) to `path`, replacing the file only once the new content is
// complete: a failed write leaves an earlier file as it was. Returns nothing on success, otherwise
// a message for the user that names the file and the reason. Never throws.
std::optional<QString> writeReportFile(const QString& path, const std::vector<std::string>& lines);

// Writes `bytes` to `path` the same way; `fileKind` names the file in the message ("报告文件").
std::optional<QString> replaceFile(const QString& path, const QByteArray& bytes,
                                   const QString& fileKind);

}  // namespace quillon::report
