// One computation of the losses and m as the losses window makes it on each
// accepted key: the input checks, Annex B, 3.1.4, 3.3.2, (5.46), the checks of
// the result. Its target: well under a millisecond.
#include <benchmark/benchmark.h>

#include "core/Losses.h"

namespace {

void lossComputation(benchmark::State& state) {
    const core::LossDesign design{{124, 40, 40, 23, 23, 15}, 75.5, 4.618, 1054, 6, 617.51, 1355.19};
    core::LossInputs inputs;
    inputs.u = core::sectionOutline(design.section);
    for (auto _ : state) {
        benchmark::DoNotOptimize(inputs);
        auto refusal = core::lossInputRefusal(inputs, design);
        const core::LossResult result = core::computeLosses(inputs, design);
        if (!refusal) refusal = core::lossResultRefusal(result);
        benchmark::DoNotOptimize(result);
        benchmark::DoNotOptimize(refusal);
    }
}
BENCHMARK(lossComputation)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
