#include "planning/uncertainty/stock_arithmetic.h"

#include "analysis/matrix_inverse.h"

#include <gtest/gtest.h>

#include <Eigen/Dense>

#include <random>

namespace korvel {
namespace {

using RowMatrix = Eigen::Matrix<double, Eigen::Dynamic, Eigen::Dynamic, Eigen::RowMajor>;

// A positive matrix whose rows sum to within 20 % of `row_sum`.
RowMatrix positiveMatrix(int n, double row_sum, unsigned seed) {
    std::mt19937_64 generator(seed);
    std::uniform_real_distribution<double> entry(0.01, 1.0);
    RowMatrix p(n, n);
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) p(i, j) = entry(generator) + (i == j ? 3.0 : 0.0);
        p.row(i) *= row_sum / p.row(i).sum() * (0.8 + 0.4 * entry(generator));
    }
    return p;
}

// The steady state solves n* [I - P] = r, and the root's bounds hold the spectral radius; stable
// and unstable matrices alike, of 2 to 55 stages.
TEST(StockArithmetic, SteadyStateAndDominantRootAgainstEigen) {
    const double eps = std::numeric_limits<double>::epsilon();
    for (const int n : {2, 7, 26, 55})
        for (const double row_sum : {0.45, 0.9, 1.1}) {
            const RowMatrix p = positiveMatrix(n, row_sum, static_cast<unsigned>(n));
            const double radius = p.eigenvalues().cwiseAbs().maxCoeff();
            std::vector<double> work;
            const ROOT_BOUNDS root = DOMINANT_ROOT_BOUNDS(n, p.data(), work);
            EXPECT_LE(root.low, radius * (1 + 100 * n * eps)) << n << " stages";
            EXPECT_GE(root.high, radius * (1 - 100 * n * eps)) << n << " stages";
            EXPECT_EQ(radius < 1.0, IS_STABLE(root)) << n << " stages, radius " << radius;

            const Eigen::RowVectorXd r = Eigen::RowVectorXd::LinSpaced(n, 1.0, 10.0);
            Eigen::RowVectorXd steady(n);
            SteadyStateSolver solver(n);
            ASSERT_TRUE(solver.solve(p.data(), r.data(), DOUBLE_ROUNDING, steady.data())) << n << " stages";
            const RowMatrix i_minus_p = RowMatrix::Identity(n, n) - p;
            const Eigen::RowVectorXd expected = i_minus_p.transpose().partialPivLu().solve(r.transpose()).transpose();
            EXPECT_LT((steady - expected).norm(), 1e-9 * expected.norm() * n) << n << " stages";
        }
}

TEST(StockArithmetic, ProjectionAgainstEigen) {
    const int n = 5, periods = 30;
    const RowMatrix p = positiveMatrix(n, 0.9, 5);
    const Eigen::RowVectorXd initial = Eigen::RowVectorXd::LinSpaced(n, 100.0, 20.0);
    const Eigen::RowVectorXd r = Eigen::RowVectorXd::LinSpaced(n, 5.0, 1.0);
    std::vector<double> stocks(static_cast<size_t>((periods + 1) * n));
    PROJECT_STOCK_PATH(n, p.data(), initial.data(), r.data(), periods, stocks.data());
    Eigen::RowVectorXd s = initial;
    for (int t = 0; t <= periods; ++t) {
        if (t > 0) s = s * p + r;
        for (int k = 0; k < n; ++k) EXPECT_NEAR(s(k), stocks[static_cast<size_t>(t * n + k)], 1e-9 * s.norm()) << t;
    }
}

}  // namespace
}  // namespace korvel
