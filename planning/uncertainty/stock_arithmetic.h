#pragma once
// The arithmetic of one transition matrix in double, as pure functions: the stocks it projects,
// the steady state it approaches and whether it is stable. Matrices are n x n, row by row.
// The commands' own projection writes the result table in 32-bit reals, so it is not reused.

#include <vector>

namespace korvel {

// n(t) = n(t-1) P + r for t = 1..periods from n(0) = initial: stocks[t n + (k - 1)] is stage k
// at period t, unrounded.
void PROJECT_STOCK_PATH(int n, const double* p, const double* initial, const double* inflows, int periods,
                        double* stocks);

// n* = r [I - P]^-1 by the program's Gauss-Jordan elimination, with P's entries of relative
// rounding `rounding`. Keeps its working rows between calls.
class SteadyStateSolver {
public:
    explicit SteadyStateSolver(int n);
    // False, and `steady` unchanged, when [I - P] has no inverse with a correct digit.
    bool solve(const double* p, const double* inflows, double rounding, double* steady);

private:
    int m_n;
    std::vector<double> m_matrix;
    std::vector<double> m_storage;
    std::vector<double*> m_rhs;
    std::vector<double*> m_reduced;
};

// Bounds on the dominant root of a P whose entries are all positive, as every draw from the
// counts' posterior is. By Perron-Frobenius that root is the spectral radius, real, with a
// positive vector; for any positive x it lies between the least and the largest (P x)_i / x_i,
// and the power iteration narrows these bounds. They are narrowed until both lie on one side
// of 1, so the verdict on stability is certain, not an estimate.
struct ROOT_BOUNDS {
    double low = 0.0;
    double high = 0.0;
};
ROOT_BOUNDS DOMINANT_ROOT_BOUNDS(int n, const double* p, std::vector<double>& work);

// Stable: the dominant root is below 1, judged by the middle of its bounds, which lie on one
// side of 1 unless the iteration limit was met.
inline bool IS_STABLE(const ROOT_BOUNDS& root) { return root.low + root.high < 2.0; }

}  // namespace korvel
