#include "quillon/report/report_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <string>
#include <utility>
#include <vector>

#include "quillon/report/report_messages.h"
#include "report_file_fixture.h"

namespace quillon::report {
namespace {

TEST(ReportEncoding, GbkBytesWithCrLfAfterEveryLine) {
    const std::vector<std::pair<std::string, QByteArray>> cases = {
        {"", "\r\n"},
        {"z  = 20", "z  = 20\r\n"},
        {"：", "\xA3\xBA\r\n"},  // full-width colon
        {"αβχ", "\xA6\xC1\xA6\xC2\xA6\xD6\r\n"},
        {" — ", " \xA1\xAA \r\n"},  // U+2014 is code page 936's dash
        {"齿", "\xB3\xDD\r\n"},
        // Characters outside GBK become one "?" each, never dropped.
        {"20😀", "20?\r\n"},
        {"한x", "?x\r\n"},
        {"ä", "?\r\n"},
        {"1\xFF", "1?\r\n"},  // a byte that is not UTF-8
        // A pasted line break stays inside its report line.
        {"z  = 2\r\n0", "z  = 2  0\r\n"},
        {"2\n0", "2 0\r\n"},
    };
    for (const auto& [line, bytes] : cases) {
        const std::optional<QByteArray> encoded = encodeReport({line});
        ASSERT_TRUE(encoded.has_value());
        EXPECT_EQ(*encoded, bytes) << line;
    }
    EXPECT_EQ(encodeReport({"a", "b"}), QByteArray("a\r\nb\r\n"));
    EXPECT_EQ(encodeReport({}), QByteArray());
}

TEST_F(ReportFile, WritesTheEncodedLines) {
    const QString path = pathOf(QStringLiteral("reporter.txt"));
    EXPECT_EQ(writeReportFile(path, kReport), std::nullopt);
    EXPECT_EQ(readAll(path), encodeReport(kReport).value());
    EXPECT_EQ(entries(), QStringList{QStringLiteral("reporter.txt")});
}

TEST_F(ReportFile, ReplacesALongerFileCompletely) {
    const QString path = pathOf(QStringLiteral("报告.txt"));
    ASSERT_TRUE(writeFile(path, QByteArray(5000, 'x')));
    EXPECT_EQ(writeReportFile(path, kReport), std::nullopt);
    EXPECT_EQ(readAll(path), encodeReport(kReport).value());
}

// Every failure is a message naming the file and the reason (the system's own where it gives
// one); nothing is left behind.
TEST_F(ReportFile, FailuresAreReportedWithTheFileName) {
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("folder.txt")));
    const std::vector<std::pair<QString, const char*>> cases = {
        {pathOf(QStringLiteral("folder.txt")), messages::kIsAFolder},  // a folder of that name
        {pathOf(QStringLiteral("missing/reporter.txt")), nullptr},     // no such folder
        {QStringLiteral("/proc/quillon-reporter.txt"), nullptr},       // a read-only file system
        {QString(), messages::kNoFileName},
    };
    for (const auto& [path, reason] : cases) {
        const std::optional<QString> failure = writeReportFile(path, kReport);
        ASSERT_TRUE(failure.has_value()) << path.toStdString();
        EXPECT_TRUE(failure->startsWith(messages::fileNotWritten(path, {})))
            << failure->toStdString();
        if (reason != nullptr) {
            EXPECT_EQ(*failure, messages::fileNotWritten(path, QString::fromUtf8(reason)));
        }
    }
    EXPECT_TRUE(QFileInfo(pathOf(QStringLiteral("folder.txt"))).isDir());
    EXPECT_EQ(entries(), QStringList{QStringLiteral("folder.txt")});
}

}  // namespace
}  // namespace quillon::report
