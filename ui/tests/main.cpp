#include <QApplication>
#include <QTest>

#include "quillon/ui/application_setup.h"
#include "tests.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    quillon::ui::setUpApplication(application);
    int failures = 0;
    {
        quillon::ui::test::ToleranceWindowTest tolerance;
        failures += QTest::qExec(&tolerance, argc, argv);
    }
    {
        quillon::ui::test::LiteWindowTest lite;
        failures += QTest::qExec(&lite, argc, argv);
    }
    {
        quillon::ui::test::DetailsWindowTest details;
        failures += QTest::qExec(&details, argc, argv);
    }
    {
        quillon::ui::test::ProfilePageTest profile;
        failures += QTest::qExec(&profile, argc, argv);
    }
    {
        quillon::ui::test::Gbt3478PageTest gbt3478;
        failures += QTest::qExec(&gbt3478, argc, argv);
    }
    {
        quillon::ui::test::CommandLineWindowTest commandLine;
        failures += QTest::qExec(&commandLine, argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
