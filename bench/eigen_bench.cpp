// DEVCRG against Eigen3's EigenSolver on the same matrices: eigenvalues and eigenvectors of
// random general matrices and of matrices shaped like a transition matrix P. Each DEVCRG run
// reports the performance index of its pairs as the counter "index".

#include "analysis/eigen/eigen_solver.h"

#include <Eigen/Eigenvalues>
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

namespace {

using korvel::ComplexDouble;
using Eigen::MatrixXd;

MatrixXd randomMatrix(int n) {
    std::mt19937 random(static_cast<unsigned>(1000 + n));
    std::uniform_real_distribution<double> element(-1.0, 1.0);
    MatrixXd a(n, n);
    for (int j = 0; j < n; ++j)
        for (int i = 0; i < n; ++i) a(i, j) = element(random);
    return a;
}

// Non-negative rows summing to less than 1, about half of the elements zero.
MatrixXd transitionMatrix(int n) {
    std::mt19937 random(static_cast<unsigned>(2000 + n));
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    MatrixXd p(n, n);
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) p(i, j) = unit(random) < 0.5 ? 0.0 : unit(random);
        p(i, i) = unit(random);
        p.row(i) *= (0.5 + 0.45 * unit(random)) / p.row(i).sum();
    }
    return p;
}

MatrixXd benchmarkMatrix(const benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    return state.range(1) == 0 ? randomMatrix(n) : transitionMatrix(n);
}

void BM_DEVCRG(benchmark::State& state) {
    const MatrixXd a = benchmarkMatrix(state);
    const int n = static_cast<int>(a.rows());
    std::vector<ComplexDouble> eval(static_cast<std::size_t>(n));
    std::vector<ComplexDouble> evec(static_cast<std::size_t>(n) * static_cast<std::size_t>(n));
    for (auto _ : state) {
        korvel::DEVCRG(n, a.data(), n, eval.data(), evec.data(), n);
        benchmark::DoNotOptimize(evec.data());
    }
    state.counters["index"] = korvel::DEPIRG(n, n, a.data(), n, eval.data(), evec.data(), n);
}

void BM_EigenSolver(benchmark::State& state) {
    const MatrixXd a = benchmarkMatrix(state);
    Eigen::EigenSolver<MatrixXd> solver(a.rows());
    for (auto _ : state) {
        solver.compute(a, true);
        benchmark::DoNotOptimize(solver.eigenvectors().data());
    }
}

// Arguments: order, and 0 for a random matrix or 1 for one shaped like P.
void orders(benchmark::internal::Benchmark* benchmark) {
    for (int kind : {0, 1})
        for (int n : {10, 26, 55}) benchmark->Args({n, kind});
}

BENCHMARK(BM_DEVCRG)->Apply(orders)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EigenSolver)->Apply(orders)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
