#pragma once
// A convex quadratic programme with a diagonal Hessian and sparse linear rows, and the one call
// that solves it. The planning routines speak only this; the solver underneath is COIN-OR Clp.

#include <vector>

namespace korvel {

// minimise 0.5 x'Hx + c'x, H = diag(hessian), subject to lower <= x <= upper and
// row_lower <= Mx <= row_upper. Infinite bounds are +-QP_INFINITY.
inline constexpr double QP_INFINITY = 1e30;

struct QpEntry {
    int row;
    int column;
    double value;
};

struct QuadraticProgram {
    std::vector<double> hessian;
    std::vector<double> linear;
    std::vector<double> lower;
    std::vector<double> upper;
    std::vector<QpEntry> entries;
    std::vector<double> row_lower;
    std::vector<double> row_upper;
};

enum class QpStatus { Solved, Infeasible, Unbounded, IterationLimit, NumericalFailure };

struct QpSolution {
    QpStatus status = QpStatus::NumericalFailure;
    std::vector<double> x;
};

QpSolution SOLVE_QUADRATIC_PROGRAM(const QuadraticProgram& program);

}  // namespace korvel
