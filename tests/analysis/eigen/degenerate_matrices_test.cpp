// Degenerate matrices a P file can give: zero rows, rank one, all zero, defective zero roots, at
// every order the program accepts. The QR iteration must settle each (no FATAL stop), with the
// roots of Eigen3's solver; of a defective matrix, whose roots move by about (ε‖A‖)^(1/k) for a
// block of order k, only the sum is checked, against the trace.

#include "analysis/eigen/eigen_solver.h"
#include "analysis/eigen/error_stack.h"
#include "tests/analysis/eigen/solver_fixture.h"

#include <Eigen/Eigenvalues>

#include <algorithm>
#include <limits>
#include <string>

namespace korvel {
namespace {

using Eigen::MatrixXd;

// Rows `first`, first + step, ... of 0.01, the others zero but for `corner` in column 1.
MatrixXd rowsOf(int n, int first, int step, double corner = 0.0) {
    MatrixXd a = MatrixXd::Zero(n, n);
    a.col(0).setConstant(corner);
    for (int i = first; i < n; i += step) a.row(i).setConstant(0.01);
    return a;
}

class DegenerateMatricesTest : public SolverTest {};

TEST_F(DegenerateMatricesTest, EveryOrderConvergesToTheOracleRoots) {
    for (int n = 1; n <= 55; ++n) {
        MatrixXd nilpotent = MatrixXd::Zero(n, n);
        for (int i = 1; i < n; ++i) nilpotent(i, i - 1) = 1.0;
        const MatrixXd q = Eigen::HouseholderQR<MatrixXd>(MatrixXd::Ones(n, n) + MatrixXd::Identity(n, n)).householderQ();
        MatrixXd last_row_zero = rowsOf(n, 0, 1);
        last_row_zero.row(n - 1).setZero();
        const struct {
            const char* name;
            MatrixXd a;
            bool diagonalisable;
        } cases[] = {
            {"rank one, last row zero", last_row_zero, true},  // the file that once stopped the program
            {"rank one, first row zero", rowsOf(n, 1, 1), true},
            {"rank one, no zero row", rowsOf(n, 0, 1), true},
            {"rank one, every other row zero", rowsOf(n, 0, 2), true},
            {"all zero", MatrixXd::Zero(n, n), true},
            {"defective zero roots", rowsOf(n, 0, 3, 0.01), false},
            {"nilpotent shift, rotated", q.transpose() * nilpotent * q, false},
        };
        for (const auto& c : cases) {
            const std::string name = std::string(c.name) + " of order " + std::to_string(n);
            std::vector<ComplexDouble> eval(static_cast<std::size_t>(n)), evec(static_cast<std::size_t>(n * n));
            DEVCRG(n, c.a.data(), n, eval.data(), evec.data(), n);
            ASSERT_FALSE(SOLVER_STOPPED()) << name;
            ASSERT_EQ(NO_ERROR, ERROR_TYPE()) << name;

            const double tolerance = 100 * n * std::numeric_limits<double>::epsilon() * std::max(1.0, c.a.cwiseAbs().colwise().sum().maxCoeff());
            ComplexDouble sum = 0.0;
            for (const ComplexDouble root : eval) sum += root;
            EXPECT_NEAR(c.a.trace(), sum.real(), tolerance) << name;
            EXPECT_NEAR(0.0, sum.imag(), tolerance) << name;
            if (!c.diagonalisable) continue;
            const Eigen::VectorXcd oracle = Eigen::EigenSolver<MatrixXd>(c.a, false).eigenvalues();
            std::vector<ComplexDouble> expected(oracle.data(), oracle.data() + n);
            std::sort(expected.begin(), expected.end(), [](ComplexDouble x, ComplexDouble y) { return std::abs(x) > std::abs(y); });
            for (int k = 0; k < n; ++k)
                EXPECT_NEAR(0.0, std::abs(expected[static_cast<std::size_t>(k)] - eval[static_cast<std::size_t>(k)]), tolerance)
                    << name << ": root " << k + 1;
        }
    }
    EXPECT_TRUE(printedLines().empty());
}

}  // namespace
}  // namespace korvel
