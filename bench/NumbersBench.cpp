// What the numbers cost, in the core alone.
#include "TestAnalysis.h"
#include "analysis/Compression.h"
#include "analysis/Decomposition.h"
#include "analysis/DeltaSweep.h"

#include <benchmark/benchmark.h>

namespace {

// After a level step, at level 2 of MaxLevel n with 10 % kept: the ranking,
// the compressed copy, its error numbers and distances, the energies: what
// the tools window shows.
void BM_NumbersAfterStep(benchmark::State& state)
{
    const auto A = StartAnalysis(0.4, static_cast<int>(state.range(0)));
    while (A->Level > 2) {
        --A->Level;
        DecomposeStep(*A);
    }
    for (auto _ : state) {
        Analysis compressed = *A;
        Compress(compressed, KeptDetails(*A, 10, KeepBy::Contribution));
        benchmark::DoNotOptimize(ComputeErrorNumbers(compressed));
        benchmark::DoNotOptimize(LevelEnergies(*A));
    }
}
BENCHMARK(BM_NumbersAfterStep)->Arg(7)->Arg(12)->Unit(benchmark::kMillisecond);

// One row of the Delta comparison at level 3 of MaxLevel n: samples, level
// matrices, the steps down, 10 % kept, the numbers.
void BM_DeltaSweepRow(benchmark::State& state)
{
    const DeltaSweepInput input{Signal::Listed(0), static_cast<int>(state.range(0)), 3, 10,
                                KeepBy::Contribution, {}, {}};
    int i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(DeltaSweepRow(input, i++ % DeltaSweepPoints));
}
BENCHMARK(BM_DeltaSweepRow)->Arg(7)->Arg(12)->Unit(benchmark::kMillisecond);

// The same with noise added and SURE thresholds: the row of "Entrauschen".
void BM_DenoisingSweepRow(benchmark::State& state)
{
    const DeltaSweepInput input{Signal::Listed(0), static_cast<int>(state.range(0)), 3, 100, KeepBy::Contribution,
                                NoiseSettings{}, DenoiseSettings{ThresholdRule::Sure, ThresholdKind::Soft}};
    int i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(DeltaSweepRow(input, i++ % DeltaSweepPoints));
}
BENCHMARK(BM_DenoisingSweepRow)->Arg(7)->Arg(12)->Unit(benchmark::kMillisecond);

}  // namespace
