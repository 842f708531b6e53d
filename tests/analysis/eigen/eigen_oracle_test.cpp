// DEVCRG and DEPIRG against Eigen3's EigenSolver as an independent oracle, and against the
// properties every returned pair must have.

#include "analysis/eigen/eigen_solver.h"
#include "analysis/eigen/error_stack.h"
#include "tests/analysis/eigen/oracle_roots.h"
#include "tests/analysis/eigen/solver_fixture.h"

#include <Eigen/Eigenvalues>

#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace korvel {
namespace {

using Eigen::MatrixXd;
using ComplexVector = Eigen::VectorXcd;
constexpr double EPSILON = std::numeric_limits<double>::epsilon();

ComplexVector vectorOf(const Solution& s, int n, int j) {
    ComplexVector x(n);
    for (int i = 0; i < n; ++i) x(i) = s.evec[static_cast<std::size_t>(i + j * n)];
    return x;
}

void expectOrderedRoots(const Solution& s, const std::string& name) {
    const std::size_t n = s.eval.size();
    const auto modulus = [](ComplexDouble z) { return std::sqrt(z.real() * z.real() + z.imag() * z.imag()); };
    for (std::size_t j = 1; j < n; ++j) EXPECT_GE(modulus(s.eval[j - 1]), modulus(s.eval[j])) << name << ": root " << j + 1;
    for (std::size_t j = 0; j < n; ++j) {
        const ComplexDouble root = s.eval[j];
        if (root.imag() > 0.0) {
            ASSERT_LT(j + 1, n) << name;
            EXPECT_EQ(std::conj(root), s.eval[j + 1]) << name << ": root " << j + 1 << " has no partner after it";
        } else if (root.imag() < 0.0) {
            ASSERT_GT(j, 0u) << name;
            EXPECT_EQ(std::conj(root), s.eval[j - 1]) << name << ": root " << j + 1 << " has no partner before it";
        }
    }
}

// A x = λ x within n ε ‖A‖, unit length, the first largest component real and positive.
void expectGoodVectors(const MatrixXd& a, const Solution& s, const std::string& name) {
    const int n = static_cast<int>(a.rows());
    const Eigen::MatrixXcd ac = a.cast<ComplexDouble>();
    const double norm = oneNorm(a);
    for (int j = 0; j < n; ++j) {
        const ComplexVector x = vectorOf(s, n, j);
        const std::string pair = name + ": pair " + std::to_string(j + 1);
        EXPECT_NEAR(1.0, x.norm(), 8 * n * EPSILON) << pair;
        EXPECT_LE((ac * x - s.eval[static_cast<std::size_t>(j)] * x).norm(), 10 * n * EPSILON * norm) << pair;
        // Components of equal modulus may differ in their last bits: one of the largest is real.
        const double largest = x.cwiseAbs().maxCoeff();
        bool found = false;
        for (int i = 0; i < n && !found; ++i)
            found = std::abs(x(i)) >= largest * (1 - 4 * EPSILON) && x(i).imag() == 0.0 && x(i).real() > 0.0;
        EXPECT_TRUE(found) << pair << ": no largest component is real and positive";
    }
}

void expectAgreement(const MatrixXd& a, const std::string& name) {
    const Solution s = solve(a);
    const int n = static_cast<int>(a.rows());
    EXPECT_EQ(NO_ERROR, ERROR_TYPE()) << name;
    expectSameRoots(a, s.eval, 100 * n * EPSILON * oneNorm(a), name);
    expectOrderedRoots(s, name);
    expectGoodVectors(a, s, name);
    EXPECT_LT(s.index, 1.0) << name;
}

MatrixXd randomMatrix(int n, std::mt19937& random) {
    std::uniform_real_distribution<double> element(-1.0, 1.0);
    MatrixXd a(n, n);
    for (int j = 0; j < n; ++j)
        for (int i = 0; i < n; ++i) a(i, j) = element(random);
    return a;
}

// S D S⁻¹ with D block diagonal, S random: the roots of D, hidden.
MatrixXd similar(const MatrixXd& d, std::mt19937& random) {
    const MatrixXd s = randomMatrix(static_cast<int>(d.rows()), random) + 3.0 * MatrixXd::Identity(d.rows(), d.cols());
    return s * d * s.inverse();
}

MatrixXd rotationBlocks(const std::vector<std::pair<double, double>>& pairs) {
    const int n = 2 * static_cast<int>(pairs.size());
    MatrixXd d = MatrixXd::Zero(n, n);
    for (std::size_t k = 0; k < pairs.size(); ++k) {
        const int i = 2 * static_cast<int>(k);
        d(i, i) = d(i + 1, i + 1) = pairs[k].first;
        d(i, i + 1) = -pairs[k].second;
        d(i + 1, i) = pairs[k].second;
    }
    return d;
}

class EigenOracleTest : public SolverTest {};

TEST_F(EigenOracleTest, RandomMatricesOfEveryOrder) {
    std::mt19937 random(20260);
    for (int n = 1; n <= 55; ++n) expectAgreement(randomMatrix(n, random), "random of order " + std::to_string(n));
    EXPECT_TRUE(printedLines().empty());
}

// Matrices like P, of the families the preparation's steps are tested on. Tiny entries are left
// out: one alone in its column makes balancing scale by up to 16^25, and the vectors through it
// lose their accuracy (degenerate_matrices_test).
TEST_F(EigenOracleTest, SubstochasticMatricesLikeP) {
    std::mt19937 random(7);
    for (const std::string family : FAMILIES)
        for (int n : {2, 3, 5, 9, 12, 20, 26, 33, 41, 48, 55})
            if (family != "tiny entries")
                expectAgreement(familyMember(family, n, random), family + " of order " + std::to_string(n));
    EXPECT_TRUE(printedLines().empty());
}

TEST_F(EigenOracleTest, StructuredMatrices) {
    std::mt19937 random(11);
    MatrixXd jordan = 0.6 * MatrixXd::Identity(4, 4);
    for (int i = 0; i < 3; ++i) jordan(i, i + 1) = 1.0;
    MatrixXd cycle = MatrixXd::Zero(7, 7);
    for (int i = 0; i < 7; ++i) cycle((i + 1) % 7, i) = 1.0;
    MatrixXd swaps = MatrixXd::Zero(6, 6);
    for (int i = 0; i < 6; i += 2) swaps(i, i + 1) = swaps(i + 1, i) = 1.0;
    MatrixXd repeated = MatrixXd::Zero(5, 5);
    repeated.diagonal() << 0.5, 0.5, 0.5, 0.2, 0.2;
    MatrixXd repeated_pairs = rotationBlocks({{0.3, 0.4}, {0.3, 0.4}, {-0.1, 0.9}});

    const std::vector<std::pair<std::string, MatrixXd>> cases{
        {"complex pairs", similar(rotationBlocks({{0.5, 0.2}, {-0.3, 0.7}, {0.9, 0.05}, {0.0, 1.5}}), random)},
        {"repeated roots", similar(repeated, random)},
        {"repeated complex pairs", repeated_pairs},
        {"Jordan block", jordan},
        {"defective 2 x 2", (MatrixXd(2, 2) << 1.0, 1.0, 0.0, 1.0).finished()},
        {"cyclic permutation", cycle},
        {"pairwise swaps", swaps},
        {"graded entries", (MatrixXd(3, 3) << 1.0, 1e6, 1e12, 1e-6, 1.0, 1e6, 1e-12, 1e-6, 1.0).finished()},
    };
    for (const auto& [name, a] : cases) expectAgreement(a, name);
    EXPECT_TRUE(printedLines().empty());
}

// The leading dimensions pick the matrix and the vectors out of larger arrays.
TEST_F(EigenOracleTest, LeadingDimensionsLargerThanTheOrder) {
    std::mt19937 random(3);
    const MatrixXd a = randomMatrix(5, random);
    const int n = 5;
    const int lda = 8;
    const int ldevec = 7;
    std::vector<double> padded(static_cast<std::size_t>(lda * n), std::numeric_limits<double>::quiet_NaN());
    for (int j = 0; j < n; ++j)
        for (int i = 0; i < n; ++i) padded[static_cast<std::size_t>(i + j * lda)] = a(i, j);
    std::vector<ComplexDouble> eval(n);
    std::vector<ComplexDouble> evec(static_cast<std::size_t>(ldevec * n), ComplexDouble(-7.0, 7.0));
    DEVCRG(n, padded.data(), lda, eval.data(), evec.data(), ldevec);
    const double index = DEPIRG(n, n, padded.data(), lda, eval.data(), evec.data(), ldevec);

    const Solution compact = solve(a);
    EXPECT_LT(index, 1.0);
    for (int j = 0; j < n; ++j) {
        EXPECT_EQ(compact.eval[static_cast<std::size_t>(j)], eval[static_cast<std::size_t>(j)]);
        for (int i = 0; i < ldevec; ++i) {
            const ComplexDouble element = evec[static_cast<std::size_t>(i + j * ldevec)];
            if (i < n)
                EXPECT_EQ(compact.evec[static_cast<std::size_t>(i + j * n)], element);
            else
                EXPECT_EQ(ComplexDouble(-7.0, 7.0), element) << "padding row " << i + 1 << " was written";
        }
    }
}

// DEVCRG works on a copy.
TEST_F(EigenOracleTest, LeavesTheMatrixUnchanged) {
    std::mt19937 random(5);
    const MatrixXd a = randomMatrix(9, random);
    const MatrixXd before = a;
    solve(a);
    EXPECT_EQ(before, a);
}

}  // namespace
}  // namespace korvel
