// Both windows, with their details windows, under a long random sequence of user actions. The
// sequence follows a seed: the CI run uses a fixed one; QUILLON_ROBUSTNESS_SEED=random (or a
// number) and QUILLON_ROBUSTNESS_ACTIONS=<count per window> make a longer or different run, and
// every run prints the seed that replays it (20,000 per window take about 25 minutes, most of it
// painting the details window). QUILLON_ROBUSTNESS_TRACE=1 prints each action as it happens.

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <filesystem>
#include <memory>

#include "quillon/ui/application_setup.h"
#include "quillon/ui/din5480.h"
#include "random_user.h"

using namespace quillon::engine;

namespace quillon::ui::test {
namespace {

constexpr std::uint64_t kCiSeed = 5480;
constexpr int kCiActionsPerWindow = 2000;

std::filesystem::path databaseDirectory() {
    return std::filesystem::path(QUILLON_TEST_DB_DIR);
}

// A spline typed in the usual way, after which any two windows of one edition must agree.
QByteArray knownSplineReport(DIN5480& window, const QString& reportPath, QStringList& messages) {
    window.setMessageSink([&messages](const QString& text) { messages << text; });
    window.setSaveFileChooser([&reportPath](const QString&) { return reportPath; });
    const auto click = [&window](const char* name) {
        auto* control = window.findChild<QWidget*>(QString::fromLatin1(name));
        QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
    };
    const auto type = [&window](const char* name, const QString& text) {
        auto* control = window.findChild<QWidget*>(QString::fromLatin1(name));
        if (control == nullptr) {
            return;
        }
        auto* list = qobject_cast<QComboBox*>(control);
        QLineEdit* editor = list != nullptr ? list->lineEdit() : qobject_cast<QLineEdit*>(control);
        if (editor->isReadOnly()) {
            return;
        }
        editor->setFocus();
        editor->selectAll();
        QTest::keyClick(editor, Qt::Key_Delete);
        QTest::keyClicks(editor, text);
    };
    click("Option2");
    click("Option1");
    type("Text1", "20");
    type("Combo1", "2");
    type("Text3", "30");
    type("Text13", "0.45");
    type("Text2", "0");
    type("Text4", "0.1");
    type("Combo2", "0.1");
    type("Text16", "3.5");
    type("Text19", "9");
    type("Text17", "H");
    click("cmd1");
    click("cmd3");
    QFile file(reportPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class RobustnessTest final : public QObject {
    Q_OBJECT

  public:
    RobustnessTest(std::uint64_t seed, int actions) : seed_(seed), actions_(actions) {}

  private slots:
    void initTestCase() {
        // The offscreen platform warns whenever a drop-down raises itself or grabs the keyboard:
        // thousands of lines that say nothing about the windows. Everything else is passed on.
        testLibraryHandler_ = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
                if (!message.startsWith(QStringLiteral("This plugin does not support"))) {
                    testLibraryHandler_(type, context, message);
                }
            });
    }

    void cleanupTestCase() { qInstallMessageHandler(testLibraryHandler_); }

    void toleranceWindowSurvivesRandomUse() {
        survivesRandomUse(WindowEdition::tolerance(), databaseDirectory(), seed_);
    }

    void liteWindowSurvivesRandomUse() {
        // The lite edition needs no db1.mdb: it starts in a folder without one.
        QTemporaryDir noDatabase;
        survivesRandomUse(WindowEdition::lite(), noDatabase.path().toStdString(),
                          seed_ ^ 0x9e3779b97f4a7c15ULL);
    }

    // A Chinese user types through an input method; what it commits must not reach a read-only
    // field (the results, and ha* in the tolerance edition, and the values the details pages show).
    void readOnlyFieldsRefuseInputMethodText() {
        const auto refuses = [](QLineEdit* field) {
            const QString before = field->text();
            QInputMethodQueryEvent query(Qt::ImEnabled);
            QCoreApplication::sendEvent(field, &query);
            QInputMethodEvent commit;
            commit.setCommitString(QStringLiteral("齿数"));
            QCoreApplication::sendEvent(field, &commit);
            return !query.value(Qt::ImEnabled).toBool() && field->text() == before;
        };
        for (const WindowEdition* edition : {&WindowEdition::tolerance(), &WindowEdition::lite()}) {
            DIN5480 window(*edition);
            int checked = 0;
            for (QLineEdit* field : window.controls().fields) {
                if (field != nullptr && field->isReadOnly()) {
                    QVERIFY2(refuses(field), qPrintable(field->objectName()));
                    ++checked;
                }
            }
            QVERIFY(checked >= 9);
            // The details window, made by its first page from the window menu.
            auto* icon = window.findChild<QWidget*>(QStringLiteral("Image2"));
            QTest::mouseClick(icon, Qt::LeftButton, {}, icon->rect().center());
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu != nullptr);
            menu->actions().constFirst()->trigger();
            auto* details = window.findChild<QWidget*>(QStringLiteral("splineDetails"));
            QVERIFY(details != nullptr);
            checked = 0;
            for (QLineEdit* field : details->findChildren<QLineEdit*>()) {
                if (field->isReadOnly()) {
                    QVERIFY2(refuses(field), qPrintable(field->objectName()));
                    ++checked;
                }
            }
            QVERIFY(checked >= 15);
            // The fields that take typing still take an input method's text.
            QLineEdit* z = window.controls().field(Field::z);
            QInputMethodEvent commit;
            commit.setCommitString(QStringLiteral("２０"));
            QCoreApplication::sendEvent(z, &commit);
            QCOMPARE(z->text(), QStringLiteral("0２０"));
        }
    }

  private:
    void survivesRandomUse(const WindowEdition& edition, const std::filesystem::path& directory,
                           std::uint64_t seed) {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        auto window = std::make_unique<DIN5480>(edition);
        window->setMessageSink([](const QString&) {});
        QVERIFY(window->startUp(directory));
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        {
            RandomUser user(*window, seed, folder.path());
            const std::optional<QString> fault = user.run(actions_);
            qInfo().noquote() << user.summary();
            if (fault) {
                QFAIL(qPrintable(*fault));
            }
        }

        // Whatever went before, the window still calculates and reports as a new one does.
        QStringList messages;
        const QByteArray afterwards =
            knownSplineReport(*window, folder.filePath("afterwards.txt"), messages);
        window.reset();
        DIN5480 fresh(edition);
        fresh.setMessageSink([](const QString&) {});
        QVERIFY(fresh.startUp(directory));
        fresh.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fresh));
        QStringList freshMessages;
        const QByteArray expected =
            knownSplineReport(fresh, folder.filePath("fresh.txt"), freshMessages);
        QVERIFY(!expected.isEmpty());
        QCOMPARE(messages, freshMessages);
        QCOMPARE(afterwards, expected);
    }

    static inline QtMessageHandler testLibraryHandler_ = nullptr;
    std::uint64_t seed_;
    int actions_;
};

}  // namespace quillon::ui::test

int main(int argc, char* argv[]) {
    const QByteArray seedText = qgetenv("QUILLON_ROBUSTNESS_SEED").trimmed();
    std::uint64_t seed = quillon::ui::test::kCiSeed;
    if (seedText == "random") {
        seed = QRandomGenerator::system()->generate64();
    } else if (!seedText.isEmpty()) {
        bool ok = false;
        seed = seedText.toULongLong(&ok);
        if (!ok) {
            qCritical("QUILLON_ROBUSTNESS_SEED must be a number or \"random\"");
            return 2;
        }
    }
    bool ok = false;
    int actions = qEnvironmentVariableIntValue("QUILLON_ROBUSTNESS_ACTIONS", &ok);
    if (!ok || actions <= 0) {
        actions = quillon::ui::test::kCiActionsPerWindow;
    }
    // A long run outlasts the test library's five-minute watchdog.
    if (!qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT")) {
        qputenv("QTEST_FUNCTION_TIMEOUT", QByteArray::number(std::max(300000, actions * 100)));
    }
    qInfo(
        "robustness run: seed %llu, %d actions per window; replay with "
        "QUILLON_ROBUSTNESS_SEED=%llu QUILLON_ROBUSTNESS_ACTIONS=%d",
        static_cast<unsigned long long>(seed), actions, static_cast<unsigned long long>(seed),
        actions);

    QApplication application(argc, argv);
    quillon::ui::setUpApplication(application);
    quillon::ui::test::RobustnessTest test(seed, actions);
    return QTest::qExec(&test, argc, argv);
}

#include "robustness_test.moc"
