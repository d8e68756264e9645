#include "quillon/ui/first_paint_probe.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <ctime>

namespace quillon::ui {
namespace {

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

void installFirstPaintProbe(QApplication& application) {
    if (qEnvironmentVariableIntValue("QUILLON_EXIT_AFTER_FIRST_PAINT") == 1) {
        application.installEventFilter(new FirstPaintExit(&application));
    }
}

}  // namespace quillon::ui
