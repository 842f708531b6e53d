// 2000 samples of the counts' posterior, each projected over 198 periods with its steady state
// and its dominant root: under 1 s for 26 stages and under 3 s for 55 is the aim.

#include "model/model_state.h"
#include "planning/uncertainty/projection_bands.h"

#include <benchmark/benchmark.h>

#include <random>

namespace {

// A grade structure: most stay, some move up one or two grades, a few move down, some leave.
korvel::BANDS_INPUT gradeModel(int n) {
    std::mt19937 generator(static_cast<unsigned>(n));
    std::uniform_int_distribution<int> few(0, 12);
    korvel::BANDS_INPUT input;
    input.counts.n = n;
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j)
            input.counts.moves.push_back(i == j ? 200.0 + few(generator) * 10 : j == i + 1 || j == i + 2 ? few(generator) * 2.0
                                                                           : j == i - 1 ? few(generator) / 4 : 0.0);
        input.counts.leavers.push_back(15.0 + few(generator));
        input.initial.push_back(250.0 + few(generator) * 5);
        input.inflows.push_back(i <= 3 ? 40.0 : 2.0);
    }
    input.periods = korvel::MAX_PERIODS;
    return input;
}

void BM_SampleProjectionBands(benchmark::State& state) {
    const korvel::BANDS_INPUT input = gradeModel(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const korvel::PROJECTION_BANDS bands = korvel::SAMPLE_PROJECTION_BANDS(input);
        benchmark::DoNotOptimize(bands.halves_spread);
    }
}
BENCHMARK(BM_SampleProjectionBands)->Arg(26)->Arg(55)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
