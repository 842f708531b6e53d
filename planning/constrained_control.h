#pragma once
// The optimal control's tracking problem with recruitments that can be carried out: u(t) >= 0,
// optional caps per stage u_i(t) <= c_i and per period sum_i u_i(t) <= C, solved as one convex
// quadratic programme. Pure functions over the problem; TRACKING_PROBLEM reads it from the state.

#include <optional>
#include <vector>

namespace korvel {

// Stocks s(t) = P' s(t-1) + u(t), s(0) the initial stocks; the recruitment entries of the state
// are u(t) itself. Cost J = sum over t of sum over the 2n entries of r(t) (x(t) - a(t))^2.
struct TrackingProblem {
    int n = 0;
    int periods = 0;
    std::vector<double> p;               // p_ij at (i - 1) n + (j - 1)
    std::vector<double> initial_stocks;  // s(0)
    std::vector<double> path;            // a_k(t) at (t - 1) 2n + (k - 1)
    std::vector<double> weights;         // r_k(t), laid out as path

    double pij(int i, int j) const { return p[static_cast<size_t>((i - 1) * n + (j - 1))]; }
    double pathAt(int t, int k) const { return path[static_cast<size_t>((t - 1) * 2 * n + (k - 1))]; }
    double weightAt(int t, int k) const { return weights[static_cast<size_t>((t - 1) * 2 * n + (k - 1))]; }
};

// The problem of the control state: P from MATRIX_X, s(0), NOMINAL_PATH and PATH_WEIGHTS.
TrackingProblem TRACKING_PROBLEM(int n, int period_count);

struct RecruitmentLimits {
    std::vector<std::optional<double>> stage_caps;  // c_i at i - 1; empty means none at all
    std::optional<double> total_cap;                 // C

    std::optional<double> capOf(int i) const {
        return static_cast<size_t>(i) <= stage_caps.size() ? stage_caps[static_cast<size_t>(i - 1)] : std::nullopt;
    }
};

// A plan: u_i(t) at (t - 1) n + (i - 1).
using RecruitmentPlan = std::vector<double>;

// The stocks s_i(t) the plan gives, laid out as the plan.
std::vector<double> STOCKS_UNDER(const TrackingProblem& problem, const RecruitmentPlan& plan);
// The same, each stock rounded to whole persons as it is reached, as the Riccati forward pass
// rounds its states.
std::vector<double> WHOLE_STOCKS_UNDER(const TrackingProblem& problem, const RecruitmentPlan& plan);
double TRACKING_COST(const TrackingProblem& problem, const RecruitmentPlan& plan);
// J of given stocks and recruits, laid out as the plan.
double TRAJECTORY_COST(const TrackingProblem& problem, const std::vector<double>& stocks, const RecruitmentPlan& plan);
// dJ/du_i(t), laid out as the plan, by one backward sweep of the adjoint.
std::vector<double> COST_GRADIENT(const TrackingProblem& problem, const RecruitmentPlan& plan);

enum class ConstrainedStatus { Solved, IterationLimit, NumericalFailure };

struct ConstrainedSolution {
    ConstrainedStatus status = ConstrainedStatus::NumericalFailure;
    RecruitmentPlan recruits;
    std::vector<double> stocks;
    double cost = 0.0;
};

ConstrainedSolution SOLVE_CONSTRAINED_CONTROL(const TrackingProblem& problem, const RecruitmentLimits& limits);

// Evidence that a plan solves the programme: the largest amount by which it breaks a bound or a
// cap, and the largest entry of u - proj(u - grad J), the projection onto the plans that keep
// every limit (zero exactly at a point that meets the optimality conditions).
double LARGEST_VIOLATION(const TrackingProblem& problem, const RecruitmentLimits& limits, const RecruitmentPlan& plan);
double KKT_RESIDUAL(const TrackingProblem& problem, const RecruitmentLimits& limits, const RecruitmentPlan& plan);

}  // namespace korvel
