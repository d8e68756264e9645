// The profile page of the details window, driven as a user would: the example hub whose pin cuts
// into the root, its warnings on both pages, the exact limits of M and the exported drawings.
#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsView>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>
#include <sstream>

#include "profile_page.h"
#include "quillon/cli/command_line.h"
#include "tests.h"
#include "window_driver.h"

namespace quillon::ui::test {
namespace {

QWidget* openProfilePage(WindowDriver& w) {
    chooseFromMenu(w, "齿形图…");
    return w.window->findChild<QWidget*>("splineDetails");
}

QString fieldText(QWidget* details, const char* name) {
    return details->findChild<QLineEdit*>(QString::fromUtf8(name))->text();
}

QString labelText(QWidget* details, const char* name) {
    return details->findChild<QLabel*>(QString::fromUtf8(name))->text();
}

}  // namespace

ProfilePageTest::ProfilePageTest() = default;
ProfilePageTest::~ProfilePageTest() = default;

void ProfilePageTest::cleanup() {
    driver_.reset();
}

void ProfilePageTest::warnsAndExportsTheHubOfTheExample() {
    driver_ = std::make_unique<WindowDriver>(WindowEdition::tolerance());
    WindowDriver& w = *driver_;
    w.click("Option2");
    w.type("Text1", "20");
    w.type("Text16", "1.8");
    w.calculate();
    QWidget* details = openProfilePage(w);
    auto* tabs = details->findChild<QTabWidget*>("detailTabs");
    QCOMPARE(tabs->currentWidget()->objectName(), "profilePage");
    QTRY_VERIFY(labelText(details, "profileWarnings").contains("嵌入内花键齿根 0.11 mm"));
    // A screen reader reads the message itself, not a fixed name over it.
    QCOMPARE(accessible(details->findChild<QLabel*>("profileWarnings"))->text(QAccessible::Name),
             labelText(details, "profileWarnings"));
    QCOMPARE(fieldText(details, "profileMidFlankPin"), "2.156");
    for (const auto& [name, caption] : {std::pair{"fitView", "适合窗口"},
                                        {"exportDxf", "导出 DXF…"},
                                        {"exportSvg", "导出 SVG…"}}) {
        auto* button = details->findChild<QWidget*>(name);
        QCOMPARE(button->accessibleName(), caption);
        QCOMPARE(button->accessibleDescription(), name);
    }
    // The inspection page says the same and shows the exact limits beside the report's.
    QTRY_VERIFY(labelText(details, "inspWarnings").contains("0.11 mm"));
    const QString exact = fieldText(details, "inspMLimitsExact");
    QVERIFY(exact.contains(" — ") && exact != fieldText(details, "inspMLimits"));

    // Exports, then a failing one: a folder cannot be replaced; the message says which file.
    auto* page = dynamic_cast<ProfilePage*>(tabs->currentWidget());
    QTemporaryDir folder;
    QString target = folder.filePath("齿形.svg");
    page->setSaveFileChooser([&target](const QString&, const QString&) { return target; });
    QTest::mouseClick(details->findChild<QWidget*>("exportSvg"), Qt::LeftButton);
    QFile svg(target);
    QVERIFY(svg.open(QIODevice::ReadOnly));
    const QByteArray svgText = svg.readAll();
    QVERIFY(svgText.contains("<title>DIN 5480 内花键 齿形：z = 20"));
    QVERIFY(svgText.contains("quillon"));
    // The command line writes the same drawings, byte for byte, the DXF with its data table.
    const QString programName = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName("quillon");
    target = folder.filePath("齿形.dxf");
    QTest::mouseClick(details->findChild<QWidget*>("exportDxf"), Qt::LeftButton);
    target = folder.filePath("齿形.svg");
    QTest::mouseClick(details->findChild<QWidget*>("exportSvg"), Qt::LeftButton);
    QCoreApplication::setApplicationName(programName);
    const std::vector<std::string> arguments = {"--kind", "hub",
                                                "--z",    "20",
                                                "--dp",   "1.8",
                                                "--dxf",  folder.filePath("cli.dxf").toStdString(),
                                                "--svg",  folder.filePath("cli.svg").toStdString()};
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    QCOMPARE(cli::runCommandLine(arguments, databaseDirectory(), in, out, err), 0);
    for (const char* kind : {"dxf", "svg"}) {
        QFile page(folder.filePath(QStringLiteral("齿形.%1").arg(kind)));
        QFile cli(folder.filePath(QStringLiteral("cli.%1").arg(kind)));
        QVERIFY(page.open(QIODevice::ReadOnly) && cli.open(QIODevice::ReadOnly));
        QCOMPARE(cli.readAll(), page.readAll());
    }
    target = folder.path();
    QTest::mouseClick(details->findChild<QWidget*>("exportDxf"), Qt::LeftButton);
    QCOMPARE(w.messages.size(), 1);
    QVERIFY(w.messages.front().startsWith("齿形文件"));
}

void ProfilePageTest::drawsAHelicalSplineWithoutMeasurements() {
    driver_ = std::make_unique<WindowDriver>(WindowEdition::tolerance());
    WindowDriver& w = *driver_;
    w.type("Text1", "20");
    w.type("Text2", "15");
    w.calculate();
    QWidget* details = openProfilePage(w);
    QTRY_COMPARE(labelText(details, "profileWarnings"), "");
    QCOMPARE(fieldText(details, "inspMLimitsExact"), "—");
    QCOMPARE(fieldText(details, "profileMidFlankPin"), "—");
    const QGraphicsScene* scene = details->findChild<QGraphicsView*>("profileView")->scene();
    bool saysTransverse = false;
    for (const QGraphicsItem* item : scene->items()) {
        if (const auto* text = dynamic_cast<const QGraphicsSimpleTextItem*>(item)) {
            saysTransverse = saysTransverse || text->text().startsWith("端面齿形");
        }
    }
    QVERIFY(saysTransverse);
}

void ProfilePageTest::zoomsAboutThePointerAndFitsAgain() {
    driver_ = std::make_unique<WindowDriver>(WindowEdition::lite());
    WindowDriver& w = *driver_;
    w.type("Text1", "20");
    w.calculate();
    QWidget* details = openProfilePage(w);
    auto* view = details->findChild<QGraphicsView*>("profileView");
    QVERIFY(QTest::qWaitForWindowExposed(details));
    const QTransform fitted = view->transform();
    const QPoint pointer = view->viewport()->rect().center() + QPoint(60, -40);
    const QPointF under = view->mapToScene(pointer);
    QWheelEvent notch(pointer, view->viewport()->mapToGlobal(pointer), QPoint(), QPoint(0, 240),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view->viewport(), &notch);
    QCOMPARE(view->transform().m11(), fitted.m11() * 1.44);
    const QPointF after = view->mapToScene(pointer);
    QVERIFY(QLineF(under, after).length() < 2 / view->transform().m11());
    // A new calculation keeps the user's zoom; "适合窗口" fits again.
    w.type("Text1", "21");
    w.calculate();
    QTRY_COMPARE(view->transform().m11(), fitted.m11() * 1.44);
    QTest::mouseClick(details->findChild<QWidget*>("fitView"), Qt::LeftButton);
    QVERIFY(view->transform().m11() < fitted.m11() * 1.1);
}

}  // namespace quillon::ui::test
