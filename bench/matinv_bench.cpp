// MATINV for order 55, its working matrices in the file XINVF, against the same Gauss-Jordan
// elimination on rows held in memory: the ratio of the two times is what the working file
// costs (at most 2 is the aim; with XINVF mapped into memory it is close to 1).

#include "analysis/matrix_inverse.h"
#include "paired_timing.h"
#include "frontends/headless/script/scripted_window_layer.h"

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

namespace {

constexpr int ORDER = 55;
using Square = korvel::Matrix<double, ORDER, ORDER>;

Square testMatrix() {
    std::mt19937 generator(55);
    std::uniform_real_distribution<double> entry(-1.0, 1.0);
    Square a;
    for (int i = 1; i <= ORDER; ++i)
        for (int j = 1; j <= ORDER; ++j) a(i, j) = entry(generator) + (i == j ? ORDER : 0.0);
    return a;
}

// The same elimination, its working rows held in memory instead of in XINVF.
bool invertInMemory(Square& a) {
    static std::vector<double> storage(2 * ORDER * ORDER);
    std::vector<double*> rhs(ORDER), reduced(ORDER);
    for (int i = 0; i < ORDER; ++i) {
        rhs[static_cast<size_t>(i)] = &storage[static_cast<size_t>(i * ORDER)];
        reduced[static_cast<size_t>(i)] = &storage[static_cast<size_t>((ORDER + i) * ORDER)];
    }
    return korvel::GAUSS_JORDAN(&a(1, 1), ORDER, ORDER, korvel::WORKING_ROWS{rhs.data(), reduced.data()},
                               korvel::SINGLE_ROUNDING) ==
           korvel::MATINV_INVERTED;
}

void BM_MatinvThroughXinvf(benchmark::State& state) {
    // Installed without its observer: working files are not recorded, so the transcript does not
    // grow with the iterations.
    static korvel::ScriptedWindowLayer layer;
    korvel::INSTALL_LAYER(&layer);
    const Square original = testMatrix();
    static Square a;
    for (auto _ : state) {
        a = original;
        int ierr = korvel::MATINV_INVERTED;
        korvel::MATINV(a, ORDER, ierr, korvel::SINGLE_ROUNDING);
        if (ierr != korvel::MATINV_INVERTED) state.SkipWithError("not inverted");
        benchmark::DoNotOptimize(&a);
    }
    korvel::INSTALL_LAYER(nullptr);
}
BENCHMARK(BM_MatinvThroughXinvf)->Unit(benchmark::kMicrosecond);

void BM_GaussJordanInMemory(benchmark::State& state) {
    const Square original = testMatrix();
    static Square a;
    for (auto _ : state) {
        a = original;
        if (!invertInMemory(a)) state.SkipWithError("not inverted");
        benchmark::DoNotOptimize(&a);
    }
}
BENCHMARK(BM_GaussJordanInMemory)->Unit(benchmark::kMicrosecond);

void BM_XinvfOverMemoryRatio(benchmark::State& state) {
    static korvel::ScriptedWindowLayer layer;
    korvel::INSTALL_LAYER(&layer);
    const Square original = testMatrix();
    static Square a, b;
    TIME_PAIR(
        state,
        [&] {
            a = original;
            int ierr = korvel::MATINV_INVERTED;
            korvel::MATINV(a, ORDER, ierr, korvel::SINGLE_ROUNDING);
            benchmark::DoNotOptimize(&a);
        },
        [&] {
            b = original;
            invertInMemory(b);
            benchmark::DoNotOptimize(&b);
        });
    korvel::INSTALL_LAYER(nullptr);
}
BENCHMARK(BM_XinvfOverMemoryRatio)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
