#include "planning/target_structure.h"

#include "analysis/matrix_inverse.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <numeric>

namespace korvel {

namespace {

// Structures within this share of the largest stock are the same structure.
constexpr double SAME_STRUCTURE = 1e-9;

// The columns and rows of a linear programme, built up one at a time.
class LinearProgram {
public:
    int column(double cost, double lower, double upper) {
        m_program.hessian.push_back(0.0);
        m_program.linear.push_back(cost);
        m_program.lower.push_back(lower);
        m_program.upper.push_back(upper);
        return static_cast<int>(m_program.linear.size()) - 1;
    }
    int row(double lower, double upper) {
        m_program.row_lower.push_back(lower);
        m_program.row_upper.push_back(upper);
        return static_cast<int>(m_program.row_lower.size()) - 1;
    }
    void entry(int row, int column, double value) {
        if (value != 0.0) m_program.entries.push_back({row, column, value});
    }
    QpSolution solve() const { return SOLVE_QUADRATIC_PROGRAM(m_program); }

private:
    QuadraticProgram m_program;
};

// P^0 .. P^K, each n x n row by row.
class Powers {
public:
    Powers(const TrackingProblem& model, int highest) : m_n(model.n) {
        const size_t n = static_cast<size_t>(m_n);
        std::vector<double> identity(n * n, 0.0);
        for (size_t i = 0; i < n; ++i) identity[i * n + i] = 1.0;
        m_powers.push_back(std::move(identity));
        for (int m = 1; m <= highest; ++m) {
            const std::vector<double>& last = m_powers.back();
            std::vector<double> next(n * n, 0.0);
            for (size_t i = 0; i < n; ++i)
                for (size_t l = 0; l < n; ++l)
                    if (const double a = last[i * n + l]; a != 0.0)
                        for (size_t j = 0; j < n; ++j) next[i * n + j] += a * model.p[l * n + j];
            m_powers.push_back(std::move(next));
        }
    }
    // (P^m)_ij
    double at(int m, int i, int j) const { return m_powers[static_cast<size_t>(m)][static_cast<size_t>((i - 1) * m_n + (j - 1))]; }

private:
    int m_n;
    std::vector<std::vector<double>> m_powers;
};

double largestOf(const Structure& structure) {
    double largest = 1.0;
    for (const double v : structure) largest = std::max(largest, std::abs(v));
    return largest;
}

// Where n(0) alone leads in k periods: n(0) P^k.
std::vector<double> drift(const TrackingProblem& model, const Powers& powers, int k) {
    std::vector<double> reach(static_cast<size_t>(model.n), 0.0);
    for (int i = 1; i <= model.n; ++i)
        for (int j = 1; j <= model.n; ++j) reach[static_cast<size_t>(j - 1)] += model.initial_stocks[static_cast<size_t>(i - 1)] * powers.at(k, i, j);
    return reach;
}

// What the recruitments of k periods must add to each stage for the target: the target less the
// drift of today's stocks.
std::vector<double> wantedFromRecruits(const TrackingProblem& model, const Powers& powers, const Structure& target, int k) {
    std::vector<double> wanted = drift(model, powers, k);
    for (size_t j = 0; j < wanted.size(); ++j) wanted[j] = target[j] - wanted[j];
    return wanted;
}

// Columns u_i(t) of a k-period plan (column (t - 1) n + i - 1) at `cost` each, between 0 and
// the stage's cap, and a row per period capping its total.
void addPlan(LinearProgram& lp, int n, int k, const RecruitmentLimits& limits, double cost) {
    for (int t = 1; t <= k; ++t)
        for (int i = 1; i <= n; ++i) lp.column(cost, 0.0, limits.capOf(i).value_or(QP_INFINITY));
    if (limits.total_cap)
        for (int t = 1; t <= k; ++t) {
            const int row = lp.row(-QP_INFINITY, *limits.total_cap);
            for (int i = 1; i <= n; ++i) lp.entry(row, (t - 1) * n + i - 1, 1.0);
        }
}

// n_j(k) - (n(0) P^k)_j = sum over t and i of u_i(t) (P^(k-t))_ij, in `row`.
void addReach(LinearProgram& lp, const Powers& powers, int n, int k, int row, int j) {
    for (int t = 1; t <= k; ++t)
        for (int i = 1; i <= n; ++i) lp.entry(row, (t - 1) * n + i - 1, powers.at(k - t, i, j));
}

// The solver keeps bounds to its tolerance: the plan kept is within them exactly.
RecruitmentPlan planOf(const QpSolution& solution, int n, int k, const RecruitmentLimits& limits) {
    RecruitmentPlan plan(solution.x.begin(), solution.x.begin() + n * k);
    for (size_t c = 0; c < plan.size(); ++c)
        plan[c] = std::clamp(plan[c], 0.0, limits.capOf(static_cast<int>(c) % n + 1).value_or(HUGE_VAL));
    return plan;
}

TargetSchedule scheduleIn(const TrackingProblem& model, const Powers& powers, const RecruitmentLimits& limits,
                          const Structure& target, int k) {
    const int n = model.n;
    LinearProgram lp;
    addPlan(lp, n, k, limits, 1.0);
    const std::vector<double> wanted = wantedFromRecruits(model, powers, target, k);
    for (int j = 1; j <= n; ++j) {
        const double w = wanted[static_cast<size_t>(j - 1)];
        addReach(lp, powers, n, k, lp.row(w, w), j);
    }
    const QpSolution solution = lp.solve();
    if (solution.status != QpStatus::Solved) return {solution.status, {}};
    return {QpStatus::Solved, planOf(solution, n, k, limits)};
}

// The plan of K periods whose end lies nearest the target: e_j >= |n_j(K) - T_j|, sum e least;
// the recruits themselves cost nothing here.
Attainment nearestIn(const TrackingProblem& model, const Powers& powers, const RecruitmentLimits& limits,
                     const Structure& target, int k) {
    const int n = model.n;
    LinearProgram lp;
    addPlan(lp, n, k, limits, 0.0);
    const std::vector<double> wanted_all = wantedFromRecruits(model, powers, target, k);
    for (int j = 1; j <= n; ++j) {
        const double wanted = wanted_all[static_cast<size_t>(j - 1)];
        const int excess = lp.column(1.0, 0.0, QP_INFINITY);
        const int above = lp.row(wanted, QP_INFINITY), below = lp.row(-QP_INFINITY, wanted);
        addReach(lp, powers, n, k, above, j);
        addReach(lp, powers, n, k, below, j);
        lp.entry(above, excess, 1.0);
        lp.entry(below, excess, -1.0);
    }
    Attainment attainment;
    const QpSolution solution = lp.solve();
    attainment.status = solution.status;
    attainment.periods = k;
    if (solution.status != QpStatus::Solved) return attainment;
    attainment.recruits = planOf(solution, n, k, limits);
    return attainment;
}

}  // namespace

std::vector<double> KEEPING_RECRUITMENT(const TrackingProblem& model, const Structure& structure) {
    const int n = model.n;
    std::vector<double> r(structure);
    for (int j = 1; j <= n; ++j)
        for (int i = 1; i <= n; ++i) r[static_cast<size_t>(j - 1)] -= structure[static_cast<size_t>(i - 1)] * model.pij(i, j);
    return r;
}

// Columns m_j then e_j >= |m_j - T_j|; rows m [I - P] >= 0 and sum m = sum T.
NearestStructure NEAREST_MAINTAINABLE(const TrackingProblem& model, const Structure& target) {
    const int n = model.n;
    LinearProgram lp;
    for (int j = 1; j <= n; ++j) lp.column(0.0, 0.0, QP_INFINITY);
    for (int j = 1; j <= n; ++j) lp.column(1.0, 0.0, QP_INFINITY);
    for (int j = 1; j <= n; ++j) {
        const int row = lp.row(0.0, QP_INFINITY);
        for (int i = 1; i <= n; ++i) lp.entry(row, i - 1, (i == j ? 1.0 : 0.0) - model.pij(i, j));
    }
    const double total = std::accumulate(target.begin(), target.end(), 0.0);
    const int sum = lp.row(total, total);
    for (int j = 1; j <= n; ++j) {
        const double wanted = target[static_cast<size_t>(j - 1)];
        const int above = lp.row(wanted, QP_INFINITY), below = lp.row(-QP_INFINITY, wanted);
        lp.entry(sum, j - 1, 1.0);
        lp.entry(above, j - 1, 1.0);
        lp.entry(above, n + j - 1, 1.0);
        lp.entry(below, j - 1, 1.0);
        lp.entry(below, n + j - 1, -1.0);
    }
    const QpSolution solution = lp.solve();
    NearestStructure nearest;
    nearest.status = solution.status;
    if (solution.status != QpStatus::Solved) return nearest;
    nearest.structure.assign(solution.x.begin(), solution.x.begin() + n);
    for (int j = 1; j <= n; ++j)
        nearest.distance += std::abs(nearest.structure[static_cast<size_t>(j - 1)] - target[static_cast<size_t>(j - 1)]);
    return nearest;
}

TargetSchedule SCHEDULE_IN(const TrackingProblem& model, const RecruitmentLimits& limits, const Structure& target, int k) {
    assert(k >= 1 && target.size() == static_cast<size_t>(model.n));
    return scheduleIn(model, Powers(model, k), limits, target, k);
}

// Feasibility is not monotone in k (n(0) P^k may pass the target exactly once, with nobody
// recruited), so every k is tried in turn rather than bisected.
Attainment FASTEST_ATTAINMENT(const TrackingProblem& model, const RecruitmentLimits& limits, const Structure& target,
                              int max_periods) {
    assert(max_periods >= 1 && target.size() == static_cast<size_t>(model.n));
    double gap = 0.0;
    for (size_t j = 0; j < target.size(); ++j) gap = std::max(gap, std::abs(target[j] - model.initial_stocks[j]));
    if (gap <= SAME_STRUCTURE * largestOf(target)) return {QpStatus::Solved, 0, true, {}, 0.0};
    const Powers powers(model, max_periods);
    for (int k = 1; k <= max_periods; ++k) {
        TargetSchedule schedule = scheduleIn(model, powers, limits, target, k);
        if (schedule.status == QpStatus::Solved) return {QpStatus::Solved, k, true, std::move(schedule.recruits), 0.0};
        if (schedule.status != QpStatus::Infeasible) return {schedule.status, k, false, {}, 0.0};
    }
    Attainment nearest = nearestIn(model, powers, limits, target, max_periods);
    if (nearest.status != QpStatus::Solved) return nearest;
    const std::vector<double> stocks = SCHEDULE_STOCKS(model, nearest.recruits);
    const size_t last = stocks.size() - target.size();
    for (size_t j = 0; j < target.size(); ++j) nearest.distance += std::abs(stocks[last + j] - target[j]);
    return nearest;
}

std::vector<double> SCHEDULE_STOCKS(const TrackingProblem& model, const RecruitmentPlan& recruits) {
    TrackingProblem run = model;
    run.periods = static_cast<int>(recruits.size()) / model.n;
    return STOCKS_UNDER(run, recruits);
}

std::optional<std::vector<Structure>> FIXED_SIZE_CORNERS(const TrackingProblem& model, double total) {
    const int n = model.n;
    const size_t size = static_cast<size_t>(n);
    std::vector<double> a(size * size), rhs(size * size), reduced(size * size);
    std::vector<double*> rhs_rows, reduced_rows;
    for (size_t i = 0; i < size; ++i) {
        for (size_t j = 0; j < size; ++j) a[i * size + j] = (i == j ? 1.0 : 0.0) - model.p[i * size + j];
        rhs_rows.push_back(&rhs[i * size]);
        reduced_rows.push_back(&reduced[i * size]);
    }
    // P was formed from 32-bit values.
    if (GAUSS_JORDAN(a.data(), n, n, WORKING_ROWS{rhs_rows.data(), reduced_rows.data()}, SINGLE_ROUNDING) != MATINV_INVERTED)
        return std::nullopt;
    std::vector<Structure> corners;
    for (size_t i = 0; i < size; ++i) {
        Structure corner(a.begin() + static_cast<std::ptrdiff_t>(i * size), a.begin() + static_cast<std::ptrdiff_t>((i + 1) * size));
        const double sum = std::accumulate(corner.begin(), corner.end(), 0.0);
        if (!(sum > 0.0)) return std::nullopt;
        for (double& v : corner) v *= total / sum;
        corners.push_back(std::move(corner));
    }
    return corners;
}

}  // namespace korvel
