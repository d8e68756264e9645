// The profile of a large spline, as the details window draws it on every change: tooth form and
// the flattened closed contour of z = 100, m = 1.25.
#include <benchmark/benchmark.h>

#include "quillon/geometry/polyline.h"
#include "quillon/geometry/tooth_form.h"

using namespace quillon::engine;
using namespace quillon::geometry;

namespace quillon {
namespace {

void BM_FlattenedContourZ100(benchmark::State& state) {
    ProfileInput in;
    in.kind = state.range(0) == 0 ? SplineKind::External : SplineKind::Internal;
    in.z = 100;
    in.m = 1.25;
    in.alpha = 30;
    in.da = in.kind == SplineKind::External ? 126.125 : 123.875;
    in.df = in.kind == SplineKind::External ? 123.625 : 126.375;
    std::size_t vertices = 0;
    for (auto _ : state) {
        const ToothFormDesign design = designToothForm(in);
        const Polyline contour = flattenContour(*design.form);
        vertices = contour.size();
        benchmark::DoNotOptimize(contour.data());
    }
    state.counters["vertices"] = static_cast<double>(vertices);
}
BENCHMARK(BM_FlattenedContourZ100)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quillon
