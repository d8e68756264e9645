#include "quillon/report/report_commands.h"
#include "quillon/report/lite_report.h"
#include "quillon/report/tolerance_report.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "quillon/engine/in_memory_form.h"
#include "report_golden.h"

using namespace quillon::engine;

namespace quillon::report {
namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The window's fields after calculating z = 20 with the module 1.25.
InMemoryForm calculatedForm(const std::string& module) {
    InMemoryForm form;
    const std::pair<Field, std::string> texts[] = {
        {Field::z, "20"},      {Field::m, module},    {Field::d, "25.000"}, {Field::da, "26.125"},
        {Field::df, "23.625"}, {Field::db, "21.651"}, {Field::ha, "0.563"}, {Field::hf, "0.688"},
        {Field::h, "1.250"},   {Field::W, "13.067"},  {Field::M, "28.050"},
    };
    for (const auto& [field, text] : texts) {
        form.setText(field, text);
    }
    return form;
}

TEST(ReportCommands, SavedFilesReadBackAsTheGoldenBytes) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());

    InMemoryForm tolerance = calculatedForm("1.25");
    tolerance.setText(Field::x, "0.00000");
    const QString toleranceReport = dir.filePath(QStringLiteral("reporter.txt"));
    EXPECT_EQ(
        saveToleranceReport(toleranceReport, toleranceReportLines(tolerance, "4", -0.040, -0.070)),
        std::nullopt);
    EXPECT_EQ(readAll(toleranceReport), testing::goldenBytes("tolerance_external.txt"));

    InMemoryForm lite = calculatedForm("1.25 ");
    lite.setText(Field::xm, "0.000");
    const QString liteReport = dir.filePath(QStringLiteral("lite.txt"));
    EXPECT_EQ(saveLiteReport(liteReport, liteFileReportLines(lite, "4")), std::nullopt);
    EXPECT_EQ(readAll(liteReport), testing::goldenBytes("lite_after_calculation.txt"));
}

TEST(ReportCommands, AFailedSaveReturnsTheMessage) {
    QTemporaryDir dir;
    const QString folder = dir.path();  // a folder cannot become a report
    const std::optional<QString> failure =
        saveLiteReport(folder, liteFileReportLines(InMemoryForm(), ""));
    ASSERT_TRUE(failure.has_value());
    EXPECT_TRUE(failure->contains(QDir::toNativeSeparators(folder)));
}

}  // namespace
}  // namespace quillon::report
