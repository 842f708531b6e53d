// "Sho&w details" on the model state: P and w* written over the model, the flags, and the
// refusals that must leave the model as it was. The tables it shows are checked by scenarios.

#include "analysis/analysis_commands.h"
#include "analysis/show_details.h"
#include "tests/analysis/analysis_fixture.h"

namespace korvel {
namespace {

using ShowDetailsTest = AnalysisTest;

// Counts with a stage that everybody leaves: X = [[40, 5, 0], [0, 0, 0], [0, 10, 30]], outflows
// (5, 8, 10). T = (50, 8, 50): P's rows are (0.8, 0.1, 0), (0, 0, 0), (0, 0.2, 0.6) and
// w* = (0.1, 1, 0.2). The second run finds P in place and changes nothing.
TEST_F(ShowDetailsTest, CountsBecomeProportionsOnceOnly) {
    readText("3 4\n40 5 0\n0 0 0\n0 10 30\n5 8 10\n50 20 40\n4 2 1 0\n");
    CONTROL_SOLVED = true;
    const float p[3][3] = {{0.8f, 0.1f, 0.0f}, {0.0f, 0.0f, 0.0f}, {0.0f, 0.2f, 0.6f}};
    const float w[3] = {0.1f, 1.0f, 0.2f};
    for (int run = 1; run <= 2; ++run) {
        SHOWDATA(false);
        for (int i = 1; i <= 3; ++i) {
            for (int j = 1; j <= 3; ++j) {
                EXPECT_FLOAT_EQ(p[i - 1][j - 1], MATRIX_X(i, j)) << run << ": " << i << "," << j;
                EXPECT_EQ(MATRIX_X(i, j), MATRIX_P(i, j));
            }
            EXPECT_NEAR(w[i - 1], OUTFLOWS(i), 1e-7f) << run << ": " << i;
        }
        EXPECT_TRUE(X_HOLDS_P);
        EXPECT_FALSE(P_FROM_FILE);
        EXPECT_FALSE(CONTROL_SOLVED);
    }
    EXPECT_TRUE(messages().empty());
}

// Each refusal leaves the data as read, no P, and the control's result standing.
struct Refusal {
    const char* name;
    std::string file;  // empty: nothing read
};

// 54 stages fit the model but not the tables of n + 2 columns; 53 are shown (the corpus).
std::string fiftyFourStages() {
    std::string text = "54 1\n";
    for (int i = 0; i < 54; ++i) text += "54*0.01\n";
    return text + "54*10\n54*1 0\n";
}

class ShowDetailsRefusalTest : public AnalysisTest, public ::testing::WithParamInterface<Refusal> {};

TEST_P(ShowDetailsRefusalTest, LeavesTheModelAsItWas) {
    if (!GetParam().file.empty()) readText(GetParam().file);
    const float first = MATRIX_X(1, 1);
    const bool held_p = X_HOLDS_P;
    CONTROL_SOLVED = true;
    SHOWDATA(false);
    EXPECT_EQ(1u, messages().size());
    EXPECT_EQ(first, MATRIX_X(1, 1));
    EXPECT_EQ(held_p, static_cast<bool>(X_HOLDS_P));
    EXPECT_EQ(0.0f, MATRIX_P(1, 1));
    EXPECT_TRUE(CONTROL_SOLVED);
}

INSTANTIATE_TEST_SUITE_P(Cases, ShowDetailsRefusalTest,
                         ::testing::Values(Refusal{"not_read", ""}, Refusal{"zero_row_total", "2 1\n5 1\n0 0\n2 0\n1 1\n1 1 0\n"},
                                           Refusal{"too_many_stages", fiftyFourStages()}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace korvel
