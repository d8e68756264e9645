#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include "quillon/controls/group_frame.h"
#include "quillon/engine/run_messages.h"
#include "quillon/tolerance/open_tolerance_database.h"
#include "quillon/tolerance/piancha.h"
#include "tests.h"
#include "window_driver.h"

using namespace quillon::tolerance;
using namespace quillon::controls;

using namespace quillon::engine;
namespace quillon::ui::test {

namespace {

const QString kDatabaseMessage = QString::fromUtf8(kDatabaseConnectionErrorMessage.data(),
                                                   kDatabaseConnectionErrorMessage.size());
const QStringList kResultFields = {"Text5",  "Text6",  "Text7",  "Text8", "Text10",
                                   "Text11", "Text12", "Text14", "Text15"};

}  // namespace

ToleranceWindowTest::ToleranceWindowTest() = default;
ToleranceWindowTest::~ToleranceWindowTest() = default;

void ToleranceWindowTest::init() {
    driver_ = std::make_unique<WindowDriver>(WindowEdition::tolerance());
    QVERIFY(driver_->started);
}

void ToleranceWindowTest::cleanup() {
    driver_.reset();
}

void ToleranceWindowTest::startsWithTheDesignedState() {
    WindowDriver& w = *driver_;
    QCOMPARE(w.window->size(), QSize(467, 280));
    QCOMPARE(w.text("Combo1"), "1.25");
    QCOMPARE(w.text("Combo2"), "0.1");
    QCOMPARE(w.text("Text16"), "2.165");  // plain number text, not "0.000"
    QCOMPARE(w.text("Text1"), "0");
    QCOMPARE(w.text("Text3"), "30");
    QCOMPARE(w.text("Text13"), "0.45");
    QCOMPARE(w.text("Text19"), "9");
    QCOMPARE(w.text("Text17"), "H");
    QVERIFY(w.control<QRadioButton>("Option1")->isChecked());
    QVERIFY(!w.control<QRadioButton>("Option2")->isChecked());
    for (const QString& name : kResultFields) {
        QCOMPARE(w.text(name.toUtf8().constData()), "0");
        QVERIFY(w.control<QLineEdit>(name.toUtf8().constData())->isReadOnly());
    }
    QVERIFY(w.control<QLineEdit>("Text13")->isReadOnly());
    QVERIFY(!w.control<XPButton>("cmd3")->isEnabled());
    QCOMPARE(w.window->document().seriesColumnName(), "H");
    QVERIFY(w.messages.isEmpty());

    QStringList modules;
    for (int i = 0; i < w.control<QComboBox>("Combo1")->count(); ++i) {
        modules << w.control<QComboBox>("Combo1")->itemText(i);
    }
    QCOMPARE(modules,
             QStringList({"0.50", "0.60", "0.75", "0.80", "1.00", "1.25", "1.50", "1.75", "2.00",
                          "2.50", "3.00", "4.00", "5.00", "6.00", "8.00", "10.00"}));
    QStringList clearances;
    for (int i = 0; i < w.control<QComboBox>("Combo2")->count(); ++i) {
        clearances << w.control<QComboBox>("Combo2")->itemText(i);
    }
    QCOMPARE(clearances, QStringList({"0.1", "0.15", "0.2 ", "0.39 "}));
    QCOMPARE(w.control<QLabel>("Label2")->text(),
             "插齿 cn=0.1\n滚齿 cn=0.15\n铣齿 cn=0.2\n冲压 cn=0.39");
    QCOMPARE(w.control<GroupFrame>("Frame1")->caption(), "已知参数::: ");
    QCOMPARE(w.control<GroupFrame>("Frame2")->caption(), "计算结果::: ");
}

void ToleranceWindowTest::hasARoundedOutline() {
    const QRegion outline = driver_->window->mask();
    QVERIFY(!outline.contains(QPoint(0, 0)));
    QVERIFY(!outline.contains(QPoint(1, 1)));
    QVERIFY(!outline.contains(QPoint(466, 279)));
    QVERIFY(!outline.contains(QPoint(466, 0)));
    QVERIFY(outline.contains(QPoint(8, 0)));
    QVERIFY(outline.contains(QPoint(3, 3)));
    QVERIFY(outline.contains(QPoint(233, 140)));
    QVERIFY(outline.contains(QPoint(466, 140)));
}

void ToleranceWindowTest::drawsTheDesignedColours() {
    // Points inside each control, clear of its text (pixels: twips / 15).
    checkColours(*driver_->window, {{"close circle", {452, 17}, QColor(192, 64, 0)},
                                    {"minimise circle", {433, 17}, QColor(192, 64, 0)},
                                    {"input group tab", {9, 37}, QColor(128, 128, 128)},
                                    {"result group tab", {187, 36}, QColor(192, 0, 0)},
                                    {"ha* field", {110, 134}, QColor(192, 192, 192)},
                                    {"d field", {300, 60}, QColor(224, 224, 224)},
                                    {"z field", {110, 59}, QColor(255, 255, 255)},
                                    {"grade field", {109, 258}, QColor(224, 224, 224)}});
}

void ToleranceWindowTest::followsTheFocusOrder() {
    checkFocusOrder(
        *driver_->window,
        {"Option1", "Option2", "cmd1",   "cmd2",   "cmd3",   "Text1",  "Combo1", "Text3",
         "Text13",  "Text2",   "Text4",  "Combo2", "Text16", "Text5",  "Text6",  "Text7",
         "Text8",   "Text10",  "Text11", "Text12", "Text14", "Text15", "Text19", "Text17"});
}

void ToleranceWindowTest::namesEveryControlForAssistiveTools() {
    checkAccessibleNames(*driver_->window);
}

void ToleranceWindowTest::calculatesTheWorkedExamples_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("beta");
    QTest::addColumn<QString>("x");
    QTest::addColumn<QStringList>("results");  // d da df db ha hf h W M, then x and dp

    QTest::newRow("straight shaft")
        << "Option1"
        << "0"
        << "0" << QStringList{"40.000", "41.800", "37.800", "34.641",  "0.900", "1.100",
                              "2.000",  "20.907", "44.982", "0.00000", "3.500"};
    QTest::newRow("straight hub") << "Option2"
                                  << "0"
                                  << "0" << QStringList{"40.000", "38.200",  "42.200", "34.641",
                                                        "0.900",  "1.100",   "2.000",  "20.907",
                                                        "34.826", "0.00000", "3.500"};
    // The base circle of a helical spline is d cos(alpha_t), as the engine computes it.
    QTest::newRow("helical shaft")
        << "Option1"
        << "15"
        << "0.2" << QStringList{"41.411", "44.103", "39.962", "35.545",  "0.932", "1.139",
                                "2.071",  "21.488", "47.120", "0.20000", "3.500"};
}

void ToleranceWindowTest::calculatesTheWorkedExamples() {
    QFETCH(QString, kind);
    QFETCH(QString, beta);
    QFETCH(QString, x);
    QFETCH(QStringList, results);
    WindowDriver& w = *driver_;
    w.click(kind.toUtf8().constData());
    w.type("Text1", "20");
    w.type("Combo1", "2");
    w.type("Text2", beta);
    w.type("Text4", x);
    w.type("Text16", "3.5");
    w.calculate();

    QVERIFY2(w.messages.isEmpty(), qPrintable(w.messages.join('|')));
    const QStringList shown = {w.text("Text5"),  w.text("Text6"),  w.text("Text7"),
                               w.text("Text8"),  w.text("Text10"), w.text("Text11"),
                               w.text("Text12"), w.text("Text14"), w.text("Text15"),
                               w.text("Text4"),  w.text("Text16")};
    QCOMPARE(shown, results);
    QCOMPARE(QString::fromStdString(w.window->document().runState().k), "4");
    QVERIFY(w.control<XPButton>("cmd3")->isEnabled());
}

void ToleranceWindowTest::rejectsInputsWithTheirMessages_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("after");  // name=text pairs checked after the run

    QTest::newRow("two teeth") << "Option1"
                               << "Text1"
                               << "2" << run_messages::kToothCountTooSmall
                               << QStringList{"Text1=2",       "Text5=0", "Text14=0",
                                              "Text15=44.982", "Text2=0", "Text4=0"};
    QTest::newRow("helix above 30") << "Option1"
                                    << "Text2"
                                    << "30.5" << run_messages::kHelixAngleInvalid
                                    << QStringList{"Text2=0", "Text5=40.000", "Text14=20.907"};
    QTest::newRow("negative helix")
        << "Option1"
        << "Text2"
        << "-1" << run_messages::kHelixAngleInvalid << QStringList{"Text2=0", "Text5=40.000"};
    QTest::newRow("pressure angle, shaft") << "Option1"
                                           << "Text3"
                                           << "61" << run_messages::kPressureAngleInvalidShaft
                                           << QStringList{"Text3=30", "Text8=34.641"};
    QTest::newRow("pressure angle, hub")
        << "Option2"
        << "Text3"
        << "0" << run_messages::kPressureAngleInvalidHub << QStringList{"Text3=30", "Text8=34.641"};
    QTest::newRow("profile shift") << "Option1"
                                   << "Text4"
                                   << "0.88" << run_messages::kProfileShiftOutsideDin5480
                                   << QStringList{"Text1=0",       "Text2=0",      "Text3=30",
                                                  "Text4=0.00000", "Text5=0.000",  "Text14=0.000",
                                                  "Text15=0.000",  "Text16=3.500", "Combo1=2"};
}

void ToleranceWindowTest::rejectsInputsWithTheirMessages() {
    QFETCH(QString, kind);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(QStringList, after);
    WindowDriver& w = *driver_;
    // A good run first, so that a rejection visibly keeps or clears the earlier results.
    w.type("Text1", "20");
    w.type("Combo1", "2");
    w.type("Text16", "3.5");
    w.calculate();
    QVERIFY(w.messages.isEmpty());

    w.click(kind.toUtf8().constData());
    w.type("Text16", "3.5");
    w.type(field.toUtf8().constData(), typed);
    w.calculate();
    QCOMPARE(w.messages, QStringList{message});
    for (const QString& expected : after) {
        const QStringList pair = expected.split('=');
        QCOMPARE(w.text(pair[0].toUtf8().constData()), pair[1]);
    }
}

void ToleranceWindowTest::reportButtonFollowsZAndD_data() {
    QTest::addColumn<QStringList>("steps");  // "type:<z>", "calculate", "reset"
    QTest::addColumn<bool>("enabled");

    QTest::newRow("z = 3") << QStringList{"type:3"} << false;
    QTest::newRow("z = 3.5") << QStringList{"type:3.5"} << true;
    QTest::newRow("z = 4 before any calculation") << QStringList{"type:4"} << true;
    QTest::newRow("calculation with z = 3 writes a positive d")
        << QStringList{"type:3", "calculate"} << true;
    QTest::newRow("rejected tooth count")
        << QStringList{"type:20", "calculate", "type:2", "calculate"} << false;
    QTest::newRow("reset") << QStringList{"type:20", "calculate", "reset"} << false;
}

void ToleranceWindowTest::reportButtonFollowsZAndD() {
    QFETCH(QStringList, steps);
    QFETCH(bool, enabled);
    WindowDriver& w = *driver_;
    for (const QString& step : steps) {
        if (step.startsWith("type:")) {
            w.type("Text1", step.mid(5));
        } else if (step == "calculate") {
            w.calculate();
        } else {
            QTest::mousePress(w.control("cmd2"), Qt::LeftButton);
            QTest::mouseRelease(w.control("cmd2"), Qt::LeftButton);
        }
    }
    QCOMPARE(w.control<XPButton>("cmd3")->isEnabled(), enabled);
}

void ToleranceWindowTest::resetsOnAnyMouseButtonButNotOnEnter() {
    WindowDriver& w = *driver_;
    w.pick("Combo1", "2.00");
    w.type("Text1", "20");
    w.type("Text2", "10");
    w.type("Text3", "25");
    w.type("Text4", "0.1");
    w.type("Text16", "3.5");
    w.calculate();
    QVERIFY(w.messages.isEmpty());
    const QString k = QString::fromStdString(w.window->document().runState().k);
    const DeviationResult deviation = w.window->document().deviation();
    const QString d = w.text("Text5");
    QVERIFY(d != "0");

    // Enter on the focused button raises only Click, to which the reset does not listen.
    w.control("cmd2")->setFocus();
    QTest::keyClick(w.control("cmd2"), Qt::Key_Return);
    QCOMPARE(w.text("Text1"), "20");
    QCOMPARE(w.text("Text5"), d);

    // The right button resets at the press, before any release.
    QTest::mousePress(w.control("cmd2"), Qt::RightButton);
    for (const char* name : {"Text1", "Text2", "Text4"}) {
        QCOMPARE(w.text(name), "0");
    }
    QCOMPARE(w.text("Text3"), "30");
    for (const QString& name : kResultFields) {
        QCOMPARE(w.text(name.toUtf8().constData()), "0");
    }
    QCOMPARE(w.text("Combo1"), "2.00");
    QCOMPARE(w.text("Combo2"), "0.1");
    QCOMPARE(w.text("Text13"), "0.45");
    QCOMPARE(w.text("Text16"), "3.500");
    QCOMPARE(w.text("Text19"), "9");
    QCOMPARE(w.text("Text17"), "H");
    QCOMPARE(QString::fromStdString(w.window->document().runState().k), k);
    QCOMPARE(w.window->document().deviation(), deviation);
    QVERIFY(!w.control<XPButton>("cmd3")->isEnabled());
    QTest::mouseRelease(w.control("cmd2"), Qt::RightButton);
    QVERIFY(w.messages.isEmpty());
}

// A screen reader presses "清除数据" through its press action, which acts as a mouse click.
void ToleranceWindowTest::resetsOnTheAccessiblePressAction() {
    WindowDriver& w = *driver_;
    w.type("Text1", "20");
    w.calculate();
    QCOMPARE(w.text("Text5"), "25.000");
    QAccessibleInterface* reset = QAccessible::queryAccessibleInterface(w.control("cmd2"));
    QVERIFY(reset != nullptr && reset->actionInterface() != nullptr);
    QCOMPARE(reset->text(QAccessible::Name), "清除数据");
    reset->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(w.text("Text1"), "0");
    QCOMPARE(w.text("Text5"), "0");
    QVERIFY(w.messages.isEmpty());
}

void ToleranceWindowTest::proposesThePinDiameter() {
    WindowDriver& w = *driver_;
    w.click("Option2");
    QCOMPARE(w.text("Text16"), "1.800");  // 1.25 x 1.44, now formatted
    w.pick("Combo1", "10.00");
    QCOMPARE(w.text("Combo1"), "10.00");
    QCOMPARE(w.text("Text16"), "14.400");
    w.click("Option1");
    QCOMPARE(w.text("Text16"), "17.320");
    w.pick("Combo1", "2.00");
    QCOMPARE(w.text("Text16"), "3.464");

    // A typed module changes nothing until a kind is chosen; Enter in the list is no pick, even
    // when the typed text is one of the entries.
    w.type("Combo1", "10.00");
    QTest::keyClick(w.control<QComboBox>("Combo1"), Qt::Key_Return);
    QCOMPARE(w.text("Text16"), "3.464");
    // Nor is leaving the list with an entry's text typed into it.
    w.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
    w.control<QLineEdit>("Text1")->setFocus(Qt::TabFocusReason);
    QCOMPARE(w.text("Combo1"), "10.00");
    QCOMPARE(w.text("Text16"), "3.464");
    w.type("Combo1", "2.2");
    QTest::keyClick(w.control<QComboBox>("Combo1"), Qt::Key_Return);
    QCOMPARE(w.text("Text16"), "3.464");
    QCOMPARE(w.text("Combo1"), "2.2");
    w.click("Option2");
    QCOMPARE(w.text("Text16"), "3.168");
    w.click("Option1");
    QCOMPARE(w.text("Text16"), "3.810");
    QCOMPARE(w.control<QComboBox>("Combo1")->count(), 16);  // nothing typed joins the list
}

void ToleranceWindowTest::runsTheDeviationCalculationAfterEveryCalculate() {
    WindowDriver& w = *driver_;
    // The same lookup done directly on the tables, for comparison.
    std::optional<ToleranceDatabase> tables = openToleranceDatabase(databaseDirectory());
    QVERIFY(tables.has_value());
    const auto expected = [&](const std::string& column) {
        return piancha(w.window->document().form(), *tables, column);
    };

    w.type("Text1", "20");
    w.pick("Combo1", "2.00");
    w.calculate();
    const DeviationResult seriesH = w.window->document().deviation();
    QVERIFY(seriesH != DeviationResult{});
    QCOMPARE(seriesH, expected("h"));

    // Typing "f" switches the series column; the next run uses it.
    w.type("Text17", "f");
    QCOMPARE(w.window->document().seriesColumnName(), "f");
    w.calculate();
    QCOMPARE(w.window->document().deviation(), expected("f"));
    QVERIFY(w.window->document().deviation() != seriesH);
    // "H7" stroke by stroke: "h" at the H, kept at the 7.
    w.type("Text17", "H7");
    QCOMPARE(w.window->document().seriesColumnName(), "h");

    // A rejected tooth count still hands off: the lookup runs again on the zeroed diameters.
    w.calculate();
    QCOMPARE(w.window->document().deviation(), seriesH);
    w.type("Text1", "2");
    w.calculate();
    QCOMPARE(w.messages, QStringList{run_messages::kToothCountTooSmall});
    QCOMPARE(w.window->document().deviation(), expected("h"));
    QVERIFY(w.window->document().deviation() != seriesH);
}

void ToleranceWindowTest::writesTheReportThroughTheSaveDialog() {
    WindowDriver& w = *driver_;
    QTemporaryDir folder;
    QStringList offered;
    QString answer = folder.filePath("first.txt");
    w.window->setSaveFileChooser([&](const QString& initial) {
        offered << initial;
        return answer;
    });
    w.type("Text1", "20");
    w.pick("Combo1", "2.00");
    w.calculate();
    w.click("cmd3");
    QFile first(folder.filePath("first.txt"));
    QVERIFY(first.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = first.readAll().split('\n');
    QCOMPARE(lines.size(), 25);                    // 24 lines, each ended by CR LF
    QVERIFY(lines[21].endsWith("4  \xb3\xdd\r"));  // "k  = 4  齿" in GBK

    // A cancelled dialog writes nothing; the next dialog offers the name chosen last.
    answer.clear();
    w.click("cmd3");
    QCOMPARE(offered, QStringList({"reporter.txt", folder.filePath("first.txt")}));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"first.txt"});

    // A file that cannot be written is reported in the window's message box.
    answer = folder.filePath("missing/folder/report.txt");
    w.click("cmd3");
    QCOMPARE(w.messages.size(), 1);
    QVERIFY(w.messages[0].contains("report.txt"));
}

void ToleranceWindowTest::closeGlyphEndsAtOnceEvenWhileEditing() {
    WindowDriver& w = *driver_;
    w.control<QLineEdit>("Text1")->setFocus();
    QTest::keyClicks(w.control("Text1"), "12");
    QTest::mousePress(w.control("Label3"), Qt::RightButton);
    QVERIFY(!w.window->isVisible());
    QVERIFY(w.messages.isEmpty());
}

void ToleranceWindowTest::titleStripDragsGlyphMinimises() {
    WindowDriver& w = *driver_;
    QCOMPARE(QApplication::focusWidget(), w.control("Option1"));  // first in the focus order
    DIN5480& window = *w.window;
    const QPoint start = window.pos();
    QWidget* strip = w.control("top");
    QTest::mousePress(strip, Qt::LeftButton, {}, QPoint(100, 10));
    QTest::mouseMove(strip, QPoint(150, 40));
    QTest::mouseRelease(strip, Qt::LeftButton, {}, QPoint(150, 40));
    QCOMPARE(window.pos(), start + QPoint(50, 30));

    // The circles under the glyphs are decoration: they neither drag nor close.
    QWidget* circle = w.control("QUIT");
    QTest::mousePress(circle, Qt::LeftButton, {}, QPoint(1, 8));
    QTest::mouseMove(circle, QPoint(30, 30));
    QTest::mouseRelease(circle, Qt::LeftButton, {}, QPoint(30, 30));
    QCOMPARE(window.pos(), start + QPoint(50, 30));
    QVERIFY(window.isVisible());

    // "—" minimises on a click (press and release on it), not on the press alone.
    QTest::mousePress(w.control("Label22"), Qt::LeftButton);
    QVERIFY(!window.isMinimized());
    QTest::mouseRelease(w.control("Label22"), Qt::LeftButton);
    QVERIFY(window.isMinimized());
}

void ToleranceWindowTest::endsWithoutTheDatabase() {
    QTemporaryDir empty;
    WindowDriver w(WindowEdition::tolerance(), empty.path().toStdString());
    QVERIFY(!w.started);
    QCOMPARE(w.messages, QStringList{kDatabaseMessage});
    QVERIFY(!w.window->isVisible());

    // A file of that name that is no tolerance database is treated alike.
    QFile broken(empty.filePath("db1.mdb"));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("not a database");
    broken.close();
    WindowDriver again(WindowEdition::tolerance(), empty.path().toStdString());
    QVERIFY(!again.started);
    QCOMPARE(again.messages, QStringList{kDatabaseMessage});
}

}  // namespace quillon::ui::test
