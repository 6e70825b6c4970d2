// The full evaluation of one design as the windows make it: section,
// force bounds, stresses at the starting force, the 36 and the 4 rows.
// Kept as a record of how long one evaluation takes; it has no target.
#include <benchmark/benchmark.h>

#include "FakeFields.h"
#include "core/EdgeStresses.h"
#include "core/ForceBounds.h"
#include "reports/Reports.h"

namespace {

void fullEvaluation(benchmark::State& state) {
    const FakeFields fields;
    for (auto _ : state) {
        const core::DesignValues v = core::readDesignValues(fields);
        const core::StartingStressCheck start = core::startingStressCheck(v);
        auto cable = reports::cableRows(fields, v, start.bounds, start.forceText);
        auto stress = reports::stressRows(fields, start.stresses);
        benchmark::DoNotOptimize(cable);
        benchmark::DoNotOptimize(stress);
    }
}
BENCHMARK(fullEvaluation)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
