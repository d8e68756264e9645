#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "connection_page.h"
#include "details_rows.h"
#include "drawing_data_page.h"
#include "quillon/document/connection.h"
#include "quillon/document/connection_report.h"
#include "quillon/document/drawing_data.h"
#include "quillon/engine/field_text.h"

#include "quillon/version.h"
#include "tests.h"
#include "window_driver.h"

namespace quillon::ui::test {
namespace {

QString textOf(QWidget* details, const char* name) {
    auto* field = details->findChild<QLineEdit*>(QString::fromUtf8(name));
    return field != nullptr ? field->text() : QStringLiteral("<missing %1>").arg(name);
}

}  // namespace

DetailsWindowTest::DetailsWindowTest() = default;
DetailsWindowTest::~DetailsWindowTest() = default;

void DetailsWindowTest::cleanup() {
    driver_.reset();
}

void DetailsWindowTest::appliesADesignationThroughTheAccessibilityInterface() {
    driver_ = std::make_unique<WindowDriver>(WindowEdition::tolerance());
    WindowDriver& w = *driver_;
    // Nothing of the menu or the details window exists before it is asked for.
    QVERIFY(w.window->findChild<QMenu*>() == nullptr);
    QAccessibleInterface* icon = accessible(w.control("Image2"));
    QCOMPARE(icon->role(), QAccessible::Button);
    QCOMPARE(icon->text(QAccessible::Name), "菜单");

    chooseFromMenu(w, "检测尺寸…");
    auto* details = w.window->findChild<QWidget*>("splineDetails");
    QVERIFY(details != nullptr && details->isVisible());
    QCOMPARE(details->windowTitle(), "花键详情");
    auto* tabs = details->findChild<QTabWidget*>("detailTabs");
    QCOMPARE(tabs->currentWidget()->objectName(), "inspectionPage");
    QCOMPARE(textOf(details, "inspW"), "—");
    QCOMPARE(textOf(details, "inspRow"), "—");

    chooseFromMenu(w, "花键标记…");
    QCOMPARE(tabs->currentWidget()->objectName(), "designationPage");
    QCOMPARE(textOf(details, "designationText"), "—");  // z = 0 at start
    QAccessibleInterface* input = accessible(details->findChild<QLineEdit*>("designationInput"));
    QCOMPARE(input->text(QAccessible::Name), "输入标记");
    input->editableTextInterface()->insertText(0, "DIN 5480 - W 120 x 3 x 30 x 38 x 8f");
    press(accessible(details->findChild<QWidget*>("applyDesignation")));

    QTRY_COMPARE(w.text("Text1"), "38");
    QCOMPARE(w.text("Combo1"), "3");
    QCOMPARE(w.text("Text2"), "0");
    QCOMPARE(w.text("Text4"), "0.45000");
    QCOMPARE(w.text("Text16"), "5.196");
    QCOMPARE(w.text("Text19"), "8");
    QCOMPARE(w.text("Text17"), "f");
    QVERIFY(w.messages.isEmpty());
    QCOMPARE(details->findChild<QLabel*>("designationStatus")->text(),
             "已应用：DIN 5480 - W 120 x 3 x 30 x 38 x 8f");
    QTRY_COMPARE(textOf(details, "designationText"), "DIN 5480 - W 120 x 3 x 30 x 38 x 8f");

    // The inspection page shows what the fields and the report show.
    const std::vector<std::string> report = w.window->document().reportLines();
    const auto reported = [&report](int line) {
        return QString::fromStdString(report.at(line - 1)).section(QStringLiteral(" = "), 1);
    };
    QCOMPARE(textOf(details, "inspK"), QString::fromStdString(w.window->document().runState().k));
    QCOMPARE(textOf(details, "inspW"), w.text("Text14"));
    QCOMPARE(textOf(details, "inspM"), w.text("Text15"));
    QCOMPARE(textOf(details, "inspDp"), "5.196");
    QCOMPARE(textOf(details, "inspTolerance"), "8f");
    QCOMPARE(textOf(details, "inspWLimits"), reported(23));
    QCOMPARE(textOf(details, "inspMLimits"), reported(24));
    QVERIFY(textOf(details, "inspRow") != "—");
}

void DetailsWindowTest::appliesDesignationsInBothEditions_data() {
    QTest::addColumn<bool>("lite");
    QTest::addColumn<QString>("designation");
    QTest::addColumn<QStringList>("fields");  // Text1, Combo1, Text4, Text16, Option2 checked
    QTest::addColumn<QString>("status");
    QTest::newRow("hub, tolerance")
        << false << "n 120 * 3 * 38 9h" << QStringList{"38", "3", "-0.45000", "4.320", "true"}
        << "已应用：DIN 5480 - N 120 x 3 x 30 x 38 x 9H";
    QTest::newRow("lite ignores the tolerance")
        << true << "W 10 x 0,8 x 11 x 7h" << QStringList{"11", "0.8", "0.2", "1.3856", "false"}
        << "已应用：DIN 5480 - W 10 x 0.8 x 30 x 11（简化版不计公差，未采用 7h）";
    QTest::newRow("no designation")
        << false << "W 120" << QStringList{"0", "1.25", "0", "2.165", "false"}
        << "无法识别的标记：W 120";
    QTest::newRow("the one size of dB and m")
        << false << "W 26.375 x 1.25" << QStringList{"20", "1.25", "0.00000", "2.165", "false"}
        << "已应用：DIN 5480 - W 26.375 x 1.25 x 30 x 20（标记未给齿数，按 DIN 5480 尺寸取 z = "
           "20）";
    QTest::newRow("no size of dB and m")
        << true << "W 1 x 3" << QStringList{"0", "1.25", "0", "2.165", "false"}
        << "无法识别的标记：W 1 x 3（没有齿数 z 能使这一尺寸成为 DIN 5480 标准尺寸（变位系数 x 在 "
           "-0.05 至 +0.45 之间），请给出齿数）";
    QTest::newRow("series not in the tables")
        << false << "W 120 x 3 x 38 x 8j" << QStringList{"0", "1.25", "0", "2.165", "false"}
        << "无法识别的标记：8j（公差表中没有基本偏差 j）";
}

void DetailsWindowTest::appliesDesignationsInBothEditions() {
    QFETCH(bool, lite);
    QFETCH(QString, designation);
    QFETCH(QStringList, fields);
    QFETCH(QString, status);
    driver_ =
        std::make_unique<WindowDriver>(lite ? WindowEdition::lite() : WindowEdition::tolerance());
    WindowDriver& w = *driver_;
    chooseFromMenu(w, "花键标记…");
    auto* details = w.window->findChild<QWidget*>("splineDetails");
    auto* input = details->findChild<QLineEdit*>("designationInput");
    input->setText(designation);
    QTest::keyClick(input, Qt::Key_Return);
    QCOMPARE(details->findChild<QLabel*>("designationStatus")->text(), status);
    const QString kindHub = w.control<QRadioButton>("Option2")->isChecked() ? "true" : "false";
    QCOMPARE((QStringList{w.text("Text1"), w.text("Combo1"), w.text("Text4"), w.text("Text16"),
                          kindHub}),
             fields);
    QCOMPARE(details->findChild<QWidget*>("inspTolerance") == nullptr, lite);
}

void DetailsWindowTest::offersBothSizesWhenTheDesignationGivesNoTeeth() {
    driver_ = std::make_unique<WindowDriver>(WindowEdition::tolerance());
    WindowDriver& w = *driver_;
    chooseFromMenu(w, "花键标记…");
    auto* details = w.window->findChild<QWidget*>("splineDetails");
    auto* list = details->findChild<QListWidget*>("designationCandidates");
    QVERIFY(!list->isVisibleTo(details));
    auto* input = details->findChild<QLineEdit*>("designationInput");
    input->setText("W 120 x 3");
    QTest::keyClick(input, Qt::Key_Return);
    QVERIFY(list->isVisibleTo(details));
    QCOMPARE(accessible(list)->text(QAccessible::Name), "候选尺寸");
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->item(0)->text(), "z = 38，x = +0.45");
    QCOMPARE(list->item(1)->text(), "z = 39，x = -0.05");
    QVERIFY(details->findChild<QLabel*>("designationStatus")->text().contains("只列出其中之一"));
    QCOMPARE(w.text("Text1"), "0");  // nothing applied before the pick

    list->setCurrentRow(1);
    press(accessible(details->findChild<QWidget*>("applyCandidate")));
    QTRY_COMPARE(w.text("Text1"), "39");
    QCOMPARE(w.text("Text4"), "-0.05000");
    QCOMPARE(details->findChild<QLabel*>("designationStatus")->text(),
             "已应用：DIN 5480 - W 120 x 3 x 30 x 39（所选候选尺寸 z = 39）");
    auto* notes = details->findChild<QLabel*>("designationNotes");
    QTRY_COMPARE(textOf(details, "designationText"), "DIN 5480 - W 120 x 3 x 30 x 39 x 9h");
    QVERIFY(!notes->isVisibleTo(details));  // a standard size

    // The current spline off the standard sizes: the notes say how, in words.
    w.type("Text1", "20");
    w.type("Text4", "0.6");
    QTRY_VERIFY(notes->isVisibleTo(details));
    QCOMPARE(notes->text(),
             "变位系数 x = 0.6 不在 -0.05 至 +0.45 之间，不是 DIN 5480 的标准尺寸\n"
             "基准直径 dB = 66.9 mm 不是整毫米数，DIN 5480 的标准尺寸都是整毫米数");
    QVERIFY(notes->accessibleName().isEmpty());
}

void DetailsWindowTest::showsTheDrawingDataLiveAndCopiesIt() {
    driver_ = std::make_unique<WindowDriver>(WindowEdition::tolerance());
    WindowDriver& w = *driver_;
    chooseFromMenu(w, "参数表…");
    auto* details = w.window->findChild<QWidget*>("splineDetails");
    QCOMPARE(details->findChild<QTabWidget*>("detailTabs")->currentWidget()->objectName(),
             "drawingDataPage");
    auto* table = details->findChild<QTableWidget*>("drawingDataTable");
    QCOMPARE(table->editTriggers(), QAbstractItemView::NoEditTriggers);
    QCOMPARE(table->item(1, 2)->text(), "—");  // before a calculation

    w.type("Text1", "20");
    w.calculate();
    const geometry::DrawingTable expected = document::drawingData(w.window->document());
    QTRY_COMPARE(table->item(1, 2)->text(), "20");
    QCOMPARE(table->rowCount(), static_cast<int>(expected.rows.size()));
    // What a screen reader reads of each cell is the table's text.
    QAccessibleTableInterface* cells = accessible(table)->tableInterface();
    QCOMPARE(accessible(table)->text(QAccessible::Name), "参数表");
    for (int row = 0; row < table->rowCount(); ++row) {
        for (int column = 0; column < 3; ++column) {
            QCOMPARE(cells->cellAt(row, column)->text(QAccessible::Name),
                     QString::fromStdString(expected.rows[static_cast<std::size_t>(row)][column]));
        }
    }
    press(accessible(details->findChild<QWidget*>("copyDrawingData")));
    QTRY_COMPARE(QGuiApplication::clipboard()->text(),
                 QString::fromStdString(document::drawingDataTsv(expected)));

    // The export writes the document's CSV; a folder cannot be replaced, and the box says so.
    auto* page = dynamic_cast<DrawingDataPage*>(table->parentWidget());
    QTemporaryDir folder;
    QString target = folder.filePath("参数表.csv");
    page->setSaveFileChooser([&target](const QString&, const QString&) { return target; });
    QTest::mouseClick(details->findChild<QWidget*>("exportDrawingDataCsv"), Qt::LeftButton);
    QFile csv(target);
    QVERIFY(csv.open(QIODevice::ReadOnly));
    QCOMPARE(csv.readAll().toStdString(), document::drawingDataCsv(expected));
    target = folder.path();
    QTest::mouseClick(details->findChild<QWidget*>("exportDrawingDataCsv"), Qt::LeftButton);
    QCOMPARE(w.messages.size(), 1);
    QVERIFY(w.messages.front().startsWith("参数表文件"));
}

void DetailsWindowTest::followsTheMainWindowLive() {
    driver_ = std::make_unique<WindowDriver>(WindowEdition::tolerance());
    WindowDriver& w = *driver_;
    chooseFromMenu(w, "花键标记…");
    auto* details = w.window->findChild<QWidget*>("splineDetails");
    w.type("Text1", "20");
    QTRY_COMPARE(textOf(details, "designationText"), "DIN 5480 - W 26.375 x 1.25 x 30 x 20 x 9h");
    w.type("Text2", "15");
    QTRY_COMPARE(textOf(details, "designationText"), "—");
    QVERIFY(details->findChild<QLabel*>("designationReason")->text().contains("β"));
    w.type("Text2", "0");
    w.calculate();
    QTRY_COMPARE(textOf(details, "inspW"), w.text("Text14"));
    QCOMPARE(textOf(details, "inspWLimits"), "13.047 — 13.012");
    QCOMPARE(textOf(details, "inspMLimits"), "28.015 — 27.954");
    QCOMPARE(textOf(details, "inspTolerance"), "9H");
}

void DetailsWindowTest::copiesTheReportHeadedByTheDesignation_data() {
    QTest::addColumn<bool>("lite");
    QTest::addColumn<int>("lines");
    QTest::newRow("tolerance") << false << 1 + 24;
    QTest::newRow("lite") << true << 1 + 22;
}

void DetailsWindowTest::copiesTheReportHeadedByTheDesignation() {
    QFETCH(bool, lite);
    QFETCH(int, lines);
    driver_ =
        std::make_unique<WindowDriver>(lite ? WindowEdition::lite() : WindowEdition::tolerance());
    WindowDriver& w = *driver_;
    w.type("Text1", "20");
    w.calculate();
    // A right click that reaches the window over a control opens nothing; on a free area it opens
    // the window menu.
    const QPoint onButton = w.control("cmd1")->geometry().center();
    QContextMenuEvent overControl(QContextMenuEvent::Mouse, onButton,
                                  w.window->mapToGlobal(onButton));
    QApplication::sendEvent(w.window.get(), &overControl);
    QVERIFY(w.window->findChild<QMenu*>("windowMenu") == nullptr);
    QContextMenuEvent onBackground(QContextMenuEvent::Mouse, QPoint(460, 270),
                                   w.window->mapToGlobal(QPoint(460, 270)));
    QApplication::sendEvent(w.window.get(), &onBackground);
    QTRY_VERIFY(shownMenu() != nullptr);
    const auto entries = shownMenu()->actions();
    QStringList names;
    for (const QAction* entry : entries) {
        names << (entry->isSeparator() ? QStringLiteral("-") : entry->text());
    }
    QStringList expected = {"齿形图…", "检测尺寸…", "花键标记…", "参数表…", "强度校核…"};
    if (!lite) {
        // Fits and the second standard need the tolerance tables.
        expected << "配合…"
                 << "-"
                 << "GB/T 3478.1 花键…";
    }
    expected << "-"
             << "复制结果"
             << "-"
             << "关于 quillon…";
    QCOMPARE(names, expected);
    entries.at(names.indexOf("复制结果"))->trigger();

    const QString copied = QGuiApplication::clipboard()->text();
    const std::vector<std::string> report = w.window->document().reportLines();
    QCOMPARE(copied.count('\n'), lines);
    QVERIFY(!copied.contains('\r'));
    QVERIFY(copied.startsWith(lite ? "DIN 5480 - W 26.375 x 1.25 x 30 x 20\n"
                                   : "DIN 5480 - W 26.375 x 1.25 x 30 x 20 x 9h\n"));
    QVERIFY(copied.endsWith(QString::fromStdString(report.back()) + "\n"));

    w.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
    QTest::keyClick(w.window.get(), Qt::Key_Space, Qt::AltModifier);
    QTRY_VERIFY(shownMenu() != nullptr);
    shownMenu()->actions().last()->trigger();  // "关于 quillon…"
    auto* about = w.window->findChild<QMessageBox*>("aboutBox");
    QTRY_VERIFY(about != nullptr && about->isVisible());
    QVERIFY(about->text().contains(QStringLiteral("版本 ") + QString::fromUtf8(kVersion)));
    QVERIFY(about->text().contains("GPL-3.0-or-later"));
    about->close();
}

void DetailsWindowTest::checksTheStrengthOfTheExample() {
    driver_ = std::make_unique<WindowDriver>(WindowEdition::tolerance());
    WindowDriver& w = *driver_;
    chooseFromMenu(w, "花键标记…");
    auto* details = w.window->findChild<QWidget*>("splineDetails");
    auto* designation = details->findChild<QLineEdit*>("designationInput");
    designation->setText("DIN 5480 - W 50 x 2 x 30 x 24");
    QTest::keyClick(designation, Qt::Key_Return);
    chooseFromMenu(w, "强度校核…");
    QCOMPARE(details->findChild<QTabWidget*>("detailTabs")->currentWidget()->objectName(),
             "strengthPage");
    const auto field = [details](const char* name) {
        return details->findChild<QLineEdit*>(QString::fromUtf8(name));
    };
    const auto typeInto = [&field](const char* name, const QString& text) {
        QLineEdit* edit = field(name);
        edit->selectAll();
        if (text.isEmpty()) {
            QTest::keyClick(edit, Qt::Key_Delete);
        } else {
            QTest::keyClicks(edit, text);
        }
    };
    auto* message = details->findChild<QLabel*>("strengthMessage");
    auto* verdict = details->findChild<QLabel*>("strengthVerdict");
    QVERIFY(message->text().contains("转矩 T"));  // a hint, no result before a load is given
    QCOMPARE(verdict->text(), "—");
    QCOMPARE(field("strengthAllowed")->placeholderText(), "60（表值 60–100）");

    typeInto("strengthTorque", "500");
    typeInto("strengthLength", "40");
    typeInto("strengthAllowed", "100");
    // dm = (49.6 + 46)/2, h' = (49.6 − 46)/2, Ft = 2000·500/47.8, p = Ft/(24·1.8·40·0.75),
    // τ = 16000·500/(π·df1³) with the shaft's root df1 = 45.6. S = 100/16.142 = 6.195 reads 6.19:
    // from the unrounded p, not 100/16.1.
    const QList<std::pair<const char*, QString>> results = {
        {"strengthDm", "47.800"},      {"strengthHeight", "1.800"}, {"strengthForce", "20921"},
        {"strengthPressure", "16.1"},  {"strengthSafety", "6.19"},  {"strengthTorqueMax", "3097.4"},
        {"strengthLengthMin", "6.46"}, {"strengthTau", "26.9"},
    };
    for (const auto& [name, value] : results) {
        QCOMPARE(field(name)->text(), value);
    }
    QVERIFY(message->isHidden());
    QCOMPARE(verdict->text(), "通过");
    QCOMPARE(accessible(verdict)->text(QAccessible::Name), "通过");
    QCOMPARE(accessible(field("strengthSafety"))->text(QAccessible::Name), "挤压安全系数 S");

    chooseFromMenu(w, "复制结果");
    const QString copied = QGuiApplication::clipboard()->text();
    QVERIFY(copied.startsWith("DIN 5480 - W 50 x 2 x 30 x 24"));
    QVERIFY(copied.contains("\n齿面平均挤压应力 p = 16.1 MPa\n"));
    QVERIFY(copied.contains("\n挤压安全系数 S = 6.19\n"));
    QVERIFY(copied.endsWith("\n结论：通过\n"));

    // A bad input is named beside its field (in the field's own cell, right under it), and no
    // result is shown while it stands.
    struct BadInput {
        const char* field;
        QString text;
        const char* messageLabel;
        QString message;
    };
    const QList<BadInput> badInputs = {
        {"strengthLength", "abc", "strengthLengthMessage", "接合长度 l：“abc”不是有效的数值。"},
        {"strengthLength", "", "strengthLengthMessage", "请输入接合长度 l。"},
        {"strengthLoadShare", "0.3", "strengthLoadShareMessage",
         "承载齿比例 φ 必须在 0.5 到 1 之间。"},
        {"strengthChamferHub", "1.8", "strengthChamferHubMessage", "倒角过大"},
        {"strengthTorque", "1e306", "strengthMessage", "输入的数值过大或过小"},
    };
    for (const BadInput& bad : badInputs) {
        const QString before = field(bad.field)->text();
        typeInto(bad.field, bad.text);
        auto* shown = details->findChild<QLabel*>(bad.messageLabel);
        QVERIFY2(shown->isVisible() && shown->text().startsWith(bad.message),
                 qPrintable(bad.field + (": " + shown->text())));
        if (shown != message) {
            const QRect input = field(bad.field)->geometry();
            QVERIFY(shown->geometry().top() >= input.bottom() &&
                    shown->geometry().top() - input.bottom() < input.height() &&
                    shown->geometry().left() == input.left());
        }
        for (const auto& [name, value] : results) {
            QCOMPARE(field(name)->text(), "—");
        }
        QCOMPARE(verdict->text(), "—");
        chooseFromMenu(w, "复制结果");
        QVERIFY(!QGuiApplication::clipboard()->text().contains("结论"));
        typeInto(bad.field, before);
        QCOMPARE(verdict->text(), "通过");
        QVERIFY(shown == message || shown->isHidden());
    }
}

}  // namespace quillon::ui::test

namespace quillon::ui::test {

// W 50 x 2 x 24 with 9H/8f, worked by hand in the connection's own tests: hub 9H (A 0, T 71,
// TE 45), shaft 8f (A −22, T 50, TE 32).
void DetailsWindowTest::showsTheConnectionOfTheWorkedFit() {
    driver_ = std::make_unique<WindowDriver>(WindowEdition::tolerance());
    WindowDriver& w = *driver_;
    chooseFromMenu(w, "花键标记…");
    auto* details = w.window->findChild<QWidget*>("splineDetails");
    auto* designation = details->findChild<QLineEdit*>("designationInput");
    designation->setText("DIN 5480 - W 50 x 2 x 30 x 24 x 8f");
    QTest::keyClick(designation, Qt::Key_Return);
    chooseFromMenu(w, "配合…");
    QCOMPARE(details->findChild<QTabWidget*>("detailTabs")->currentWidget()->objectName(),
             "connectionPage");
    auto* fit = details->findChild<QLineEdit*>("connectionFit");
    QCOMPARE(fit->text(), "8H/8f");  // the window's class and H of its grade
    fit->selectAll();
    QTest::keyClicks(fit, "9H/8f");
    auto* table = details->findChild<QTableWidget*>("connectionTable");
    const auto value = [table](const QString& symbol) {
        for (int row = 0; row < table->rowCount(); ++row) {
            if (table->item(row, 1)->text() == symbol) {
                return table->item(row, 2)->text();
            }
        }
        return QStringLiteral("<no %1>").arg(symbol);
    };
    const QList<std::pair<QString, QString>> cells = {
        {"ev max", "3.0711 mm（+45 µm）"}, {"e max", "3.0971 mm（+71 µm）"},
        {"sv max", "3.0041 mm（−22 µm）"}, {"s min", "2.9541 mm（−72 µm）"},
        {"jv min", "0.022 mm（3.15′）"},   {"jv max", "0.099 mm（14.18′）"},
        {"j min", "0.066 mm（9.45′）"},    {"j max", "0.143 mm（20.48′）"},
    };
    for (const auto& [symbol, expected] : cells) {
        QCOMPARE(value(symbol), expected);
    }
    auto* status = details->findChild<QLabel*>("connectionStatus");
    QVERIFY(status->isHidden());
    QVERIFY(accessible(details->findChild<QWidget*>("connectionZones"))
                ->text(QAccessible::Description)
                .contains("内花键 9H 实际齿槽宽 e 公差带（色块）：+26 至 +71 µm"));
    press(accessible(details->findChild<QWidget*>("copyConnection")));
    QTRY_VERIFY(QGuiApplication::clipboard()->text().startsWith(
        "名称\t代号\t数值\n配合标记\t\tDIN 5480 - 50 x 2 x 30 x 24 x 9H/8f\n"));

    // The export writes the diagram's SVG through the save dialog.
    QTemporaryDir folder;
    const QString target = folder.filePath("公差带图.svg");
    auto* page = dynamic_cast<ConnectionPage*>(table->parentWidget());
    page->setSaveFileChooser([&target](const QString&, const QString&) { return target; });
    QTest::mouseClick(details->findChild<QWidget*>("exportConnectionSvg"), Qt::LeftButton);
    QFile svg(target);
    QVERIFY(svg.open(QIODevice::ReadOnly));
    QVERIFY(svg.readAll().contains("zone-hub-effective"));

    // A measured value equal to a printed limit is within; beyond it, not; the text says which.
    const document::Connection connection =
        *document::connection(w.window->document(), "9H/8f").connection;
    const report::LimitTexts wLimits = *connection.shaft.inspection.wLimits;
    const report::LimitTexts mLimits = *connection.shaft.inspection.mLimitsExact;
    auto* result = details->findChild<QLabel*>("measurementResult");
    QVERIFY(result->accessibleName().isEmpty());
    const struct {
        const char* field;
        std::string value;
        const char* verdict;
    } measured[] = {
        {"measuredW", wLimits.nearLimit, "之内：合格"},
        {"measuredM", mLimits.farLimit, "之内：合格"},
        {"measuredM", std::to_string(engine::readNumber(mLimits.nearLimit) + 0.01), "：不合格"},
        {"measuredM", "abc", "“abc”不是有效的数值"},
    };
    for (const auto& m : measured) {
        details->findChild<QLineEdit*>("measuredW")->clear();
        details->findChild<QLineEdit*>("measuredM")->setText(QString());
        details->findChild<QLineEdit*>(m.field)->setText(QString::fromStdString(m.value));
        QVERIFY2(result->text().endsWith(m.verdict), qPrintable(result->text()));
        QCOMPARE(result->styleSheet(),
                 QString(m.verdict) == "之内：合格" ? passStyle() : failStyle());
    }

    // A k shaft can jam: a warning, with the table still shown; a fit of one class is refused.
    fit->selectAll();
    QTest::keyClicks(fit, "9H/9k");
    QVERIFY(status->text().startsWith("可能过盈"));
    QVERIFY(table->rowCount() > 0);
    fit->selectAll();
    QTest::keyClicks(fit, "9H");
    QVERIFY(status->text().startsWith("配合只有一个公差带"));
    QCOMPARE(table->rowCount(), 0);
    QVERIFY(w.messages.isEmpty());
}

// The print holds the report with its connection section and, under it, the zone diagram with
// its boundary labels; a cancelled dialog prints nothing, a printer that cannot start says so.
void DetailsWindowTest::printsTheConnectionWithItsZoneDiagram() {
    driver_ = std::make_unique<WindowDriver>(WindowEdition::tolerance());
    WindowDriver& w = *driver_;
    chooseFromMenu(w, "花键标记…");
    auto* details = w.window->findChild<QWidget*>("splineDetails");
    auto* designation = details->findChild<QLineEdit*>("designationInput");
    designation->setText("DIN 5480 - W 50 x 2 x 30 x 24 x 8f");
    QTest::keyClick(designation, Qt::Key_Return);
    chooseFromMenu(w, "配合…");
    auto* fit = details->findChild<QLineEdit*>("connectionFit");
    fit->selectAll();
    QTest::keyClicks(fit, "9H/8f");

    QTemporaryDir folder;
    QString pdf = folder.filePath("配合.pdf");
    bool accept = false;
    auto* page = details->findChild<ConnectionPage*>("connectionPage");
    page->setPrintDialog([&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return accept;
    });
    auto* print = details->findChild<QWidget*>("printConnection");
    QTest::mouseClick(print, Qt::LeftButton);
    QVERIFY(!QFile::exists(pdf));

    accept = true;
    QTest::mouseClick(print, Qt::LeftButton);
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", pdf, "-"});
    if (!pdftotext.waitForFinished(20000)) {
        QSKIP("pdftotext is not available");
    }
    QString printed = QString::fromUtf8(pdftotext.readAllStandardOutput());
    printed.remove(QRegularExpression("\\s"));
    const document::Connection connection =
        *document::connection(w.window->document(), "9H/8f").connection;
    for (const std::string& line : document::connectionReportLines(connection)) {
        const QString expected = QString::fromStdString(line).remove(QRegularExpression("\\s"));
        QVERIFY2(printed.contains(expected), qPrintable(expected));
    }
    for (const char* label : {"+45", "+71", "−22", "−72", "作用公差带"}) {
        QVERIFY2(printed.contains(QString::fromUtf8(label)), label);
    }
    QVERIFY(w.messages.isEmpty());

    pdf = "/nonexistent-folder/配合.pdf";
    QTest::mouseClick(print, Qt::LeftButton);
    QCOMPARE(w.messages, QStringList{"无法打印：打印机未能开始打印"});
}

}  // namespace quillon::ui::test
