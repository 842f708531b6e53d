#pragma once
// An independent solution of the optimal control problem: the controls of the remaining
// periods stacked into one weighted least-squares problem and solved by Eigen in double. By
// the principle of optimality, the first control of the problem that starts from the state
// reached at period t - 1 is the rule's value at period t.

#include <Eigen/Dense>

#include <cmath>
#include <vector>

namespace korvel {

struct ControlProblem {
    Eigen::MatrixXd p;                  // n x n transition matrix
    Eigen::VectorXd x0;                 // m = 2n: the stocks, then the recruitments
    std::vector<Eigen::VectorXd> path;  // a(1..N), at index t - 1
    std::vector<Eigen::VectorXd> weights;

    int n() const { return static_cast<int>(p.rows()); }
    int periods() const { return static_cast<int>(path.size()); }
};

// x(t) = A x(t-1) + B u(t): the stocks move by P' and receive the recruits, which the
// recruitment entries record.
inline Eigen::VectorXd nextState(const ControlProblem& problem, const Eigen::VectorXd& x, const Eigen::VectorXd& u) {
    const int n = problem.n();
    Eigen::VectorXd next(2 * n);
    next.head(n) = problem.p.transpose() * x.head(n) + u;
    next.tail(n) = u;
    return next;
}

// The optimal u(first), ..., u(N) from the state `start` at period first - 1.
inline Eigen::VectorXd stackedControls(const ControlProblem& problem, int first, const Eigen::VectorXd& start) {
    const int n = problem.n(), m = 2 * n, count = problem.periods() - first + 1;
    // x(first - 1 + s) = F_s start + sum over j <= s of H_sj u(first - 1 + j)
    Eigen::MatrixXd h = Eigen::MatrixXd::Zero(m * count, n * count);
    Eigen::VectorXd target(m * count), weight(m * count);
    Eigen::VectorXd free_state = start;
    for (int s = 0; s < count; ++s) {
        free_state = nextState(problem, free_state, Eigen::VectorXd::Zero(n));
        for (int j = 0; j <= s; ++j) {
            // The effect of u(first + j) on x(first + s): B, then s - j steps of A.
            Eigen::MatrixXd effect(m, n);
            for (int c = 0; c < n; ++c) {
                Eigen::VectorXd x = nextState(problem, Eigen::VectorXd::Zero(m), Eigen::VectorXd::Unit(n, c));
                for (int step = j; step < s; ++step) x = nextState(problem, x, Eigen::VectorXd::Zero(n));
                effect.col(c) = x;
            }
            h.block(m * s, n * j, m, n) = effect;
        }
        const int t = first + s;
        target.segment(m * s, m) = problem.path[static_cast<size_t>(t - 1)] - free_state;
        weight.segment(m * s, m) = problem.weights[static_cast<size_t>(t - 1)].cwiseSqrt();
    }
    const Eigen::MatrixXd weighted = weight.asDiagonal() * h;
    return weighted.colPivHouseholderQr().solve(weight.asDiagonal() * target);
}

inline Eigen::VectorXd firstControl(const ControlProblem& problem, int t, const Eigen::VectorXd& state) {
    return stackedControls(problem, t, state).head(problem.n());
}

// The trajectory as the program shows it: from each rounded state the rule's value, rounded
// halves away from zero, and the next state rounded.
struct RoundedTrajectory {
    std::vector<Eigen::VectorXd> states;    // x*(0..N)
    std::vector<Eigen::VectorXd> controls;  // u*(1..N)
};

inline RoundedTrajectory roundedTrajectory(const ControlProblem& problem) {
    RoundedTrajectory trajectory;
    Eigen::VectorXd x = problem.x0;
    trajectory.states.push_back(x);
    for (int t = 1; t <= problem.periods(); ++t) {
        const Eigen::VectorXd v = firstControl(problem, t, x);
        x = nextState(problem, x, v).unaryExpr([](double value) { return std::round(value); });
        trajectory.states.push_back(x);
        trajectory.controls.push_back(v.unaryExpr([](double value) { return std::round(value); }));
    }
    return trajectory;
}

}  // namespace korvel
