// MATINV for order 55, its working matrices in the file XINVF, against the same Gauss-Jordan
// elimination on matrices held in memory: the ratio tells what the working file costs.

#include "analysis/matrix_inverse.h"
#include "present/window/script/scripted_window_layer.h"

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

// The same elimination, row by row without row exchanges, on two in-memory matrices.
bool invertInMemory(Square& a) {
    static Square reduced, rhs;
    reduced = a;
    rhs.fill(0.0);
    for (int i = 1; i <= ORDER; ++i) rhs(i, i) = 1.0;
    for (int k = 1; k <= ORDER; ++k) {
        const double pivot = reduced(k, k);
        if (pivot == 0.0) return false;
        for (int j = 1; j <= ORDER; ++j) {
            reduced(k, j) = reduced(k, j) / pivot;
            rhs(k, j) = rhs(k, j) / pivot;
        }
        for (int i = 1; i <= ORDER; ++i) {
            if (i == k) continue;
            const double f = reduced(i, k);
            for (int j = 1; j <= ORDER; ++j) {
                reduced(i, j) = reduced(i, j) - f * reduced(k, j);
                rhs(i, j) = rhs(i, j) - f * rhs(k, j);
            }
        }
    }
    a = rhs;
    return true;
}

// Working files are not recorded, so the transcript does not grow with the iterations.
class QuietLayer : public korvel::ScriptedWindowLayer {
public:
    void fileCreated(const std::string&) override {}
    void fileDeleted(const std::string&) override {}
};

void BM_MatinvThroughXinvf(benchmark::State& state) {
    static QuietLayer layer;
    korvel::INSTALL_LAYER(&layer);
    const Square original = testMatrix();
    static Square a;
    for (auto _ : state) {
        a = original;
        int ierr = korvel::MATINV_INVERTED;
        korvel::MATINV(a, ORDER, ierr);
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

}  // namespace

BENCHMARK_MAIN();
