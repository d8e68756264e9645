// quillon-lite: the involute spline calculator without tolerances, with a printed report.
#include <QApplication>
#include <filesystem>

#include "quillon/ui/application_setup.h"
#include "quillon/ui/din5480.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    quillon::ui::setUpApplication(application);
    quillon::ui::DIN5480 window(quillon::ui::WindowEdition::lite());
    const std::filesystem::path programDirectory(
        QCoreApplication::applicationDirPath().toStdU16String());
    if (!window.startUp(programDirectory)) {
        return 1;
    }
    window.show();
    return application.exec();
}
