// The example data files read, shown in detail, inverted and projected as a user would, each
// result checked against a property or against Eigen3 in double as an independent oracle. The
// shown cells of the same runs, and two_stage_flows.d worked by hand, are the scenarios
// details_examples and projections_examples.

#include "analysis/analysis_commands.h"
#include "analysis/i_minus_p.h"
#include "tests/analysis/analysis_fixture.h"
#include "control/control_commands.h"

#include <Eigen/Dense>

#include <algorithm>
#include <complex>

namespace korvel {
namespace {

class ExamplesTest : public AnalysisTest, public ::testing::WithParamInterface<const char*> {
protected:
    void SetUp() override {
        AnalysisTest::SetUp();
        readFile(examplePath(GetParam()));
        n = STAGE_COUNT;
        counts = !X_HOLDS_P;
        x = Eigen::MatrixXd(n, n);
        for (int i = 0; i < n; ++i) {
            for (int j = 0; j < n; ++j) x(i, j) = MATRIX_X(i + 1, j + 1);
            outflows.push_back(OUTFLOWS(i + 1));
        }
        SHOWDATA(false);
    }
    Eigen::MatrixXd p() const {
        Eigen::MatrixXd p(n, n);
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n; ++j) p(i, j) = MATRIX_P(i + 1, j + 1);
        return p;
    }
    Eigen::RowVectorXd inflows() const {
        Eigen::RowVectorXd r(n);
        for (int j = 0; j < n; ++j) r(j) = INFLOWS(j + 1);
        return r;
    }

    int n = 0;
    bool counts = false;
    Eigen::MatrixXd x;  // the matrix as read: counts or P
    std::vector<double> outflows;
};

// Each row of P with its w* sums to 1; from counts, P(i, j) x T(i) gives X(i, j) back, T(i) the
// row's total with its outflows.
TEST_P(ExamplesTest, RowsOfPWithWStarSumToOne) {
    for (int i = 1; i <= n; ++i) {
        double sum = OUTFLOWS(i);
        for (int j = 1; j <= n; ++j) sum += MATRIX_P(i, j);
        EXPECT_NEAR(1.0, sum, 1e-6) << "row " << i;
        if (!counts) continue;
        const double total = x.row(i - 1).sum() + outflows[static_cast<size_t>(i - 1)];
        for (int j = 1; j <= n; ++j) EXPECT_NEAR(x(i - 1, j - 1), MATRIX_P(i, j) * total, 1e-6 * total) << i << "," << j;
    }
    EXPECT_TRUE(X_HOLDS_P);
    EXPECT_EQ(!counts, static_cast<bool>(P_FROM_FILE));
}

// The roots left in the table are Eigen's by decreasing modulus, a conjugate pair with its
// positive imaginary part first.
TEST_P(ExamplesTest, RootsAsEigenFindsThem) {
    const Eigen::VectorXcd found = Eigen::EigenSolver<Eigen::MatrixXd>(p(), false).eigenvalues();
    std::vector<std::complex<double>> roots(found.data(), found.data() + found.size());
    std::stable_sort(roots.begin(), roots.end(), [](const auto& a, const auto& b) {
        return std::abs(std::abs(a) - std::abs(b)) > 1e-9 ? std::abs(a) > std::abs(b) : a.imag() > b.imag();
    });
    const bool complex = std::any_of(roots.begin(), roots.end(), [](const auto& root) { return std::abs(root.imag()) > 1e-6; });
    for (int k = 1; k <= n; ++k) {
        const std::complex<double> root = roots[static_cast<size_t>(k - 1)];
        EXPECT_NEAR(root.real(), RESULT_TABLE(k, 1), 1e-6) << k;
        if (!complex) continue;
        EXPECT_NEAR(root.imag(), RESULT_TABLE(k, 2), 1e-6) << k;
        EXPECT_NEAR(std::abs(root), RESULT_TABLE(k, 3), 1e-6) << k;
    }
}

// [I - P] is I less P, and its inverse M gives (I - P) M = I.
TEST_P(ExamplesTest, InverseOfIMinusP) {
    SHOWI_A(false);
    Eigen::MatrixXd i_minus_p(n, n), m(n, n);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) {
            i_minus_p(i, j) = I_MINUS_P(i + 1, j + 1);
            m(i, j) = I_MINUS_P_INVERSE(i + 1, j + 1);
        }
    EXPECT_LT((i_minus_p - (Eigen::MatrixXd::Identity(n, n) - p())).cwiseAbs().maxCoeff(), 1e-7);
    EXPECT_LT((i_minus_p * m - Eigen::MatrixXd::Identity(n, n)).cwiseAbs().maxCoeff(), 1e-5);
    EXPECT_FALSE(I_MINUS_P_SINGULAR);
}

// The common projection: each period's stocks are the last one's moved by P plus the
// recruits, up to the rounding of the shown stocks (half a person in each, spread by P); the
// steady state is r [I - P]^-1 up to the rounding of its n terms; the total is the stocks' sum.
TEST_P(ExamplesTest, CommonProjectionFollowsThePeriodsToTheSteadyState) {
    COMPUTE_PROJECTIONS_T(false);
    const Eigen::MatrixXd m = p();
    const Eigen::RowVectorXd r = inflows();
    for (int t = 1; t <= PERIOD_COUNT + 1; ++t) {
        Eigen::RowVectorXd stocks(n);
        for (int k = 0; k < n; ++k) stocks(k) = STOCK_SERIES(t, k + 1);
        EXPECT_NEAR(stocks.sum(), STOCK_SERIES(t, n + 1), 1e-3) << "period " << t - 1;
        if (t == PERIOD_COUNT + 1) break;
        const Eigen::RowVectorXd next = stocks * m + r;
        for (int k = 0; k < n; ++k)
            EXPECT_NEAR(next(k), STOCK_SERIES(t + 1, k + 1), 0.5 + 0.5 * m.col(k).sum() + 1e-3) << "period " << t << " stage " << k + 1;
    }
    const Eigen::RowVectorXd steady = r * (Eigen::MatrixXd::Identity(n, n) - m).inverse();
    for (int k = 0; k < n; ++k) EXPECT_NEAR(steady(k), STOCK_SERIES(PERIOD_COUNT + 2, k + 1), 0.5 * n + 1e-3) << "stage " << k + 1;
}

// The fixed-size projection: Q's rows sum to 1, so every period of the table keeps period 0's
// total up to the rounding of its n shown stocks.
TEST_P(ExamplesTest, FixedSizeProjectionKeepsItsTotal) {
    COMPUTE_PROJECTIONS_Q(false);
    for (int i = 1; i <= n; ++i) {
        double sum = 0.0;
        for (int j = 1; j <= n; ++j) sum += MATRIX_Q(i, j);
        EXPECT_NEAR(1.0, sum, 1e-6) << "row " << i;
    }
    const float first = RESULT_TABLE(1, 2 * n + 1);
    EXPECT_GT(first, 0.0f);
    for (int t = 2; t <= PERIOD_COUNT + 1; ++t) EXPECT_NEAR(first, RESULT_TABLE(t, 2 * n + 1), 0.5 * n) << "period " << t - 1;
}

INSTANTIATE_TEST_SUITE_P(Files, ExamplesTest,
                         ::testing::Values("civil_service_grades.d", "complex_roots.d", "two_stage_p.d", "two_stage_flows.d"),
                         [](const auto& info) { return std::string(info.param).substr(0, std::string(info.param).size() - 2); });

}  // namespace
}  // namespace korvel
