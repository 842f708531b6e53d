// Degenerate matrices a P file can give, at every order the program accepts: zero rows, rank one,
// all zero, defective zero roots. The QR iteration must settle each (no FATAL stop), with the
// roots of Eigen3's solver; of the defective ones, whose roots move by about (ε‖A‖)^(1/k) for a
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

// Rows first, first + step, ... of 0.01 and, when `zero_last`, the last row zero; column 1 of
// the other rows holds `corner`.
MatrixXd rowsOf(int n, int first, int step, bool zero_last = false, double corner = 0.0) {
    MatrixXd a = MatrixXd::Zero(n, n);
    a.col(0).setConstant(corner);
    for (int i = first; i < n; i += step) a.row(i).setConstant(0.01);
    if (zero_last) a.row(n - 1).setZero();
    return a;
}

class DegenerateMatricesTest : public SolverTest {};

TEST_F(DegenerateMatricesTest, EveryOrderConvergesToTheOracleRoots) {
    const auto byModulus = [](ComplexDouble x, ComplexDouble y) { return std::abs(x) > std::abs(y); };
    for (int n = 1; n <= 55; ++n) {
        const std::pair<std::string, MatrixXd> cases[] = {
            {"rank one, last row zero", rowsOf(n, 0, 1, true)},  // once ended the program from N = 38
            {"rank one, first row zero", rowsOf(n, 1, 1)},
            {"rank one", rowsOf(n, 0, 1)},
            {"rank one, every other row zero", rowsOf(n, 0, 2)},
            {"all zero", MatrixXd::Zero(n, n)},
            {"defective zero roots", rowsOf(n, 0, 3, false, 0.01)},
        };
        for (const auto& [kind, a] : cases) {
            const std::string name = kind + " of order " + std::to_string(n);
            std::vector<ComplexDouble> eval(static_cast<std::size_t>(n)), evec(static_cast<std::size_t>(n * n));
            DEVCRG(n, a.data(), n, eval.data(), evec.data(), n);
            ASSERT_FALSE(SOLVER_STOPPED()) << name;
            ASSERT_EQ(NO_ERROR, ERROR_TYPE()) << name;

            const double tolerance = 100 * n * std::numeric_limits<double>::epsilon();  // ‖A‖₁ <= 1
            ComplexDouble sum = 0.0;
            for (const ComplexDouble root : eval) sum += root;
            EXPECT_NEAR(0.0, std::abs(sum - a.trace()), tolerance) << name;
            if (kind == "defective zero roots") continue;
            const Eigen::VectorXcd oracle = Eigen::EigenSolver<MatrixXd>(a, false).eigenvalues();
            std::vector<ComplexDouble> expected(oracle.data(), oracle.data() + n);
            std::sort(expected.begin(), expected.end(), byModulus);
            for (int k = 0; k < n; ++k)
                EXPECT_NEAR(0.0, std::abs(expected[static_cast<std::size_t>(k)] - eval[static_cast<std::size_t>(k)]), tolerance)
                    << name << ": root " << k + 1;
        }
    }
    EXPECT_TRUE(printedLines().empty());
}

}  // namespace
}  // namespace korvel
