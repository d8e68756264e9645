// quillon-cli against the windows: for the same inputs, the command line's JSON holds every text
// the window's fields show, and its report file is the window's, byte for byte.
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <sstream>

#include "quillon/cli/command_line.h"
#include "tests.h"
#include "window_driver.h"

namespace quillon::ui::test {
namespace {

struct Size {
    bool lite;
    bool hub;
    const char* z;
    const char* module;     // as picked from the list (the lite list keeps a blank after it)
    const char* cliModule;  // as typed over it and given on the command line
};

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

}  // namespace

void CommandLineWindowTest::givesTheWindowsTextsAndReport() {
    const Size sizes[] = {
        {false, false, "20", "1.25", "1.25"}, {false, true, "24", "2.00", "2.00"},
        {false, false, "38", "3.00", "3.00"}, {true, false, "20", "1.25 ", "1.25"},
        {true, true, "13", "1.75 ", "1.75"},
    };
    for (const Size& size : sizes) {
        WindowDriver w(size.lite ? WindowEdition::lite() : WindowEdition::tolerance());
        QTemporaryDir folder;
        const QString windowReport = folder.filePath("window.txt");
        w.window->setSaveFileChooser([&](const QString&) { return windowReport; });
        w.click(size.hub ? "Option2" : "Option1");
        w.type("Text1", size.z);
        w.pick("Combo1", size.module);  // proposes the pin diameter, as the command line does
        w.type("Combo1", size.cliModule);
        w.calculate();
        w.click("cmd3");

        std::vector<std::string> arguments = {
            "--z",          size.z,     "--m",
            size.cliModule, "--kind",   size.hub ? "hub" : "shaft",
            "--json",       "--report", folder.filePath("cli.txt").toStdString()};
        if (size.lite) {
            arguments.insert(arguments.begin(), "--lite");
        }
        std::istringstream in;
        std::ostringstream out;
        std::ostringstream err;
        QCOMPARE(cli::runCommandLine(arguments, databaseDirectory(), in, out, err), 0);
        const QString json = QString::fromStdString(out.str());
        const engine::Form& fields = w.window->document().form();
        for (engine::Field field : engine::kAllFields) {
            const bool shown = w.window->controls().field(field) != nullptr;
            const QString text = QString::fromStdString(fields.text(field));
            // Numbers as JSON numbers with the window's digits.
            if (shown && field != engine::Field::grade && field != engine::Field::seriesLetter) {
                QVERIFY2(json.contains(QStringLiteral(":%1,").arg(text)) ||
                             json.contains(QStringLiteral(":%1}").arg(text)),
                         qPrintable(QString::fromUtf8(engine::fieldName(field).data()) + " " +
                                    text + " in " + json));
            }
        }
        QVERIFY(json.contains(QStringLiteral("\"k\":%1,")
                                  .arg(QString::fromStdString(w.window->document().runState().k))));
        QCOMPARE(readAll(folder.filePath("cli.txt")), readAll(windowReport));
    }
}

}  // namespace quillon::ui::test
