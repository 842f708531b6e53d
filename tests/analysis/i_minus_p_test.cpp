// GETMATRIXIMA: [I - P] from the P held in MATRIX_X, its inverse and the steady state.

#include "analysis/i_minus_p.h"
#include "tests/analysis/analysis_fixture.h"

#include <Eigen/Dense>

#include <cmath>

namespace korvel {
namespace {

using GetMatrixImaTest = AnalysisTest;

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

}  // namespace
}  // namespace korvel
