#include "quillon/report/printed_report.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPdfWriter>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "quillon/engine/in_memory_form.h"
#include "quillon/report/lite_report.h"
#include "quillon/report/report_commands.h"
#include "quillon/version.h"

using namespace quillon::engine;

namespace quillon::report {
namespace {

InMemoryForm reportForm() {
    InMemoryForm form;
    form.setText(Field::z, "20");
    form.setText(Field::m, "1.25 ");
    form.setText(Field::xm, "0.000");
    form.setText(Field::d, "25.000");
    form.setText(Field::W, "13.067");
    form.setText(Field::M, "28.050");
    return form;
}

std::vector<std::string> reportLines() {
    return litePrintedReportLines(reportForm());
}

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString withoutBlanks(QString text) {
    text.remove(QRegularExpression(QStringLiteral("\\s")));
    return text;
}

// The window's path: a QPrinter (here one that writes PDF) handed to printReport.
class PrintedReport : public ::testing::Test {
  protected:
    void SetUp() override {
#ifdef _WIN32
        GTEST_SKIP() << "the PDF is read by poppler's tools of the Linux build machine";
#endif
        ASSERT_TRUE(dir_.isValid());
        pdf_ = dir_.filePath(QStringLiteral("report.pdf"));
        printer_.setOutputFormat(QPrinter::PdfFormat);
        printer_.setOutputFileName(pdf_);
        printer_.setPageSize(QPageSize(QPageSize::A4));
    }

    QTemporaryDir dir_;
    QString pdf_;
    QPrinter printer_{QPrinter::HighResolution};
};

TEST_F(PrintedReport, AllLinesReachThePageInOrder) {
    const std::vector<std::string> lines = reportLines();
    ASSERT_TRUE(printLiteReport(printer_, reportForm()));
    const QString text =
        run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf_, QStringLiteral("-")});
    QStringList printed = text.split(u'\n', Qt::SkipEmptyParts);
    printed.removeIf([](const QString& line) { return line.trimmed().isEmpty(); });
    ASSERT_EQ(printed.size(), 21) << text.toStdString();
    for (int i = 0; i < 21; ++i) {
        // pdftotext approximates the blanks between words; the characters must all be there.
        EXPECT_EQ(withoutBlanks(printed[i]), withoutBlanks(QString::fromStdString(lines[i])))
            << printed[i].toStdString();
    }
    EXPECT_FALSE(text.contains(QStringLiteral("跨测齿数")));
    EXPECT_EQ(run(QStringLiteral("pdfinfo"), {pdf_})
                  .contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))),
              true);
}

// Each line after the title stands 50 twips (2.5 pt) lower than the font's line spacing alone
// would put it, and the text starts at the left edge of the printable area.
TEST_F(PrintedReport, LinesStepByLineSpacingPlusFiftyTwips) {
    ASSERT_TRUE(printReport(printer_, reportLines()));
    const QString boxes =
        run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf_, QStringLiteral("-")});
    QRegularExpression word(
        QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"[0-9.]+\" "
                       "yMax=\"([0-9.]+)\">"));
    std::vector<double> tops;
    double left = 1e9;
    for (const auto& match : word.globalMatch(boxes)) {
        const double yMax = match.captured(3).toDouble();
        if (tops.empty() || std::abs(yMax - tops.back()) > 1) {
            tops.push_back(yMax);
        }
        left = std::min(left, match.captured(1).toDouble());
    }
    ASSERT_EQ(tops.size(), 21u) << boxes.toStdString();

    QFont font(QStringLiteral("宋体"));
    font.setPointSizeF(10);
    const double lineSpacing = QFontMetricsF(font, &printer_).lineSpacing() * 72.0 /
                               printer_.logicalDpiY();  // in points, as pdftotext reports
    for (std::size_t i = 1; i < tops.size(); ++i) {
        EXPECT_NEAR(tops[i] - tops[i - 1], lineSpacing + 2.5, 0.3) << "line " << i + 1;
    }
    const double margin = printer_.pageLayout().paintRect(QPageLayout::Point).left();
    EXPECT_NEAR(left, margin, 1.5);
}

TEST_F(PrintedReport, TextIsBlue) {
    ASSERT_TRUE(printReport(printer_, reportLines()));
    const QString png = dir_.filePath(QStringLiteral("page"));
    run(QStringLiteral("pdftoppm"),
        {QStringLiteral("-r"), QStringLiteral("72"), QStringLiteral("-png"),
         QStringLiteral("-singlefile"), pdf_, png});
    const QImage page(png + QStringLiteral(".png"));
    ASSERT_FALSE(page.isNull());
    int inked = 0;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            const QColor c = page.pixelColor(x, y);
            if (c == Qt::white) {
                continue;
            }
            ++inked;
            // Anti-aliased blue on white: blue stays full, red and green fall together.
            EXPECT_EQ(c.blue(), 255) << x << "," << y;
            EXPECT_EQ(c.red(), c.green()) << x << "," << y;
        }
    }
    EXPECT_GT(inked, 500);
}

TEST_F(PrintedReport, ShortPaperContinuesOnANewPage) {
    printer_.setPageSize(QPageSize(QSizeF(100, 60), QPageSize::Millimeter));
    ASSERT_TRUE(printReport(printer_, reportLines()));
    const QString text = run(QStringLiteral("pdftotext"), {pdf_, QStringLiteral("-")});
    EXPECT_GT(text.count(u'\f'), 1);  // one form feed per page
    EXPECT_TRUE(text.contains(QStringLiteral("28.050"))) << text.toStdString();
}

// A PDF reader or a print queue shows the report's title and the program that made it.
TEST_F(PrintedReport, DocumentCarriesTitleAndCreator) {
    const QString pdfWriterFile = dir_.filePath(QStringLiteral("writer.pdf"));
    {
        QPdfWriter writer(pdfWriterFile);
        ASSERT_TRUE(printReport(writer, reportLines()));
    }
    ASSERT_TRUE(printReport(printer_, reportLines()));
    const QString creator = QCoreApplication::applicationName() + u' ' + kVersion;
    for (const QString& file : {pdf_, pdfWriterFile}) {
        const QString info = run(QStringLiteral("pdfinfo"), {file});
        EXPECT_TRUE(info.contains(
            QRegularExpression(QStringLiteral("Title:\\s+DIN 5480外花键计算报告\\n"))))
            << info.toStdString();
        EXPECT_TRUE(info.contains(QRegularExpression(
            QStringLiteral("Creator:\\s+%1\\n").arg(QRegularExpression::escape(creator)))))
            << info.toStdString();
    }
}

TEST(PrintedReportRefused, APrinterThatCannotStartPrintsNothing) {
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QStringLiteral("/nonexistent-folder/report.pdf"));
    EXPECT_FALSE(printReport(printer, reportLines()));
}

}  // namespace
}  // namespace quillon::report
