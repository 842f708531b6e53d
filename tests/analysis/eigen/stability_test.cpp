// EIGEN on small matrices P: the roots left in the result table, the table's labels and the
// verdict drawn in the indications window.

#include "analysis/eigen/error_stack.h"
#include "analysis/stability.h"
#include "model/model_state.h"
#include "tests/analysis/eigen/solver_fixture.h"

#include <limits>
#include <string>
#include <vector>

namespace korvel {
namespace {

constexpr const char* REAL_UNSTABLE = "=== THEE SYSTEM IS UNSTABLE ===";
constexpr const char* COMPLEX_UNSTABLE = "=== THE SYSTEM IS UNSTABLE ===";
constexpr const char* STABLE = "=== THE SYSTEM IS STABLE ===";

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

    // After the table, the verdict is drawn for 2.5 seconds and cleared, in the window's own
    // colours: the text colour for lines written, the drawing colour for text drawn.
    void expectVerdict(const std::string& text) {
        const std::vector<std::string> lines = transcript();
        const std::vector<std::string> expected{
            "focus 10",
            "clear 10",
            "write 10 1 \"\"",
            "clear 10",
            "text 10 10 25 \"t'Arial'h18w8\" 4 \"" + text + "\"",
            "sleep 2500",
            "clear 10",
        };
        ASSERT_GE(lines.size(), expected.size());
        const std::vector<std::string> tail(lines.end() - static_cast<std::ptrdiff_t>(expected.size()), lines.end());
        EXPECT_EQ(expected, tail);
        EXPECT_TRUE(printedLines().empty());
    }

    std::string label(int column) const { return COLUMN_LABELS(column).text(); }
};

// A stage that nobody leaves gives the root 1, of length exactly 1: unstable.
TEST_F(StabilityTest, StageNobodyLeaves) {
    analyse(2, {1.0f, 0.0f, 0.2f, 0.5f});
    EXPECT_EQ(1.0f, RESULT_TABLE(1, 1));
    EXPECT_EQ(0.5f, RESULT_TABLE(2, 1));
    EXPECT_EQ(" Eigenvalues" + std::string(8, ' '), label(1));
    EXPECT_EQ(1, ROW_NUMBERS(1));
    EXPECT_EQ(2, ROW_NUMBERS(2));
    EXPECT_LT(PERFORMANCE_INDEX, 1.0);
    expectVerdict(REAL_UNSTABLE);
}

// The roots of [[0, 1], [0.5, -0.5]] are -1 and 0.5; -1 has length 1.
TEST_F(StabilityTest, RealRootMinusOne) {
    analyse(2, {0.0f, 1.0f, 0.5f, -0.5f});
    EXPECT_EQ(-1.0f, RESULT_TABLE(1, 1));
    EXPECT_EQ(0.5f, RESULT_TABLE(2, 1));
    expectVerdict(REAL_UNSTABLE);
}

// Roots 0.5 ± 1e-9 i: imaginary parts within 2e-9 count as zero, so the table has one column.
TEST_F(StabilityTest, TinyImaginaryPartsCountAsReal) {
    analyse(2, {0.5f, -1e-18f, 1.0f, 0.5f});
    EXPECT_EQ(0.5f, RESULT_TABLE(1, 1));
    EXPECT_EQ(0.5f, RESULT_TABLE(2, 1));
    EXPECT_EQ(0.0f, RESULT_TABLE(1, 2));
    EXPECT_EQ(" Eigenvalues" + std::string(8, ' '), label(1));
    expectVerdict(STABLE);
}

TEST_F(StabilityTest, OneStage) {
    analyse(1, {0.8f});
    EXPECT_EQ(0.8f, RESULT_TABLE(1, 1));
    EXPECT_EQ(1, ROW_NUMBERS(1));
    expectVerdict(STABLE);
}

// Roots 0.5 ± 0.5 i of length √0.5: three columns, the positive imaginary part first.
TEST_F(StabilityTest, ComplexRootsInsideTheUnitCircle) {
    analyse(2, {0.5f, -0.5f, 0.5f, 0.5f});
    const std::vector<float> first{RESULT_TABLE(1, 1), RESULT_TABLE(1, 2), RESULT_TABLE(1, 3)};
    const std::vector<float> second{RESULT_TABLE(2, 1), RESULT_TABLE(2, 2), RESULT_TABLE(2, 3)};
    EXPECT_EQ((std::vector<float>{0.5f, 0.5f, 0.70710677f}), first);
    EXPECT_EQ((std::vector<float>{0.5f, -0.5f, 0.70710677f}), second);
    EXPECT_EQ("Real part" + std::string(11, ' '), label(1));
    EXPECT_EQ("Imag. part" + std::string(10, ' '), label(2));
    EXPECT_EQ("  Length" + std::string(12, ' '), label(3));
    expectVerdict(STABLE);
}

// Roots 0.8 ± 0.8 i, of length 1.13, beside a real root 0.3.
TEST_F(StabilityTest, ComplexRootsOutsideTheUnitCircle) {
    analyse(3, {0.8f, -0.8f, 0.0f, 0.8f, 0.8f, 0.0f, 0.0f, 0.0f, 0.3f});
    EXPECT_EQ(0.8f, RESULT_TABLE(1, 1));
    EXPECT_EQ(0.8f, RESULT_TABLE(1, 2));
    EXPECT_EQ(-0.8f, RESULT_TABLE(2, 2));
    EXPECT_EQ(0.3f, RESULT_TABLE(3, 1));
    EXPECT_EQ(0.0f, RESULT_TABLE(3, 2));
    EXPECT_EQ(0.3f, RESULT_TABLE(3, 3));
    expectVerdict(COMPLEX_UNSTABLE);
}

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
