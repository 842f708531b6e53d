// The largest control problem (27 stages, 55 periods): the Riccati solve beside the constrained
// solve of the same problem, with recruits bounded by 0, a cap on every stage and on the total
// (the aim is under 0.5 s).

#include "control/control_state.h"
#include "control/optimal_control_solve.h"
#include "planning/constrained_control.h"
#include "frontends/headless/script/scripted_window_layer.h"

#include "grade_structure.h"

#include <benchmark/benchmark.h>


namespace {

using namespace korvel;

constexpr int STAGES = BENCH_STAGES;
constexpr int PERIODS = BENCH_PERIODS;

// A stable grade structure whose nominal recruitments the stocks cannot all take.
void setUpProblem() {
    SET_UP_GRADE_STRUCTURE();
    for (int t = 1; t <= PERIODS; ++t)
        for (int i = 1; i <= 2 * STAGES; ++i) {
            NOMINAL_PATH(t, i) = i <= STAGES ? 60.0f + 4.0f * static_cast<float>(i) + static_cast<float>(t) : 10.0f;
            PATH_WEIGHTS(t, i) = i <= STAGES ? 1.0f : 0.1f;
        }
}

void BM_RiccatiSolve(benchmark::State& state) {
    static ScriptedWindowLayer layer;
    INSTALL_LAYER(&layer);
    setUpProblem();
    for (auto _ : state)
        if (!CALC_OPT_CONTR(STAGES, 2 * STAGES, PERIODS)) state.SkipWithError("not solved");
    INSTALL_LAYER(nullptr);
}

void BM_ConstrainedSolve(benchmark::State& state) {
    setUpProblem();
    const TrackingProblem problem = TRACKING_PROBLEM(STAGES, PERIODS);
    RecruitmentLimits limits;
    limits.stage_caps.assign(STAGES, 40.0);
    limits.total_cap = 300.0;
    ConstrainedSolution solution;
    for (auto _ : state)
        if ((solution = SOLVE_CONSTRAINED_CONTROL(problem, limits)).status != ConstrainedStatus::Solved) state.SkipWithError("not solved");
    state.counters["kkt"] = KKT_RESIDUAL(problem, limits, solution.recruits);
}

BENCHMARK(BM_RiccatiSolve)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ConstrainedSolve)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
