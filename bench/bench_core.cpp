// Cost of the toolkit-free core: one whole design pass and one 21-point sweep.
#include "../tests/fakeform.h"

#include "design/driver.h"
#include "sweep/sweep.h"

#include <benchmark/benchmark.h>

using namespace anodyne;

namespace {

void BM_DesignPass(benchmark::State& state)
{
    test::FakeForm form;
    DesignState s;
    for (auto _ : state) {
        if (runDesignPass(s, form))
            proposeSweepBands(s, form);
        benchmark::DoNotOptimize(s);
        // The fake logs every label it is given; a window keeps no such log, and
        // one that grows over millions of passes would time the heap, not the pass.
        form.writes.clear();
    }
}
BENCHMARK(BM_DesignPass);

void BM_Sweep(benchmark::State& state)
{
    const auto side = state.range(0) == 0 ? SweepSide::Input : SweepSide::Output;
    test::FakeForm form;
    DesignState s;
    if (runDesignPass(s, form))
        proposeSweepBands(s, form);
    PointBuffer buffer;
    for (auto _ : state) {
        auto points = runSweep(side, s, form, buffer);
        benchmark::DoNotOptimize(points);
    }
}
BENCHMARK(BM_Sweep)->Arg(0)->Arg(1)->ArgName("output");

} // namespace

BENCHMARK_MAIN();
