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

// Roots by decreasing modulus, a conjugate pair with its positive imaginary part first: one
// column of real roots, or real part, imaginary part and length. A root of length 1 or more is
// unstable; a root exactly of length 1 and the stage nobody leaves are the scenarios'.
struct StabilityCase {
    const char* name;
    int n;
    std::vector<float> p;                  // row by row
    std::vector<std::vector<float>> roots;  // the table's rows
    const char* verdict;
};

const StabilityCase CASES[] = {
    // [[0, 1], [0.5, -0.5]]: roots -1 and 0.5; -1 has length 1.
    {"real_root_minus_one", 2, {0.0f, 1.0f, 0.5f, -0.5f}, {{-1.0f}, {0.5f}}, REAL_UNSTABLE},
    // 0.5 ± 1e-9 i: imaginary parts within 2e-9 count as zero, so the table has one column.
    {"tiny_imaginary_parts", 2, {0.5f, -1e-18f, 1.0f, 0.5f}, {{0.5f}, {0.5f}}, STABLE},
    // 0.5 ± 0.5 i, of length √0.5.
    {"complex_inside", 2, {0.5f, -0.5f, 0.5f, 0.5f}, {{0.5f, 0.5f, 0.70710677f}, {0.5f, -0.5f, 0.70710677f}}, STABLE},
    // 0.8 ± 0.8 i, of length 1.13, beside a real root 0.3.
    {"complex_outside", 3, {0.8f, -0.8f, 0.0f, 0.8f, 0.8f, 0.0f, 0.0f, 0.0f, 0.3f},
     {{0.8f, 0.8f, 1.1313709f}, {0.8f, -0.8f, 1.1313709f}, {0.3f, 0.0f, 0.3f}}, COMPLEX_UNSTABLE},
};

class StabilityCaseTest : public StabilityTest, public ::testing::WithParamInterface<StabilityCase> {};

TEST_P(StabilityCaseTest, RootsInTheTableThenTheVerdict) {
    const StabilityCase& c = GetParam();
    analyse(c.n, c.p);
    for (int i = 1; i <= c.n; ++i) {
        const std::vector<float>& row = c.roots[static_cast<size_t>(i - 1)];
        for (int j = 1; j <= static_cast<int>(row.size()); ++j) EXPECT_NEAR(row[static_cast<size_t>(j - 1)], RESULT_TABLE(i, j), 1e-7f) << i << "," << j;
        EXPECT_EQ(i, ROW_NUMBERS(i));
    }
    if (c.roots[0].size() == 1) {
        EXPECT_EQ(" Eigenvalues" + std::string(8, ' '), label(1));
    } else {
        EXPECT_EQ("Real part" + std::string(11, ' '), label(1));
        EXPECT_EQ("Imag. part" + std::string(10, ' '), label(2));
        EXPECT_EQ("  Length" + std::string(12, ' '), label(3));
    }
    expectVerdict(c.verdict);
}

INSTANTIATE_TEST_SUITE_P(Matrices, StabilityCaseTest, ::testing::ValuesIn(CASES), [](const auto& info) { return std::string(info.param.name); });

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
