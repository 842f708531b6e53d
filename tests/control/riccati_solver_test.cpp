// The solver against the stacked least-squares oracle on random stable models. One stage worked
// by hand is the scenario control_by_hand.

#include "tests/analysis/analysis_fixture.h"
#include "control/control_state.h"
#include "control/optimal_control_solve.h"
#include "tests/control/control_oracle.h"
#include "tests/control/working_directory.h"

#include <algorithm>
#include <limits>
#include <random>

namespace korvel {
namespace {

class RiccatiSolverTest : public AnalysisTest {
protected:
    // The problem into the model state and the control's stores, as the command leaves them.
    static void load(const ControlProblem& problem) {
        const int n = problem.n();
        STAGE_COUNT = n;
        DATA_READ = true;
        X_HOLDS_P = true;
        for (int i = 1; i <= n; ++i) {
            for (int j = 1; j <= n; ++j) MATRIX_X(i, j) = static_cast<float>(problem.p(i - 1, j - 1));
            INITIAL_STOCKS(i) = static_cast<float>(problem.x0(i - 1));
            INFLOWS(i) = static_cast<float>(problem.x0(n + i - 1));
        }
        for (int t = 1; t <= problem.periods(); ++t)
            for (int i = 1; i <= 2 * n; ++i) {
                NOMINAL_PATH(t, i) = static_cast<float>(problem.path[static_cast<size_t>(t - 1)](i - 1));
                PATH_WEIGHTS(t, i) = static_cast<float>(problem.weights[static_cast<size_t>(t - 1)](i - 1));
            }
    }
};

// Every value a float holds exactly, so the oracle sees the problem the solver sees.
ControlProblem randomProblem(int n, int periods, std::mt19937& generator) {
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    auto whole = [&](float low, float high) { return std::round(low + (high - low) * unit(generator)); };
    ControlProblem problem;
    // Rows of P sum to at most 0.9: every stage has outflows, so the model is stable.
    problem.p = Eigen::MatrixXd(n, n);
    for (int i = 0; i < n; ++i) {
        float room = 0.9f;
        for (int j = 0; j < n; ++j) {
            const float p = room * unit(generator) * (j == i ? 1.0f : 0.5f);
            problem.p(i, j) = p;
            room -= p;
        }
    }
    problem.x0 = Eigen::VectorXd(2 * n);
    for (int i = 0; i < 2 * n; ++i) problem.x0(i) = whole(i < n ? 20.0f : 0.0f, i < n ? 200.0f : 20.0f);
    for (int t = 0; t < periods; ++t) {
        Eigen::VectorXd a(2 * n), r(2 * n);
        for (int i = 0; i < 2 * n; ++i) {
            a(i) = whole(i < n ? 20.0f : 0.0f, i < n ? 200.0f : 30.0f);
            r(i) = 0.25 + static_cast<double>(static_cast<float>(whole(0.0f, 7.0f))) * 0.25;
        }
        problem.path.push_back(a);
        problem.weights.push_back(r);
    }
    return problem;
}

// The largest magnitude of the problem's stocks and paths, which the controls balance.
double scaleOf(const ControlProblem& problem) {
    double scale = 1.0 + problem.x0.cwiseAbs().maxCoeff();
    for (const Eigen::VectorXd& a : problem.path) scale = std::max(scale, 1.0 + a.cwiseAbs().maxCoeff());
    return scale;
}

// A few roundings of single precision at the problem's scale.
constexpr double TOLERANCE = 8.0 * std::numeric_limits<float>::epsilon();

// The rule's value before rounding agrees with the oracle's first control from the state the
// solver reached, in every period, within a few single-precision roundings at the problem's
// scale.
TEST_F(RiccatiSolverTest, RuleValuesAgreeWithStackedLeastSquares) {
    std::mt19937 generator(2026);
    WorkingDirectory directory;
    for (int n = 1; n <= 4; ++n)
        for (int periods = 1; periods <= 6; ++periods)
            for (int trial = 0; trial < 3; ++trial) {
                const ControlProblem problem = randomProblem(n, periods, generator);
                load(problem);
                ASSERT_TRUE(CALC_OPT_CONTR(n, 2 * n, periods)) << "n " << n << " N " << periods;
                for (int t = 1; t <= periods; ++t) {
                    Eigen::VectorXd reached(2 * n);
                    for (int i = 0; i < 2 * n; ++i) reached(i) = OPTIMAL_STATES(t, i + 1);
                    const Eigen::VectorXd expected = firstControl(problem, t, reached);
                    for (int i = 0; i < n; ++i)
                        EXPECT_NEAR(expected(i), RULE_VALUES(t, i + 1), TOLERANCE * scaleOf(problem))
                            << "n " << n << " N " << periods << " trial " << trial << " t " << t << " stage " << i + 1;
                }
            }
    EXPECT_TRUE(CONTROL_SOLVED);
    EXPECT_TRUE(directory.holdsOnly({}));
}

}  // namespace
}  // namespace korvel
