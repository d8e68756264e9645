// The yardstick of the start-up benchmark: a Qt widget program that shows one empty window and
// nothing else, built with the same compiler, flags and Qt as the two calculator programs.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <ctime>

namespace {

// QUILLON_EXIT_AFTER_FIRST_PAINT=1: once a window has painted, print the wall-clock time of that
// moment and the processor time used so far ("first-paint-ns <since the epoch> cpu-us <n>") and
// quit. The calculator programs honour the same variable; measure.sh subtracts its own launch time.
class FirstPaintExit final : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            QCoreApplication::instance()->removeEventFilter(this);
            // The zero timer fires once this paint and its flush to the screen are done.
            QTimer::singleShot(0, [] {
                timespec now{};
                clock_gettime(CLOCK_REALTIME, &now);
                timespec cpu{};
                clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
                std::printf("first-paint-ns %lld cpu-us %lld\n",
                            static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec,
                            static_cast<long long>(cpu.tv_sec) * 1000000LL + cpu.tv_nsec / 1000);
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (qEnvironmentVariableIntValue("QUILLON_EXIT_AFTER_FIRST_PAINT") == 1) {
        application.installEventFilter(new FirstPaintExit(&application));
    }
    QWidget window;
    window.resize(467, 280);  // the size of the calculator window
    window.show();
    return application.exec();
}
