#include "quillon/ui/application_setup.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>
#include <QWidget>
#include <cstdio>
#include <ctime>

namespace quillon::ui {
namespace {

// QUILLON_EXIT_AFTER_FIRST_PAINT=1: once a window has painted, print the wall-clock time of that
// moment and the processor time used so far ("first-paint-ns <since the epoch> cpu-us <n>") and
// quit; the start-up benchmark (bench/startup/measure.sh) subtracts its own launch time.
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

void installFontSubstitutions() {
    // Without these, fontconfig picks a Latin face for 宋体 and the labels lose their glyphs.
    const QStringList song = {QStringLiteral("AR PL UMing CN"),
                              QStringLiteral("WenQuanYi Zen Hei")};
    QFont::insertSubstitutions(QStringLiteral("宋体"), song);
    QFont::insertSubstitutions(QStringLiteral("SimSun"), song);
    QFont::insertSubstitutions(QStringLiteral("Courier New"), {QStringLiteral("Liberation Mono"),
                                                               QStringLiteral("DejaVu Sans Mono")});
    QFont::insertSubstitutions(QStringLiteral("Verdana"), {QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Tahoma"), {QStringLiteral("DejaVu Sans")});
}

bool setUpApplication(QApplication& application) {
    if (qEnvironmentVariableIntValue("QUILLON_EXIT_AFTER_FIRST_PAINT") == 1) {
        application.installEventFilter(new FirstPaintExit(&application));
    }
    installFontSubstitutions();
    // Numbers in the fields always use "." whatever the desktop's locale; the dialogs speak
    // Simplified Chinese.
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    auto* translator = new QTranslator(&application);
    const bool loaded =
        translator->load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (loaded) {
        QApplication::installTranslator(translator);
    }
    return loaded;
}

}  // namespace quillon::ui
