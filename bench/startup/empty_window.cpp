// The yardstick of the start-up benchmark: a Qt widget program that shows one empty window and
// nothing else, built with the same compiler, flags and Qt as the two calculator programs, and
// timed by the same first-paint probe.
#include <QApplication>
#include <QWidget>

#include "quillon/ui/first_paint_probe.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    quillon::ui::installFirstPaintProbe(application);
    QWidget window;
    window.resize(467, 280);  // the size of the calculator window
    window.show();
    return application.exec();
}
