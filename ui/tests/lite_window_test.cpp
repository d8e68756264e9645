#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>

#include "quillon/engine/run_messages.h"
#include "tests.h"
#include "window_driver.h"

using namespace quillon::controls;

using namespace quillon::engine;
namespace quillon::ui::test {

namespace {

const QStringList kClearedFields = {"Text1",  "Text2",  "Text4", "Text5",  "Text6",
                                    "Text7",  "Text8",  "Text9", "Text10", "Text11",
                                    "Text12", "Text14", "Text15"};

QStringList reportLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QStringDecoder gbk("GBK");
    QString text = gbk.decode(file.readAll());
    QStringList lines = text.split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty()) {
        lines.removeLast();
    }
    return lines;
}

}  // namespace

LiteWindowTest::LiteWindowTest() = default;
LiteWindowTest::~LiteWindowTest() = default;

void LiteWindowTest::init() {
    // The lite edition needs no db1.mdb: start it in a folder without one.
    static QTemporaryDir noDatabase;
    driver_ =
        std::make_unique<WindowDriver>(WindowEdition::lite(), noDatabase.path().toStdString());
    QVERIFY(driver_->started);
}

void LiteWindowTest::cleanup() {
    driver_.reset();
}

void LiteWindowTest::startsWithoutADatabase() {
    WindowDriver& w = *driver_;
    QVERIFY(w.messages.isEmpty());
    QCOMPARE(w.window->size(), QSize(467, 280));
    QCOMPARE(w.text("Combo1"), "1.25");
    QCOMPARE(w.text("Combo2"), "0.1");
    QCOMPARE(w.text("Text16"), "2.165");
    QCOMPARE(w.text("Text9"), "0");
    QVERIFY(w.control<QRadioButton>("Option1")->isChecked());
    for (const char* name : {"Text5", "Text6", "Text7", "Text8", "Text10", "Text11", "Text12",
                             "Text14", "Text15", "Text9"}) {
        QCOMPARE(w.text(name), "0");
        QVERIFY(w.control<QLineEdit>(name)->isReadOnly());
    }
    QVERIFY(!w.control<QLineEdit>("Text13")->isReadOnly());
    QVERIFY(w.control("Text19") == nullptr);
    QVERIFY(w.control("Text17") == nullptr);
    QCOMPARE(w.control<QComboBox>("Combo1")->itemText(0), "0.5 ");
    QCOMPARE(w.control<QComboBox>("Combo1")->itemText(10), "3.0");
    QCOMPARE(w.control<QComboBox>("Combo1")->count(), 16);
    QVERIFY(w.window->printer() != nullptr);
}

void LiteWindowTest::hasARoundedOutline() {
    const QRegion outline = driver_->window->mask();
    QVERIFY(!outline.contains(QPoint(0, 0)));
    QVERIFY(!outline.contains(QPoint(1, 1)));
    QVERIFY(outline.contains(QPoint(2, 2)));
    QVERIFY(outline.contains(QPoint(6, 0)));
    QVERIFY(!outline.contains(QPoint(466, 279)));
}

void LiteWindowTest::drawsTheDesignedColours() {
    const QColor computed(216, 228, 248);  // inactive caption text
    checkColours(*driver_->window, {{"close circle", {452, 17}, QColor(255, 0, 0)},
                                    {"minimise circle", {433, 17}, QColor(255, 0, 0)},
                                    {"d field", {296, 50}, computed},
                                    {"x.m field", {110, 221}, computed},
                                    {"ha* field", {110, 120}, QColor(224, 224, 224)},
                                    {"z field", {110, 50}, QColor(255, 255, 255)}});
}

void LiteWindowTest::followsTheFocusOrder() {
    checkFocusOrder(*driver_->window, {"Option1", "Option2", "Text1",  "Text3",  "Combo1", "Text2",
                                       "Text4",   "Text5",   "Text6",  "Text7",  "Text8",  "Text10",
                                       "Text11",  "Text12",  "Text13", "Combo2", "Text14", "Text9",
                                       "Text15",  "Text16",  "cmd1",   "cmd2",   "cmd3",   "cmd4"});
}

void LiteWindowTest::namesEveryControlForAssistiveTools() {
    checkAccessibleNames(*driver_->window);
}

void LiteWindowTest::appliesTheLiteRules_data() {
    QTest::addColumn<QString>("z");
    QTest::addColumn<QString>("x");
    QTest::addColumn<QString>("message");  // empty: accepted
    QTest::addColumn<QString>("d");

    QTest::newRow("three teeth") << "3"
                                 << "0" << run_messages::kToothCountTooSmall << "0";
    QTest::newRow("four teeth") << "4"
                                << "0"
                                << ""
                                << "5.000";
    QTest::newRow("shift 0.47") << "20"
                                << "0.47"
                                << ""
                                << "25.000";
    QTest::newRow("shift 0.48") << "20"
                                << "0.48" << run_messages::kProfileShiftOutsideDin5480 << "0.000";
}

void LiteWindowTest::appliesTheLiteRules() {
    QFETCH(QString, z);
    QFETCH(QString, x);
    QFETCH(QString, message);
    QFETCH(QString, d);
    WindowDriver& w = *driver_;
    w.type("Text1", z);
    w.type("Text4", x);
    w.calculate();
    QCOMPARE(w.messages, message.isEmpty() ? QStringList{} : QStringList{message});
    QCOMPARE(w.text("Text5"), d);
    // The lite edition leaves x and dp as they were typed.
    QCOMPARE(w.text("Text16"), "2.165");
    if (message.isEmpty()) {
        QCOMPARE(w.text("Text4"), x);
    }
}

void LiteWindowTest::writesTheProfileShiftAmountBeforeTheChecks() {
    WindowDriver& w = *driver_;
    QString amountAtMessage;
    w.onMessage = [&](const QString&) { amountAtMessage = w.text("Text9"); };
    w.type("Text1", "20");
    w.type("Combo1", "2");
    w.type("Text4", "0.3");
    w.type("Text2", "31");
    w.calculate();
    QCOMPARE(w.messages, QStringList{run_messages::kHelixAngleInvalid});
    QCOMPARE(amountAtMessage, "0.6");
    QCOMPARE(w.text("Text9"), "0.600");
    QCOMPARE(w.text("Text2"), "0");
}

void LiteWindowTest::proposesThePlainPinDiameter() {
    WindowDriver& w = *driver_;
    w.pick("Combo1", "0.5 ");
    QCOMPARE(w.text("Combo1"), "0.5 ");  // the entry keeps its blank
    QCOMPARE(w.text("Text16"), "0.866");
    w.click("Option2");
    QCOMPARE(w.text("Text16"), "0.72");
    w.pick("Combo1", "1.25 ");
    QCOMPARE(w.text("Text16"), "1.8");
    w.type("Combo1", "2");
    QCOMPARE(w.text("Text16"), "1.8");  // typing is no pick
    w.click("Option1");
    QCOMPARE(w.text("Text16"), "3.464");
}

void LiteWindowTest::resetKeepsModuleClearanceHaAndPin() {
    WindowDriver& w = *driver_;
    w.pick("Combo1", "2.0 ");
    w.pick("Combo2", "0.2 ");
    w.type("Text13", "0.5");
    w.type("Text16", "3.5");
    w.type("Text1", "20");
    w.type("Text4", "0.1");
    w.type("Text3", "25");
    w.calculate();
    QVERIFY(w.messages.isEmpty());
    QCOMPARE(w.text("Text9"), "0.200");
    const std::string k = w.window->document().runState().k;
    QVERIFY(!k.empty());

    QTest::mousePress(w.control("cmd2"), Qt::MiddleButton);
    for (const QString& name : kClearedFields) {
        QCOMPARE(w.text(name.toUtf8().constData()), "0");
    }
    QCOMPARE(w.text("Text3"), "30");
    QCOMPARE(w.text("Text13"), "0.5");
    QCOMPARE(w.text("Text16"), "3.5");
    QCOMPARE(w.text("Combo1"), "2.0 ");
    QCOMPARE(w.text("Combo2"), "0.2 ");
    QCOMPARE(w.window->document().runState().k, k);
}

void LiteWindowTest::keepsBothReportButtonsEnabled() {
    WindowDriver& w = *driver_;
    w.type("Text1", "3");
    QVERIFY(w.control<XPButton>("cmd3")->isEnabled());
    w.type("Text1", "2");
    w.calculate();
    QVERIFY(w.control<XPButton>("cmd3")->isEnabled());
    QVERIFY(w.control<XPButton>("cmd4")->isEnabled());
}

void LiteWindowTest::writesTheFileReport() {
    WindowDriver& w = *driver_;
    QTemporaryDir folder;
    const QString path = folder.filePath("reporter.txt");
    w.window->setSaveFileChooser([&](const QString&) { return path; });

    w.click("cmd3");
    QStringList lines = reportLines(path);
    QCOMPARE(lines.size(), 22);
    QCOMPARE(lines[0], "DIN 5480外花键计算报告");
    QCOMPARE(lines[10], "量棒直径:dp=  2.165");
    QCOMPARE(lines[19], "跨测齿数:k=  ");

    w.pick("Combo1", "1.25 ");
    w.type("Text1", "20");
    w.calculate();
    w.click("cmd3");
    lines = reportLines(path);
    QCOMPARE(lines[3], "模数:m=  1.25 ");
    QCOMPARE(lines[19], "跨测齿数:k=  4");

    // The reset keeps k; a kind switch changes only the title.
    QTest::mousePress(w.control("cmd2"), Qt::LeftButton);
    QTest::mouseRelease(w.control("cmd2"), Qt::LeftButton);
    w.click("Option2");
    w.click("cmd3");
    const QStringList afterReset = reportLines(path);
    QCOMPARE(afterReset[0], "DIN 5480内花键计算报告");
    QCOMPARE(afterReset[12], "分度圆直径:d=  0");
    QCOMPARE(afterReset[19], "跨测齿数:k=  4");
    QVERIFY(w.messages.isEmpty());
}

void LiteWindowTest::printsTheReport() {
    WindowDriver& w = *driver_;
    QTemporaryDir folder;
    const QString pdf = folder.filePath("printed.pdf");
    bool accept = false;
    w.window->setPrintDialog([&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return accept;
    });
    w.type("Text1", "20");
    w.calculate();

    w.click("cmd4");  // cancelled: nothing printed
    QVERIFY(!QFile::exists(pdf));

    accept = true;
    w.click("cmd4");
    QVERIFY(QFile::exists(pdf));
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", pdf, "-"});
    if (!pdftotext.waitForFinished(20000)) {
        QSKIP("pdftotext is not available");
    }
    QStringList lines;
    for (const QString& line : QString::fromUtf8(pdftotext.readAllStandardOutput()).split('\n')) {
        if (!line.trimmed().isEmpty()) {
            lines << line.trimmed();
        }
    }
    QCOMPARE(lines.size(), 21);
    QCOMPARE(lines.first(), "DIN 5480外花键计算报告");
    QVERIFY(lines.filter("跨测齿数").isEmpty());
    QVERIFY(lines.last().startsWith("跨棒距:"));
    QVERIFY(w.messages.isEmpty());
}

void LiteWindowTest::closeGlyphUnloadsTheWindow() {
    WindowDriver& w = *driver_;
    QTest::mousePress(w.control("Label3"), Qt::LeftButton);
    QVERIFY(!w.window->isVisible());
}

}  // namespace quillon::ui::test
