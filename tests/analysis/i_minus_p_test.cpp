// GETMATRIXIMA: [I - P] from the P held in MATRIX_X, its inverse and the steady state.

#include "analysis/i_minus_p.h"
#include "tests/analysis/analysis_fixture.h"

#include <Eigen/Dense>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>

namespace korvel {
namespace {

using GetMatrixImaTest = AnalysisTest;

const std::string SINGULAR = "msgbox 48 \" Singular matrix \" \" The matrix (\u0399 - P') is singular \" -> OK";

void loadP(const Eigen::MatrixXf& p, const Eigen::VectorXf& inflows) {
    STAGE_COUNT = static_cast<int32_t>(p.rows());
    for (int i = 0; i < p.rows(); ++i) {
        for (int j = 0; j < p.cols(); ++j) MATRIX_X(i + 1, j + 1) = p(i, j);
        INFLOWS(i + 1) = inflows(i);
    }
}

// A stage nobody leaves: its row of [I - P] is zero, so the inversion fails (its message and
// [I - P] are the scenario matrix_singular's), no inverse is kept and the steady state keeps its
// values.
TEST_F(GetMatrixImaTest, StageNobodyLeavesIsSingular) {
    Eigen::MatrixXf p(2, 2);
    p << 0.5f, 0.3f,
         0.0f, 1.0f;
    loadP(p, Eigen::VectorXf::Constant(2, 10.0f));
    Vector<float, MAX_STAGES> steady_state;
    steady_state.fill(7.0f);
    I_MINUS_P_INVERSE.fill(3.0f);
    GETMATRIXIMA(2, steady_state, false);
    EXPECT_TRUE(I_MINUS_P_SINGULAR);
    EXPECT_EQ(1u, messages().size());
    for (int i = 1; i <= 2; ++i) {
        EXPECT_EQ(7.0f, steady_state(i));
        for (int j = 1; j <= 2; ++j) EXPECT_EQ(0.0f, I_MINUS_P_INVERSE(i, j));
    }
}

// The flag tells the latest inversion only; without the steady state asked for, the vector
// is not touched.
TEST_F(GetMatrixImaTest, FlagFollowsTheLatestInversion) {
    I_MINUS_P_SINGULAR = true;
    loadP(Eigen::MatrixXf::Constant(1, 1, 0.5f), Eigen::VectorXf::Constant(1, 4.0f));
    Vector<float, MAX_STAGES> steady_state;
    steady_state.fill(7.0f);
    GETMATRIXIMA(1, steady_state, true);
    EXPECT_FALSE(I_MINUS_P_SINGULAR);
    EXPECT_FLOAT_EQ(2.0f, I_MINUS_P_INVERSE(1, 1));
    EXPECT_EQ(7.0f, steady_state(1));
}

// Terms are rounded halves away from zero before they are summed: with the inverse
// [[2, 1], [0, 2]] and r = (2.5, 1.25), stage 2 gets rnd(2.5) + rnd(2.5) = 6, not rnd(5) = 5.
TEST_F(GetMatrixImaTest, SteadyStateRoundsEachTerm) {
    for (float sign : {1.0f, -1.0f}) {
        Eigen::MatrixXf p(2, 2);
        p << 0.5f, 0.25f,
             0.0f, 0.5f;
        Eigen::VectorXf r(2);
        r << 2.5f * sign, 1.25f * sign;
        loadP(p, r);
        Vector<float, MAX_STAGES> steady_state;
        GETMATRIXIMA(2, steady_state, false);
        EXPECT_EQ(5.0f * sign, steady_state(1));
        EXPECT_EQ(6.0f * sign, steady_state(2));
    }
}

// A dense P of n stages whose rows sum to 1 in exact arithmetic, each value written to 7
// decimals as a data file holds it and read into 32 bits; `leak` is taken off the largest value
// of stage 1's row.
Eigen::MatrixXf closedP(int n, double leak, std::mt19937& random) {
    std::uniform_int_distribution<int> weight(1, 1000);
    Eigen::MatrixXf p(n, n);
    for (int i = 0; i < n; ++i) {
        std::vector<long> tenths_of_millionths(static_cast<size_t>(n));
        long total = 0;
        for (long& w : tenths_of_millionths) total += (w = weight(random));
        long left = 10'000'000;
        for (int j = 0; j < n; ++j) {
            const long share = j + 1 == n ? left : tenths_of_millionths[static_cast<size_t>(j)] * 10'000'000 / total;
            left -= share;
            double value = static_cast<double>(share) / 1e7;
            if (i == 0 && j == 0) value -= leak;
            char text[32];
            std::snprintf(text, sizeof text, "%.7f", value);
            p(i, j) = std::strtof(text, nullptr);
        }
    }
    return p;
}

// A closed system (nobody leaves) has a singular [I - P]; held in 32 bits its pivots are tiny
// rather than zero, and the inverse they give, which has no correct digit, is refused as
// singular. With one stage leaking 1e-3 the inverse is kept, as the exact one within κ ε.
TEST_F(GetMatrixImaTest, ClosedSystemIsSingularWithinTheRoundingOfP) {
    std::mt19937 random(29);
    for (int n = 3; n <= 20; ++n) {
        for (const double leak : {0.0, 1e-3}) {
            const size_t from = lines().size();
            const Eigen::MatrixXf p = closedP(n, leak, random);
            loadP(p, Eigen::VectorXf::Constant(n, 10.0f));
            Vector<float, MAX_STAGES> steady_state;
            steady_state.fill(7.0f);
            GETMATRIXIMA(n, steady_state, false);
            const bool closed = leak == 0.0;
            EXPECT_EQ(closed, I_MINUS_P_SINGULAR) << n << " stages, leak " << leak;
            EXPECT_EQ(closed ? std::vector<std::string>{SINGULAR} : std::vector<std::string>{}, messages(from))
                << n << " stages, leak " << leak;
            if (closed) continue;
            const Eigen::MatrixXd b = Eigen::MatrixXd::Identity(n, n) - p.cast<double>();
            const Eigen::MatrixXd exact = b.inverse();
            const double condition = b.cwiseAbs().colwise().sum().maxCoeff() * exact.cwiseAbs().colwise().sum().maxCoeff();
            for (int i = 1; i <= n; ++i)
                for (int j = 1; j <= n; ++j)
                    EXPECT_NEAR(exact(i - 1, j - 1), I_MINUS_P_INVERSE(i, j), condition * 1e-15 * exact.cwiseAbs().maxCoeff() +
                                                                                  std::abs(exact(i - 1, j - 1)) * 0x1p-24)
                        << n << " stages, cell " << i << "," << j;
        }
    }
}

}  // namespace
}  // namespace korvel
