// EIGEN when the solver gives up, on a matrix holding a NaN, which the reader never lets in.
// The roots, their table and the verdict of matrices worked by hand are the scenarios
// stability_by_hand, stability_one_stage and stability_stage_nobody_leaves.

#include "analysis/eigen/error_stack.h"
#include "analysis/stability.h"
#include "model/model_state.h"
#include "tests/analysis/eigen/solver_fixture.h"

#include <limits>
#include <string>
#include <vector>

namespace korvel {
namespace {

class StabilityTest : public SolverTest {
protected:
    void SetUp() override {
        SolverTest::SetUp();
        OPEN_CHILD_WINDOW(INDICATIONS_CHANNEL, " Basic indications");
        SET_TEXT_COLOR(1);
        SET_COLOR(4);
        RESULT_TABLE.fill(0.0f);
        COLUMN_LABELS.fill(Label{});
        ROW_NUMBERS.fill(0);
    }

    // Runs EIGEN on P given row by row.
    void analyse(int n, const std::vector<float>& p) {
        STAGE_COUNT = n;
        for (int i = 1; i <= n; ++i)
            for (int j = 1; j <= n; ++j) MATRIX_P(i, j) = p[static_cast<std::size_t>((i - 1) * n + (j - 1))];
        int lda = n;
        int ldevec = n;
        EIGEN(lda, ldevec, STAGE_COUNT);
    }
};

// When the solver gives up, its messages are shown and the program ends: no table, no verdict.
TEST_F(StabilityTest, SolverFailureEndsTheProgram) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    analyse(3, {0.1f, 0.2f, 0.3f, 0.4f, nan, 0.1f, 0.2f, 0.3f, 0.4f});
    EXPECT_TRUE(SOLVER_STOPPED());
    const std::vector<std::string> lines = transcript();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ("queue routine", lines.back());
    for (const std::string& line : lines) EXPECT_EQ(std::string::npos, line.find("SYSTEM IS")) << line;
    EXPECT_EQ(0, ROW_NUMBERS(1));
    EXPECT_EQ(" *** FATAL    ERROR 1 from DHQRRG.  The iteration for the eigenvalues did not ", printedLines().front());
}

}  // namespace
}  // namespace korvel
