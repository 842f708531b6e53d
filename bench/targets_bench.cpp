// The whole target section for the largest model (55 stages) with K = 50: a target reached in
// a few periods, and one no schedule of 50 periods reaches (50 programmes, then the nearest);
// each of the same total as today, so the corners are computed too. The aim is under 1 s.

#include "model/model_state.h"
#include "report/target_section.h"

#include <benchmark/benchmark.h>

#include <numeric>
#include <random>

namespace {

using namespace korvel;

constexpr int STAGES = MAX_STAGES;

// Most stay, some move up one grade, a few move down, the rest leave.
void setUpModel() {
    std::mt19937 generator(27);
    std::uniform_real_distribution<float> share(0.0f, 1.0f);
    STAGE_COUNT = STAGES;
    X_HOLDS_P = true;
    for (int i = 1; i <= STAGES; ++i) {
        for (int j = 1; j <= STAGES; ++j) MATRIX_X(i, j) = 0.0f;
        const float stay = 0.5f + 0.3f * share(generator);
        MATRIX_X(i, i) = stay;
        if (i < STAGES) MATRIX_X(i, i + 1) = (1.0f - stay) * 0.6f;
        if (i > 1) MATRIX_X(i, i - 1) = (1.0f - stay) * 0.05f;
        INITIAL_STOCKS(i) = 100.0f + 10.0f * static_cast<float>(i);
    }
}

// Today's total spread evenly; `unreachable` puts a thousandth of a person in stage 1, which
// holds more than that for longer than 50 periods.
Structure targetOf(bool unreachable) {
    double today = 0.0;
    for (int i = 1; i <= STAGES; ++i) today += INITIAL_STOCKS(i);
    Structure target(STAGES, today / STAGES);
    if (unreachable) {
        target[1] += target[0] - 1e-3;
        target[0] = 1e-3;
    }
    return target;
}

void BM_TargetSection(benchmark::State& state) {
    setUpModel();
    const Structure target = targetOf(state.range(0) != 0);
    RecruitmentLimits limits;
    limits.stage_caps.assign(STAGES, std::nullopt);
    for (auto _ : state) {
        REPORT_CONTENT content;
        ADD_TARGET_SECTION(content, target, 50, limits);
        benchmark::DoNotOptimize(content.sections.size());
        state.counters["lines"] = static_cast<double>(content.certificate.size());
    }
}
BENCHMARK(BM_TargetSection)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
