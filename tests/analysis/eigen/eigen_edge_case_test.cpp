// The solver's documented edge cases, each with its exact result.

#include "analysis/eigen/eigen_solver.h"
#include "analysis/eigen/error_stack.h"
#include "tests/analysis/eigen/solver_fixture.h"

#include <cmath>
#include <limits>
#include <vector>

namespace korvel {
namespace {

constexpr double HALF_ROOT_TWO = 0.70710678118654752;

class EigenEdgeCaseTest : public SolverTest {};

TEST_F(EigenEdgeCaseTest, OneByOne) {
    const Solution r = solve(Eigen::MatrixXd::Constant(1, 1, -2.5));
    EXPECT_EQ(ComplexDouble(-2.5, 0.0), r.eval[0]);
    EXPECT_EQ(ComplexDouble(1.0, 0.0), r.evec[0]);
    EXPECT_EQ(0.0, r.index);
    EXPECT_EQ(NO_ERROR, ERROR_TYPE());
}

// Roots by decreasing modulus, each with its unit vector.
TEST_F(EigenEdgeCaseTest, DiagonalMatrix) {
    const Solution r = solve(Eigen::MatrixXd(Eigen::Vector3d(0.2, 0.9, 0.5).asDiagonal()));
    const std::vector<ComplexDouble> roots{0.9, 0.5, 0.2};
    EXPECT_EQ(roots, r.eval);
    const std::vector<ComplexDouble> vectors{0, 1, 0, 0, 0, 1, 1, 0, 0};
    EXPECT_EQ(vectors, r.evec);
    EXPECT_EQ(0.0, r.index);
}

// The eigenvector of i is (1, -i)/√2; both components have modulus 1/√2, and the first of them
// is made real.
TEST_F(EigenEdgeCaseTest, RotationMatrix) {
    const Solution r = solve((Eigen::MatrixXd(2, 2) << 0, -1, 1, 0).finished());
    EXPECT_EQ(ComplexDouble(0.0, 1.0), r.eval[0]);
    EXPECT_EQ(ComplexDouble(0.0, -1.0), r.eval[1]);
    const std::vector<ComplexDouble> vectors{{HALF_ROOT_TWO, 0}, {0, -HALF_ROOT_TWO}, {HALF_ROOT_TWO, 0}, {0, HALF_ROOT_TWO}};
    for (std::size_t k = 0; k < vectors.size(); ++k) {
        EXPECT_NEAR(vectors[k].real(), r.evec[k].real(), 2e-16) << "element " << k;
        EXPECT_NEAR(vectors[k].imag(), r.evec[k].imag(), 2e-16) << "element " << k;
    }
    EXPECT_EQ(0.0, r.evec[0].imag());
    EXPECT_EQ(0.0, r.evec[2].imag());
    EXPECT_LT(r.index, 1.0);
}

// The roots are 0; the performance index warns and is the largest double.
TEST_F(EigenEdgeCaseTest, ZeroMatrix) {
    const Solution r = solve(Eigen::MatrixXd::Zero(3, 3));
    for (const ComplexDouble root : r.eval) EXPECT_EQ(ComplexDouble(0.0, 0.0), root);
    EXPECT_EQ(std::numeric_limits<double>::max(), r.index);
    EXPECT_EQ(WARNING, ERROR_TYPE());
    EXPECT_EQ(3, ERROR_CODE());
    EXPECT_FALSE(SOLVER_STOPPED());
    const std::vector<std::string> expected{" *** WARNING  ERROR 3 from DE2IRG.  The argument matrix A is zero."};
    EXPECT_EQ(expected, printedLines());
    EXPECT_FALSE(m_layer.ended());
    EXPECT_EQ(0, ERROR_STACK_LEVEL());
}

}  // namespace
}  // namespace korvel
