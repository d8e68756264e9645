#include "quillon/report/report_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <string>
#include <utility>
#include <vector>

#include "quillon/report/report_messages.h"

namespace quillon::report {
namespace {

const std::vector<std::string> kReport = {"DIN 5480外花键计算报告", "齿数:z=  20", "α β — ："};

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

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

class ReportFile : public ::testing::Test {
  protected:
    QString pathOf(const QString& name) const { return dir_.filePath(name); }
    QStringList entries() const {
        return QDir(dir_.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    QTemporaryDir dir_;
};

TEST_F(ReportFile, WritesTheEncodedLines) {
    const QString path = pathOf(QStringLiteral("reporter.txt"));
    EXPECT_EQ(writeReportFile(path, kReport), std::nullopt);
    EXPECT_EQ(readAll(path), encodeReport(kReport).value());
    EXPECT_EQ(entries(), QStringList{QStringLiteral("reporter.txt")});
    // A report is an ordinary document: readable by others as the umask allows.
    const mode_t mask = umask(0);
    umask(mask);
    struct stat info {};
    ASSERT_EQ(stat(QFile::encodeName(path).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0666 & ~mask);
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

// A full disk: the device takes no byte. It is written in place, never replaced by a file.
TEST(ReportFileDevice, FullDeviceFailsAndStaysADevice) {
    const QString path = QStringLiteral("/dev/full");
    if (!QFileInfo::exists(path)) {
        GTEST_SKIP() << "no /dev/full";
    }
    const std::optional<QString> failure = writeReportFile(path, kReport);
    ASSERT_TRUE(failure.has_value());
    EXPECT_TRUE(failure->contains(path)) << failure->toStdString();
    struct stat info {};
    ASSERT_EQ(stat("/dev/full", &info), 0);
    EXPECT_TRUE(S_ISCHR(info.st_mode));
}

TEST_F(ReportFile, ExistingReportSurvivesAFailedWrite) {
    const QString path = pathOf(QStringLiteral("reporter.txt"));
    const QByteArray earlier = encodeReport({"earlier report"}).value();
    ASSERT_TRUE(writeFile(path, earlier));

    // The disk fills up after 8 bytes of the new report: a file-size limit makes every write past
    // it fail with EFBIG, for root as for anyone.
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 8;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const std::optional<QString> failure = writeReportFile(path, kReport);
    setrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, previousHandler);

    ASSERT_TRUE(failure.has_value());
    EXPECT_TRUE(failure->contains(path)) << failure->toStdString();
    EXPECT_EQ(readAll(path), earlier);
    EXPECT_EQ(entries(), QStringList{QStringLiteral("reporter.txt")});
}

TEST_F(ReportFile, ReadOnlyFolderKeepsItsReport) {
    const QString folder = pathOf(QStringLiteral("locked"));
    ASSERT_TRUE(QDir().mkdir(folder));
    const QString path = folder + QStringLiteral("/reporter.txt");
    const QByteArray earlier("earlier\r\n");
    ASSERT_TRUE(writeFile(path, earlier));
    ASSERT_EQ(chmod(QFile::encodeName(folder).constData(), 0555), 0);
    const bool writable = access(QFile::encodeName(folder).constData(), W_OK) == 0;
    const std::optional<QString> failure = writable ? std::nullopt : writeReportFile(path, kReport);
    chmod(QFile::encodeName(folder).constData(), 0755);
    if (writable) {
        GTEST_SKIP() << "permissions do not bind this user (root)";
    }
    ASSERT_TRUE(failure.has_value());
    EXPECT_TRUE(failure->contains(path)) << failure->toStdString();
    EXPECT_EQ(readAll(path), earlier);
}

}  // namespace
}  // namespace quillon::report
