// One full Calculate run on an in-memory form: checks, geometry, W, M and the display formats.
#include <benchmark/benchmark.h>

#include "quillon/engine/calculation_run.h"
#include "quillon/engine/in_memory_form.h"

namespace quillon {
namespace {

void runOnce(benchmark::State& state, const Edition& edition, SplineKind kind) {
    InMemoryForm form;
    RunState runState;
    form.selectKind(kind);
    int handOffs = 0;
    for (auto _ : state) {
        // The typed inputs again, as the display formats rewrote x and dp.
        form.setText(Field::z, "20");
        form.setText(Field::m, "2");
        form.setText(Field::beta, "15");
        form.setText(Field::x, kind == SplineKind::External ? "0.2" : "-0.2");
        form.setText(Field::dp, "3.5");
        form.forgetHistory();
        calculate(form, runState, edition, [&] { ++handOffs; });
        benchmark::DoNotOptimize(form.text(Field::M));
    }
    benchmark::DoNotOptimize(handOffs);
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
