#include "planning/constrained_control.h"

#include "control/control_state.h"
#include "planning/quadratic_program.h"

#include <algorithm>
#include <cassert>
#include <cmath>

namespace korvel {

namespace {

size_t at(const TrackingProblem& problem, int t, int i) { return static_cast<size_t>((t - 1) * problem.n + (i - 1)); }

// Columns: u_i(t) at (t - 1) n + (i - 1), then s_i(t) at nN + (t - 1) n + (i - 1). The state is
// kept as variables tied by one equality row per stock: the Hessian stays diagonal and the rows
// as sparse as P, where eliminating x would make a dense Hessian of (nN)^2 entries.
QuadraticProgram programOf(const TrackingProblem& problem, const RecruitmentLimits& limits) {
    const int n = problem.n, periods = problem.periods, plan_size = n * periods;
    QuadraticProgram program;
    const size_t columns = static_cast<size_t>(2 * plan_size);
    program.hessian.resize(columns);
    program.linear.resize(columns);
    program.lower.assign(columns, -QP_INFINITY);
    program.upper.assign(columns, QP_INFINITY);
    for (int t = 1; t <= periods; ++t)
        for (int i = 1; i <= n; ++i) {
            const size_t u = at(problem, t, i), s = u + static_cast<size_t>(plan_size);
            // r (x - a)^2 = 0.5 (2r) x^2 - 2ra x + constant
            program.hessian[u] = 2.0 * problem.weightAt(t, n + i);
            program.linear[u] = -2.0 * problem.weightAt(t, n + i) * problem.pathAt(t, n + i);
            program.hessian[s] = 2.0 * problem.weightAt(t, i);
            program.linear[s] = -2.0 * problem.weightAt(t, i) * problem.pathAt(t, i);
            program.lower[u] = 0.0;
            if (const auto cap = limits.capOf(i)) program.upper[u] = *cap;
        }
    // s_i(t) - sum_j p_ji s_j(t-1) - u_i(t) = 0, with s(0) moved to the right-hand side.
    for (int t = 1; t <= periods; ++t)
        for (int i = 1; i <= n; ++i) {
            const int row = static_cast<int>(at(problem, t, i));
            double fixed = 0.0;
            program.entries.push_back({row, plan_size + row, 1.0});
            program.entries.push_back({row, row, -1.0});
            for (int j = 1; j <= n; ++j) {
                if (problem.pij(j, i) == 0.0) continue;
                if (t == 1) fixed += problem.pij(j, i) * problem.initial_stocks[static_cast<size_t>(j - 1)];
                else program.entries.push_back({row, plan_size + static_cast<int>(at(problem, t - 1, j)), -problem.pij(j, i)});
            }
            program.row_lower.push_back(fixed);
            program.row_upper.push_back(fixed);
        }
    if (limits.total_cap)
        for (int t = 1; t <= periods; ++t) {
            const int row = static_cast<int>(program.row_lower.size());
            for (int i = 1; i <= n; ++i) program.entries.push_back({row, static_cast<int>(at(problem, t, i)), 1.0});
            program.row_lower.push_back(-QP_INFINITY);
            program.row_upper.push_back(*limits.total_cap);
        }
    return program;
}

ConstrainedStatus statusOf(QpStatus status) {
    switch (status) {
    case QpStatus::Solved: return ConstrainedStatus::Solved;
    case QpStatus::IterationLimit: return ConstrainedStatus::IterationLimit;
    // Recruiting nobody keeps every limit, so an infeasible or unbounded verdict is the solver's
    // own failure.
    default: return ConstrainedStatus::NumericalFailure;
    }
}

// The plans of one period that keep the limits: clamp(y - mu, 0, c) with mu >= 0 the smallest
// that brings the total within C, found by bisection.
void projectPeriod(const TrackingProblem& problem, const RecruitmentLimits& limits, double* y) {
    const int n = problem.n;
    const auto clamped = [&](double value, int i) {
        const double upper = limits.capOf(i).value_or(HUGE_VAL);
        return std::clamp(value, 0.0, upper);
    };
    const auto totalAfter = [&](double mu) {
        double total = 0.0;
        for (int i = 1; i <= n; ++i) total += clamped(y[i - 1] - mu, i);
        return total;
    };
    double mu = 0.0;
    if (limits.total_cap && totalAfter(0.0) > *limits.total_cap) {
        double low = 0.0, high = *std::max_element(y, y + n);
        for (int step = 0; step < 200 && high - low > 1e-15 * (1.0 + high); ++step) {
            const double middle = 0.5 * (low + high);
            (totalAfter(middle) > *limits.total_cap ? low : high) = middle;
        }
        mu = high;
    }
    for (int i = 1; i <= n; ++i) y[i - 1] = clamped(y[i - 1] - mu, i);
}

double largestWeight(const TrackingProblem& problem) {
    double largest = 0.0;
    for (const double r : problem.weights) largest = std::max(largest, std::abs(r));
    return largest;
}

// The stocks a plan gives, each rounded to whole persons as it is reached when `whole`.
std::vector<double> stocksUnder(const TrackingProblem& problem, const RecruitmentPlan& plan, bool whole) {
    const int n = problem.n;
    assert(plan.size() == static_cast<size_t>(n * problem.periods));
    std::vector<double> stocks(plan.size());
    for (int t = 1; t <= problem.periods; ++t)
        for (int i = 1; i <= n; ++i) {
            double stock = plan[at(problem, t, i)];
            for (int j = 1; j <= n; ++j)
                stock += problem.pij(j, i) * (t == 1 ? problem.initial_stocks[static_cast<size_t>(j - 1)] : stocks[at(problem, t - 1, j)]);
            stocks[at(problem, t, i)] = whole ? std::round(stock) : stock;
        }
    return stocks;
}

}  // namespace

TrackingProblem TRACKING_PROBLEM(int n, int period_count) {
    assert(n >= 1 && n <= MAX_CONTROL_STAGES && period_count >= 1 && period_count <= MAX_CONTROL_PERIODS);
    TrackingProblem problem;
    problem.n = n;
    problem.periods = period_count;
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j) problem.p.push_back(MATRIX_X(i, j));
        problem.initial_stocks.push_back(INITIAL_STOCKS(i));
    }
    for (int t = 1; t <= period_count; ++t)
        for (int k = 1; k <= 2 * n; ++k) {
            problem.path.push_back(NOMINAL_PATH(t, k));
            problem.weights.push_back(PATH_WEIGHTS(t, k));
        }
    return problem;
}

std::vector<double> STOCKS_UNDER(const TrackingProblem& problem, const RecruitmentPlan& plan) {
    return stocksUnder(problem, plan, false);
}

std::vector<double> WHOLE_STOCKS_UNDER(const TrackingProblem& problem, const RecruitmentPlan& plan) {
    return stocksUnder(problem, plan, true);
}

double TRACKING_COST(const TrackingProblem& problem, const RecruitmentPlan& plan) {
    return TRAJECTORY_COST(problem, STOCKS_UNDER(problem, plan), plan);
}

double TRAJECTORY_COST(const TrackingProblem& problem, const std::vector<double>& stocks, const RecruitmentPlan& plan) {
    const int n = problem.n;
    double cost = 0.0;
    for (int t = 1; t <= problem.periods; ++t)
        for (int i = 1; i <= n; ++i) {
            const double ds = stocks[at(problem, t, i)] - problem.pathAt(t, i);
            const double du = plan[at(problem, t, i)] - problem.pathAt(t, n + i);
            cost += problem.weightAt(t, i) * ds * ds + problem.weightAt(t, n + i) * du * du;
        }
    return cost;
}

// lambda(t) = dJ/ds(t) = 2 r_s(t)(s(t) - a_s(t)) + P lambda(t+1), lambda(N+1) = 0;
// dJ/du(t) = lambda(t) + 2 r_u(t)(u(t) - a_u(t)).
std::vector<double> COST_GRADIENT(const TrackingProblem& problem, const RecruitmentPlan& plan) {
    const std::vector<double> stocks = STOCKS_UNDER(problem, plan);
    const int n = problem.n;
    std::vector<double> gradient(plan.size());
    std::vector<double> later(static_cast<size_t>(n), 0.0), lambda(static_cast<size_t>(n));
    for (int t = problem.periods; t >= 1; --t) {
        for (int i = 1; i <= n; ++i) {
            double carried = 0.0;
            for (int j = 1; j <= n; ++j) carried += problem.pij(i, j) * later[static_cast<size_t>(j - 1)];
            lambda[static_cast<size_t>(i - 1)] = 2.0 * problem.weightAt(t, i) * (stocks[at(problem, t, i)] - problem.pathAt(t, i)) + carried;
        }
        for (int i = 1; i <= n; ++i)
            gradient[at(problem, t, i)] = lambda[static_cast<size_t>(i - 1)] +
                                          2.0 * problem.weightAt(t, n + i) * (plan[at(problem, t, i)] - problem.pathAt(t, n + i));
        later = lambda;
    }
    return gradient;
}

ConstrainedSolution SOLVE_CONSTRAINED_CONTROL(const TrackingProblem& problem, const RecruitmentLimits& limits) {
    assert(problem.n >= 1 && problem.periods >= 1);
    const QpSolution qp = SOLVE_QUADRATIC_PROGRAM(programOf(problem, limits));
    ConstrainedSolution solution;
    solution.status = statusOf(qp.status);
    solution.recruits.assign(qp.x.begin(), qp.x.begin() + problem.n * problem.periods);
    solution.stocks = STOCKS_UNDER(problem, solution.recruits);
    solution.cost = TRACKING_COST(problem, solution.recruits);
    return solution;
}

double LARGEST_VIOLATION(const TrackingProblem& problem, const RecruitmentLimits& limits, const RecruitmentPlan& plan) {
    double largest = 0.0;
    for (int t = 1; t <= problem.periods; ++t) {
        double total = 0.0;
        for (int i = 1; i <= problem.n; ++i) {
            const double u = plan[at(problem, t, i)];
            total += u;
            largest = std::max(largest, -u);
            if (const auto cap = limits.capOf(i)) largest = std::max(largest, u - *cap);
        }
        if (limits.total_cap) largest = std::max(largest, total - *limits.total_cap);
    }
    return largest;
}

// The projected gradient step is taken with length 1/(2 r_max), so the residual is in persons.
double KKT_RESIDUAL(const TrackingProblem& problem, const RecruitmentLimits& limits, const RecruitmentPlan& plan) {
    const std::vector<double> gradient = COST_GRADIENT(problem, plan);
    const double r_max = largestWeight(problem);
    if (r_max == 0.0) return 0.0;
    std::vector<double> stepped(plan.size());
    for (size_t k = 0; k < plan.size(); ++k) stepped[k] = plan[k] - gradient[k] / (2.0 * r_max);
    double largest = 0.0;
    for (int t = 1; t <= problem.periods; ++t) {
        projectPeriod(problem, limits, &stepped[at(problem, t, 1)]);
        for (int i = 1; i <= problem.n; ++i) largest = std::max(largest, std::abs(plan[at(problem, t, i)] - stepped[at(problem, t, i)]));
    }
    return largest;
}

}  // namespace korvel
