#include "planning/uncertainty/stock_arithmetic.h"

#include "analysis/matrix_inverse.h"

#include <algorithm>
#include <cassert>
#include <cstddef>
#include <limits>

namespace korvel {

namespace {

// Enough to separate a root from 1 by a relative 1e-9; a root closer than that is judged by
// the middle of its bounds.
constexpr int ROOT_ITERATION_LIMIT = 20000;

size_t at(int n, int i, int j) { return static_cast<size_t>((i - 1) * n + (j - 1)); }

}  // namespace

void PROJECT_STOCK_PATH(int n, const double* p, const double* initial, const double* inflows, int periods,
                        double* stocks) {
    std::copy_n(initial, n, stocks);
    for (int t = 1; t <= periods; ++t) {
        const double* before = stocks + static_cast<size_t>((t - 1) * n);
        double* now = stocks + static_cast<size_t>(t * n);
        std::copy_n(inflows, n, now);
        // Row by row of P, so the inner loop runs along memory.
        for (int i = 1; i <= n; ++i) {
            const double s = before[i - 1];
            const double* row = p + at(n, i, 1);
            for (int j = 0; j < n; ++j) now[j] += s * row[j];
        }
    }
}

SteadyStateSolver::SteadyStateSolver(int n)
    : m_n(n), m_matrix(static_cast<size_t>(n * n)), m_storage(static_cast<size_t>(2 * n * n)),
      m_rhs(static_cast<size_t>(n)), m_reduced(static_cast<size_t>(n)) {
    for (int i = 0; i < n; ++i) {
        m_rhs[static_cast<size_t>(i)] = &m_storage[static_cast<size_t>(i * n)];
        m_reduced[static_cast<size_t>(i)] = &m_storage[static_cast<size_t>((n + i) * n)];
    }
}

bool SteadyStateSolver::solve(const double* p, const double* inflows, double rounding, double* steady) {
    const int n = m_n;
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j) m_matrix[at(n, i, j)] = (i == j ? 1.0 : 0.0) - p[at(n, i, j)];
    if (GAUSS_JORDAN(m_matrix.data(), n, n, WORKING_ROWS{m_rhs.data(), m_reduced.data()}, rounding) != MATINV_INVERTED)
        return false;
    std::fill_n(steady, n, 0.0);
    for (int i = 1; i <= n; ++i) {
        const double r = inflows[i - 1];
        for (int j = 1; j <= n; ++j) steady[j - 1] += r * m_matrix[at(n, i, j)];
    }
    return true;
}

ROOT_BOUNDS DOMINANT_ROOT_BOUNDS(int n, const double* p, std::vector<double>& work) {
    work.assign(static_cast<size_t>(2 * n), 1.0);
    double* x = work.data();
    double* y = work.data() + n;
    ROOT_BOUNDS bounds;
    // Invariant: x is positive, and low <= root <= high for the latest x.
    for (int iteration = 0; iteration < ROOT_ITERATION_LIMIT; ++iteration) {
        bounds = {std::numeric_limits<double>::infinity(), 0.0};
        double largest = 0.0;
        for (int i = 1; i <= n; ++i) {
            const double* row = p + at(n, i, 1);
            double sum = 0.0;
            for (int j = 0; j < n; ++j) sum += row[j] * x[j];
            assert(sum > 0.0);
            y[i - 1] = sum;
            bounds.low = std::min(bounds.low, sum / x[i - 1]);
            bounds.high = std::max(bounds.high, sum / x[i - 1]);
            largest = std::max(largest, sum);
        }
        if (bounds.high < 1.0 || bounds.low >= 1.0) break;
        for (int i = 0; i < n; ++i) x[i] = y[i] / largest;
    }
    return bounds;
}

}  // namespace korvel
