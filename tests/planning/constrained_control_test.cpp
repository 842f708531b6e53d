// The constrained control against the Riccati solver where no limit binds, its optimality
// conditions checked from the solution with an independent gradient (Eigen), the seven-grade
// example against the Riccati plan with its negative recruits set to 0 (Eigen), and a two-stage
// case worked by hand with the evidence the certificate shows.

#include "tests/analysis/analysis_fixture.h"
#include "analysis/analysis_commands.h"
#include "control/control_commands.h"
#include "control/control_state.h"
#include "planning/constrained_control.h"
#include "tests/control/control_oracle.h"
#include "tests/control/working_directory.h"

#include <fstream>
#include <random>

namespace korvel {
namespace {

TrackingProblem trackingOf(const ControlProblem& oracle) {
    TrackingProblem problem;
    problem.n = oracle.n();
    problem.periods = oracle.periods();
    for (int i = 0; i < problem.n; ++i) {
        for (int j = 0; j < problem.n; ++j) problem.p.push_back(oracle.p(i, j));
        problem.initial_stocks.push_back(oracle.x0(i));
    }
    for (int t = 0; t < problem.periods; ++t)
        for (int k = 0; k < 2 * problem.n; ++k) {
            problem.path.push_back(oracle.path[static_cast<size_t>(t)](k));
            problem.weights.push_back(oracle.weights[static_cast<size_t>(t)](k));
        }
    return problem;
}

// Whole numbers and quarters for the targets and weights.
// Recruitment targets run from `lowest_recruit` up.
ControlProblem randomProblem(int n, int periods, float lowest_recruit, std::mt19937& generator) {
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    auto whole = [&](float low, float high) { return std::round(low + (high - low) * unit(generator)); };
    ControlProblem problem;
    // Rows of P sum to at most 0.9: a stable model.
    problem.p = Eigen::MatrixXd(n, n);
    for (int i = 0; i < n; ++i) {
        float room = 0.9f;
        for (int j = 0; j < n; ++j) room -= static_cast<float>(problem.p(i, j) = room * unit(generator) * (j == i ? 1.0f : 0.5f));
    }
    problem.x0 = Eigen::VectorXd(2 * n);
    for (int i = 0; i < 2 * n; ++i) problem.x0(i) = whole(i < n ? 20.0f : 0.0f, i < n ? 200.0f : 20.0f);
    for (int t = 0; t < periods; ++t) {
        Eigen::VectorXd a(2 * n), r(2 * n);
        for (int i = 0; i < 2 * n; ++i) {
            a(i) = i < n ? whole(20.0f, 200.0f) : whole(lowest_recruit, 30.0f);
            r(i) = 0.25 + static_cast<double>(whole(0.0f, 7.0f)) * 0.25;
        }
        problem.path.push_back(a);
        problem.weights.push_back(r);
    }
    return problem;
}

double scaleOf(const TrackingProblem& problem) {
    double scale = 1.0;
    for (const double v : problem.initial_stocks) scale = std::max(scale, std::abs(v));
    for (const double v : problem.path) scale = std::max(scale, std::abs(v));
    return scale;
}

using ConstrainedControlTest = AnalysisTest;

// Where the unconstrained optimum (the stacked least-squares oracle) recruits nobody negative and
// no cap is given, the programme's solution is that optimum, within 1e-6 of the problem's scale.
TEST(ConstrainedControl, EqualsRiccatiWhereNoLimitBinds) {
    std::mt19937 generator(26);
    int compared = 0;
    for (int n = 1; n <= 5; ++n)
        for (int periods = 1; periods <= 8; ++periods)
            for (int trial = 0; trial < 4; ++trial) {
                const ControlProblem oracle = randomProblem(n, periods, 10.0f, generator);
                const Eigen::VectorXd riccati = stackedControls(oracle, 1, oracle.x0);
                if (riccati.minCoeff() < 0.0) continue;
                const TrackingProblem problem = trackingOf(oracle);
                const ConstrainedSolution solution = SOLVE_CONSTRAINED_CONTROL(problem, {});
                ASSERT_EQ(ConstrainedStatus::Solved, solution.status);
                for (int k = 0; k < n * periods; ++k)
                    EXPECT_NEAR(riccati(k), solution.recruits[static_cast<size_t>(k)], 1e-6 * scaleOf(problem))
                        << "n " << n << " N " << periods << " trial " << trial << " entry " << k;
                ++compared;
            }
    EXPECT_GT(compared, 40);
}

// J of a plan of the oracle's problem, run forward in double.
double oracleCost(const ControlProblem& oracle, const Eigen::VectorXd& u) {
    const int n = oracle.n();
    double cost = 0.0;
    Eigen::VectorXd x = oracle.x0;
    for (int t = 0; t < oracle.periods(); ++t) {
        x = nextState(oracle, x, u.segment(n * t, n));
        const Eigen::VectorXd e = x - oracle.path[static_cast<size_t>(t)];
        cost += e.dot(oracle.weights[static_cast<size_t>(t)].cwiseProduct(e));
    }
    return cost;
}

// The shipped example asks for negative recruits: the programme's plan recruits nobody negative,
// costs at least the Riccati J and at most the Riccati plan clipped at 0.
TEST_F(ConstrainedControlTest, SevenGradesRecruitNobodyNegative) {
    WorkingDirectory directory;
    readFile(examplePath("civil_service_grades.d"));
    SHOWDATA(false);
    std::ifstream control(examplePath("OPTIMAL_CONTROL_civil_service_grades.d"));
    directory.write("OPTIMAL_CONTROL.d", std::string(std::istreambuf_iterator<char>(control), {}));
    OPTIMAL_CONTROL(true);
    ASSERT_TRUE(CONTROL_SOLVED);
    const TrackingProblem problem = TRACKING_PROBLEM(STAGE_COUNT, CONTROL_PERIOD);
    ControlProblem oracle{Eigen::Map<const Eigen::MatrixXd>(problem.p.data(), problem.n, problem.n).transpose(),
                          Eigen::VectorXd::Zero(2 * problem.n), {}, {}};
    for (int i = 0; i < problem.n; ++i) oracle.x0(i) = problem.initial_stocks[static_cast<size_t>(i)];
    for (int t = 0; t < problem.periods; ++t) {
        oracle.path.push_back(Eigen::Map<const Eigen::VectorXd>(&problem.path[static_cast<size_t>(2 * problem.n * t)], 2 * problem.n));
        oracle.weights.push_back(Eigen::Map<const Eigen::VectorXd>(&problem.weights[static_cast<size_t>(2 * problem.n * t)], 2 * problem.n));
    }
    const Eigen::VectorXd riccati = stackedControls(oracle, 1, oracle.x0);
    ASSERT_LT(riccati.minCoeff(), -0.5) << "the example no longer asks for a negative recruit";
    const double j = oracleCost(oracle, riccati), j_clipped = oracleCost(oracle, riccati.cwiseMax(0.0));

    const ConstrainedSolution solution = SOLVE_CONSTRAINED_CONTROL(problem, {});
    ASSERT_EQ(ConstrainedStatus::Solved, solution.status);
    const Eigen::Map<const Eigen::VectorXd> u(solution.recruits.data(), static_cast<Eigen::Index>(solution.recruits.size()));
    EXPECT_GE(u.minCoeff(), -1e-9);
    const double j_c = oracleCost(oracle, u);
    EXPECT_NEAR(j_c, solution.cost, 1e-9 * j_c);
    EXPECT_GE(j_c, j * (1.0 - 1e-9));
    EXPECT_LE(j_c, j_clipped * (1.0 + 1e-9));
}

// J(u) = sum over t of |W(t)(x(t) - a(t))|^2 with x stacked as H u + f: its gradient in double,
// from the oracle's own state equation.
Eigen::VectorXd independentGradient(const ControlProblem& oracle, const Eigen::VectorXd& u) {
    const int n = oracle.n(), periods = oracle.periods();
    Eigen::VectorXd gradient = Eigen::VectorXd::Zero(n * periods);
    Eigen::VectorXd x = oracle.x0;
    std::vector<Eigen::VectorXd> residuals;
    for (int t = 0; t < periods; ++t) {
        x = nextState(oracle, x, u.segment(n * t, n));
        residuals.push_back(2.0 * oracle.weights[static_cast<size_t>(t)].cwiseProduct(x - oracle.path[static_cast<size_t>(t)]));
    }
    for (int k = 0; k < periods; ++k)
        for (int c = 0; c < n; ++c) {
            // The effect of a unit recruit u_c(k) on every later state.
            Eigen::VectorXd effect = nextState(oracle, Eigen::VectorXd::Zero(2 * n), Eigen::VectorXd::Unit(n, c));
            for (int t = k; t < periods; ++t) {
                gradient(n * k + c) += residuals[static_cast<size_t>(t)].dot(effect);
                effect = nextState(oracle, effect, Eigen::VectorXd::Zero(n));
            }
        }
    return gradient;
}

// Stationarity with multipliers of the right signs, period by period: some mu >= 0 for the
// total cap (0 unless it binds) with g_i + mu = 0 on free entries, >= 0 at u_i = 0 and <= 0 at
// u_i = c_i. Returns the number of binding bounds and caps met.
int expectOptimal(const ControlProblem& oracle, const RecruitmentLimits& limits, const RecruitmentPlan& plan, double tolerance) {
    const int n = oracle.n();
    const Eigen::VectorXd g = independentGradient(oracle, Eigen::Map<const Eigen::VectorXd>(plan.data(), static_cast<Eigen::Index>(plan.size())));
    const double bound_tolerance = 1e-7 * (1.0 + limits.total_cap.value_or(0.0));
    int binding = 0;
    for (int t = 0; t < oracle.periods(); ++t) {
        double total = 0.0;
        for (int i = 0; i < n; ++i) total += plan[static_cast<size_t>(n * t + i)];
        const bool total_binds = limits.total_cap && total >= *limits.total_cap - bound_tolerance;
        double low = 0.0, high = total_binds ? HUGE_VAL : 0.0;
        binding += total_binds;
        for (int i = 0; i < n; ++i) {
            const double u = plan[static_cast<size_t>(n * t + i)], gi = g(n * t + i);
            const auto cap = limits.capOf(i + 1);
            EXPECT_GE(u, -bound_tolerance);
            if (cap) {
                EXPECT_LE(u, *cap + bound_tolerance);
            }
            const bool at_zero = u <= bound_tolerance, at_cap = cap && u >= *cap - bound_tolerance;
            binding += at_zero || at_cap;
            if (!at_cap) low = std::max(low, -gi - tolerance);
            if (!at_zero) high = std::min(high, -gi + tolerance);
        }
        EXPECT_LE(low, high) << "no multiplier fits period " << t + 1;
    }
    return binding;
}

TEST_F(ConstrainedControlTest, OptimalityConditionsHoldWithCaps) {
    std::mt19937 generator(2026);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    int binding = 0;
    for (int n = 1; n <= 5; ++n)
        for (int periods = 1; periods <= 8; ++periods) {
            const ControlProblem oracle = randomProblem(n, periods, -30.0f, generator);
            const TrackingProblem problem = trackingOf(oracle);
            RecruitmentLimits limits;
            for (int i = 0; i < n; ++i)
                limits.stage_caps.push_back(unit(generator) < 0.5 ? std::optional<double>(std::round(30.0 * unit(generator))) : std::nullopt);
            if (periods % 2 == 0) limits.total_cap = std::round(10.0 + 40.0 * unit(generator));
            const ConstrainedSolution solution = SOLVE_CONSTRAINED_CONTROL(problem, limits);
            ASSERT_EQ(ConstrainedStatus::Solved, solution.status);
            const double scale = scaleOf(problem) * 8.0;
            binding += expectOptimal(oracle, limits, solution.recruits, 1e-6 * scale);
            EXPECT_LE(KKT_RESIDUAL(problem, limits, solution.recruits), 1e-6 * scale) << "n " << n << " N " << periods;
            EXPECT_LE(LARGEST_VIOLATION(problem, limits, solution.recruits), 1e-9 * scale);
        }
    EXPECT_GT(binding, 40);
}

// Two stages, two periods: all of stage 1 moves up to stage 2, which everyone leaves after a
// period. Stocks weigh 1, direct recruits into stage 2 weigh 1 with target 0; recruits into
// stage 1 are free. With u = (a, b) the only coupled pair u_1(1), u_2(2):
//   J = (a - 10)^2 + (a + b - 4)^2 + b^2 + (u_1(2) - 10)^2 + 2 u_2(1)^2,
// free optimum a = 8, b = -2 (J = 12). Bounded below by 0, b = 0 binds and a = 7 (J = 18).
TEST(ConstrainedControlByHand, OneBoundBinds) {
    TrackingProblem problem{2, 2, {0, 1, 0, 0}, {0, 0}, {10, 0, 0, 0, 10, 4, 0, 0}, {1, 1, 0, 1, 1, 1, 0, 1}};
    struct Case {
        const char* what;
        RecruitmentLimits limits;
        RecruitmentPlan expected;  // u_1(1), u_2(1), u_1(2), u_2(2)
        double cost;
    };
    const Case cases[] = {
        {"no cap: u_2(2) held at 0", {}, {7, 0, 10, 0}, 18},
        {"stage 1 capped at 6 in both periods", {{6.0, std::nullopt}, std::nullopt}, {6, 0, 6, 0}, 36},
        {"total of 9 binds in period 2 only", {{}, 9.0}, {7, 0, 9, 0}, 19},
    };
    for (const Case& c : cases) {
        const ConstrainedSolution solution = SOLVE_CONSTRAINED_CONTROL(problem, c.limits);
        ASSERT_EQ(ConstrainedStatus::Solved, solution.status) << c.what;
        for (size_t k = 0; k < c.expected.size(); ++k) EXPECT_NEAR(c.expected[k], solution.recruits[k], 1e-7) << c.what << " entry " << k;
        EXPECT_NEAR(c.cost, solution.cost, 1e-6) << c.what;
    }
    // The certificate's evidence on plans of this problem. At the free optimum (8, 0, 10, -2) the
    // gradient is 0, so the projected step only clamps; at 0 it is (-28, 0, -20, -8), stepped by
    // 1/(2 r_max) = 1/2 to (14, 0, 10, 4).
    const struct {
        const char* what;
        RecruitmentPlan plan;
        RecruitmentLimits limits;
        double violation, kkt;
    } evidence[] = {
        {"free optimum", {8, 0, 10, -2}, {}, 2, 2},
        {"free optimum, stage 1 capped at 6", {8, 0, 10, -2}, {{6.0, std::nullopt}, std::nullopt}, 4, 4},
        {"free optimum, total of 7: 8 and 10 brought down to 7", {8, 0, 10, -2}, {{}, 7.0}, 2, 3},
        {"nobody", {0, 0, 0, 0}, {}, 0, 14},
        {"the bounded optimum", {7, 0, 10, 0}, {}, 0, 0},
    };
    for (const auto& e : evidence) {
        EXPECT_NEAR(e.violation, LARGEST_VIOLATION(problem, e.limits, e.plan), 1e-12) << e.what;
        EXPECT_NEAR(e.kkt, KKT_RESIDUAL(problem, e.limits, e.plan), 1e-9) << e.what;
    }
}

}  // namespace
}  // namespace korvel
