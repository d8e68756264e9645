// The latency a user feels: one click on "更新数据" until the nine result fields have painted,
// on the real window of each edition (offscreen platform), one click per repetition; see the
// median.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QSet>
#include <QTest>
#include <chrono>

#include "quillon/controls/xp_button.h"
#include "quillon/ui/application_setup.h"
#include "quillon/ui/din5480.h"

using namespace quillon::engine;

namespace quillon::ui {
namespace {

constexpr Field kResults[] = {Field::d,  Field::da, Field::df, Field::db, Field::ha,
                              Field::hf, Field::h,  Field::W,  Field::M};

// Notes which of the watched fields have painted.
class PaintWatch final : public QObject {
  public:
    QSet<QObject*> painted;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            painted.insert(watched);
        }
        return false;
    }
};

void clickToResults(benchmark::State& state, DIN5480& window) {
    const WindowControls& controls = window.controls();
    PaintWatch watch;
    for (const Field field : kResults) {
        controls.field(field)->installEventFilter(&watch);
    }
    // Another module each time, also across repetitions, so that every result changes.
    static bool smaller = false;
    for (auto _ : state) {
        smaller = !smaller;
        controls.field(Field::m)->setText(smaller ? QStringLiteral("2") : QStringLiteral("2.5"));
        controls.field(Field::dp)->setText(QStringLiteral("3.5"));
        QCoreApplication::processEvents();
        watch.painted.clear();

        const auto start = std::chrono::steady_clock::now();
        QTest::mouseClick(controls.calculate, Qt::LeftButton, {},
                          controls.calculate->rect().center());
        for (int round = 0; watch.painted.size() < std::ssize(kResults) && round < 1000; ++round) {
            QCoreApplication::processEvents();
        }
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        if (watch.painted.size() < std::ssize(kResults)) {
            state.SkipWithError("the results were not painted");
            break;
        }
        state.SetIterationTime(elapsed.count());
    }
}

}  // namespace
}  // namespace quillon::ui

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    quillon::ui::setUpApplication(application);
    benchmark::Initialize(&argc, argv);

    using quillon::ui::DIN5480;
    using quillon::ui::WindowEdition;
    DIN5480 tolerance(WindowEdition::tolerance());
    DIN5480 lite(WindowEdition::lite());
    for (DIN5480* window : {&tolerance, &lite}) {
        window->setMessageSink([](const QString&) {});
        if (!window->startUp(QUILLON_BENCH_DB_DIR)) {
            return 1;
        }
        window->controls().field(quillon::engine::Field::z)->setText(QStringLiteral("20"));
        window->show();
        if (!QTest::qWaitForWindowExposed(window)) {
            return 1;
        }
    }
    for (auto [name, window] : {std::pair{"ClickToResults/tolerance", &tolerance},
                                std::pair{"ClickToResults/lite", &lite}}) {
        benchmark::RegisterBenchmark(
            name,
            [window](benchmark::State& state) { quillon::ui::clickToResults(state, *window); })
            ->UseManualTime()
            ->Iterations(1)
            ->Repetitions(301)
            ->ReportAggregatesOnly(true)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
