// The whole optimal control solve for 27 stages over 55 periods: through its working files
// (the rules in "FEEDBACK" and "g_vector", each inversion in XINVF) against the same solve with
// its rules and inversions held in memory. The counter `ratio` is what the files cost (at
// most 2 is the aim).

#include "analysis/matrix_inverse.h"
#include "control/optimal_control_solve.h"
#include "control/riccati_solver.h"
#include "paired_timing.h"
#include "frontends/headless/script/scripted_window_layer.h"

#include "grade_structure.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

namespace {

using namespace korvel;

constexpr int STAGES = BENCH_STAGES;
constexpr int ENTRIES = 2 * STAGES;
constexpr int PERIODS = BENCH_PERIODS;

// A stable grade structure: people stay or move one grade up, and some leave every grade.
void setUpProblem() {
    SET_UP_GRADE_STRUCTURE();
    for (int t = 1; t <= PERIODS; ++t)
        for (int i = 1; i <= ENTRIES; ++i) {
            NOMINAL_PATH(t, i) = i <= STAGES ? 100.0f + static_cast<float>(i + t) : 10.0f;
            PATH_WEIGHTS(t, i) = i <= STAGES ? 1.0f : 0.1f;
        }
}

// The same work place, its rules and the working rows of each inversion in memory.
class MemoryPlace : public SolverWorkPlace {
public:
    MemoryPlace()
        : m_gains(static_cast<size_t>(PERIODS * STAGES * ENTRIES)),
          m_offsets(static_cast<size_t>(PERIODS * STAGES)),
          m_rows(static_cast<size_t>(2 * STAGES * STAGES)) {}

    void keepRule(int t, const float* gain, const float* offset) override {
        std::copy_n(gain, STAGES * ENTRIES, gainOf(t));
        std::copy_n(offset, STAGES, offsetOf(t));
    }
    void takeRule(int t, float* gain, float* offset) override {
        std::copy_n(gainOf(t), STAGES * ENTRIES, gain);
        std::copy_n(offsetOf(t), STAGES, offset);
    }
    int invert(RuleInverse& s, int n) override {
        std::vector<double*> rhs(static_cast<size_t>(n)), reduced(static_cast<size_t>(n));
        for (int i = 0; i < n; ++i) {
            rhs[static_cast<size_t>(i)] = &m_rows[static_cast<size_t>(i * n)];
            reduced[static_cast<size_t>(i)] = &m_rows[static_cast<size_t>((n + i) * n)];
        }
        return GAUSS_JORDAN(&s(1, 1), n, RuleInverse::columns(), WORKING_ROWS{rhs.data(), reduced.data()}, DOUBLE_ROUNDING);
    }

private:
    float* gainOf(int t) { return &m_gains[static_cast<size_t>((t - 1) * STAGES * ENTRIES)]; }
    float* offsetOf(int t) { return &m_offsets[static_cast<size_t>((t - 1) * STAGES)]; }

    std::vector<float> m_gains;
    std::vector<float> m_offsets;
    std::vector<double> m_rows;
};

// The scripted layer is installed without its observer: working files are not recorded, so the
// transcript does not grow with the iterations.
void BM_SolveThroughWorkingFiles(benchmark::State& state) {
    static ScriptedWindowLayer layer;
    INSTALL_LAYER(&layer);
    setUpProblem();
    for (auto _ : state)
        if (!CALC_OPT_CONTR(STAGES, ENTRIES, PERIODS)) state.SkipWithError("not solved");
    INSTALL_LAYER(nullptr);
}
BENCHMARK(BM_SolveThroughWorkingFiles)->Unit(benchmark::kMillisecond);

void BM_SolveInMemory(benchmark::State& state) {
    setUpProblem();
    MemoryPlace place;
    for (auto _ : state)
        if (SOLVE_CONTROL(STAGES, ENTRIES, PERIODS, place) != RiccatiStatus::Solved) state.SkipWithError("not solved");
}
BENCHMARK(BM_SolveInMemory)->Unit(benchmark::kMillisecond);

void BM_WorkingFilesOverMemoryRatio(benchmark::State& state) {
    static ScriptedWindowLayer layer;
    INSTALL_LAYER(&layer);
    setUpProblem();
    MemoryPlace place;
    TIME_PAIR(
        state, [] { CALC_OPT_CONTR(STAGES, ENTRIES, PERIODS); },
        [&] { SOLVE_CONTROL(STAGES, ENTRIES, PERIODS, place); });
    INSTALL_LAYER(nullptr);
}
BENCHMARK(BM_WorkingFilesOverMemoryRatio)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
