// One full "更新数据" on a document with its own form: checks, geometry, W, M, the display formats
// and, in the tolerance edition, the deviation calculation from the tolerance tables.
#include <benchmark/benchmark.h>

#include <memory>

#include "quillon/document/spline_document.h"

using namespace quillon::engine;
using namespace quillon::tolerance;

namespace quillon {
namespace {

void runOnce(benchmark::State& state, const Edition& edition, SplineKind kind) {
    auto database = edition.hasTolerances() ? std::make_shared<const ToleranceDatabase>(
                                                  ToleranceDatabase::load(QUILLON_BENCH_DB_FILE))
                                            : nullptr;
    document::SplineDocument spline(edition, database);
    spline.selectKind(kind);
    for (auto _ : state) {
        // The typed inputs again, as the display formats rewrote x and dp.
        spline.setText(Field::z, "20");
        spline.setText(Field::m, "2");
        spline.setText(Field::beta, "15");
        spline.setText(Field::x, kind == SplineKind::External ? "0.2" : "-0.2");
        spline.setText(Field::dp, "3.5");
        spline.forgetHistory();
        spline.calculate();
        benchmark::DoNotOptimize(spline.form().text(Field::M));
    }
    benchmark::DoNotOptimize(spline.deviation());
}

void BM_ToleranceEditionShaft(benchmark::State& s) {
    runOnce(s, Edition::tolerance(), SplineKind::External);
}
void BM_ToleranceEditionHub(benchmark::State& s) {
    runOnce(s, Edition::tolerance(), SplineKind::Internal);
}
void BM_LiteEditionShaft(benchmark::State& s) {
    runOnce(s, Edition::lite(), SplineKind::External);
}
void BM_LiteEditionHub(benchmark::State& s) {
    runOnce(s, Edition::lite(), SplineKind::Internal);
}

BENCHMARK(BM_ToleranceEditionShaft);
BENCHMARK(BM_ToleranceEditionHub);
BENCHMARK(BM_LiteEditionShaft);
BENCHMARK(BM_LiteEditionHub);

}  // namespace
}  // namespace quillon
