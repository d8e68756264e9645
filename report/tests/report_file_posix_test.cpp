// The report file where POSIX decides: permissions, devices and a file-size limit standing in
// for a full disk.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFileInfo>

#include "quillon/report/report_file.h"
#include "report_file_fixture.h"

namespace quillon::report {
namespace {

// A report is an ordinary document: readable by others as the umask allows.
TEST_F(ReportFile, ModeFollowsTheUmask) {
    const QString path = pathOf(QStringLiteral("reporter.txt"));
    ASSERT_EQ(writeReportFile(path, kReport), std::nullopt);
    const mode_t mask = umask(0);
    umask(mask);
    struct stat info {};
    ASSERT_EQ(stat(QFile::encodeName(path).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0666 & ~mask);
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
