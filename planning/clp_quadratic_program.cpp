#include "planning/quadratic_program.h"

#include <ClpSimplex.hpp>
#include <CoinPackedMatrix.hpp>

#include <cassert>

namespace korvel {

namespace {

// Far more than the programmes of the control need (a few thousand columns).
constexpr int ITERATION_LIMIT = 200000;

QpStatus statusOf(const ClpSimplex& model) {
    switch (model.status()) {
    case 0: return model.secondaryStatus() == 0 ? QpStatus::Solved : QpStatus::NumericalFailure;
    case 1: return QpStatus::Infeasible;
    case 2: return QpStatus::Unbounded;
    case 3: return QpStatus::IterationLimit;
    default: return QpStatus::NumericalFailure;
    }
}

void loadRows(ClpSimplex& model, const QuadraticProgram& program) {
    std::vector<int> rows, columns;
    std::vector<double> values;
    for (const QpEntry& entry : program.entries) {
        rows.push_back(entry.row);
        columns.push_back(entry.column);
        values.push_back(entry.value);
    }
    CoinPackedMatrix matrix(true, rows.data(), columns.data(), values.data(), static_cast<CoinBigIndex>(values.size()));
    // Rows or columns left empty still count.
    matrix.setDimensions(static_cast<int>(program.row_lower.size()), static_cast<int>(program.hessian.size()));
    model.loadProblem(matrix, program.lower.data(), program.upper.data(), program.linear.data(), program.row_lower.data(),
                      program.row_upper.data());
}

void loadHessian(ClpSimplex& model, const QuadraticProgram& program) {
    const int columns = static_cast<int>(program.hessian.size());
    std::vector<CoinBigIndex> start{0};
    std::vector<int> index;
    std::vector<double> element;
    for (int j = 0; j < columns; ++j) {
        if (program.hessian[static_cast<size_t>(j)] != 0.0) {
            index.push_back(j);
            element.push_back(program.hessian[static_cast<size_t>(j)]);
        }
        start.push_back(static_cast<CoinBigIndex>(index.size()));
    }
    model.loadQuadraticObjective(columns, start.data(), index.data(), element.data());
}

}  // namespace

QpSolution SOLVE_QUADRATIC_PROGRAM(const QuadraticProgram& program) {
    const size_t columns = program.hessian.size();
    assert(program.linear.size() == columns && program.lower.size() == columns && program.upper.size() == columns);
    assert(program.row_lower.size() == program.row_upper.size());
    ClpSimplex model;
    model.setLogLevel(0);
    loadRows(model, program);
    loadHessian(model, program);
    model.setMaximumIterations(ITERATION_LIMIT);
    // Clp's scaled quadratic solves end 'optimal when scaled' with dual infeasibilities left
    // unscaled; unscaled they end optimal.
    model.scaling(0);
    model.primal();
    QpSolution solution;
    solution.status = statusOf(model);
    const double* x = model.primalColumnSolution();
    solution.x.assign(x, x + columns);
    return solution;
}

}  // namespace korvel
