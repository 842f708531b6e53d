// "A&pplication of optimal control": what it refuses before reading, and a solve that fails.

#include "tests/analysis/analysis_fixture.h"
#include "control/control_commands.h"
#include "control/control_state.h"
#include "tests/control/working_directory.h"

namespace korvel {
namespace {

class OptimalControlCommandTest : public AnalysisTest {
protected:
    void SetUp() override {
        AnalysisTest::SetUp();
        DATA_READ = true;
        X_HOLDS_P = true;
        STAGE_COUNT = 2;
        MATRIX_X(1, 1) = 0.8f;
        MATRIX_X(2, 2) = 0.9f;
    }
    WorkingDirectory m_directory;
};

struct Refusal {
    const char* name;
    bool data_read;
    bool p_formed;
    int stages;
    const char* file;
};

// The messages are the scenario control_refused's.
const Refusal REFUSALS[] = {
    {"no_data", false, false, 2, "1\n1 1 1 1\n1 1 1 1\n"}, {"p_not_formed", true, false, 2, "1\n1 1 1 1\n1 1 1 1\n"},
    {"28_stages", true, true, 28, "1\n"}, {"period_0", true, true, 2, "0\n"}, {"period_56", true, true, 2, "56\n"},
};

// Each refusal is one message: nothing read into the stores, no table, no working file, and the
// previous solution kept.
TEST_F(OptimalControlCommandTest, RefusedWithAMessageBeforeTheSolver) {
    for (const Refusal& refusal : REFUSALS) {
        DATA_READ = refusal.data_read;
        X_HOLDS_P = refusal.p_formed;
        STAGE_COUNT = refusal.stages;
        CONTROL_SOLVED = true;
        CONTROL_PERIOD = 3;
        m_directory.write("OPTIMAL_CONTROL.d", refusal.file);
        const size_t before = lines().size();
        OPTIMAL_CONTROL(true);
        EXPECT_EQ(1u, messages(before).size()) << refusal.name;
        EXPECT_TRUE(pages(before).empty()) << refusal.name;
        EXPECT_TRUE(CONTROL_SOLVED) << refusal.name;
        EXPECT_EQ(3, CONTROL_PERIOD) << refusal.name;
        EXPECT_TRUE(m_directory.holdsOnly({"OPTIMAL_CONTROL.d"})) << refusal.name;
    }
}

// The last accepted sizes beside the first refused above: 27 stages over 55 periods.
TEST_F(OptimalControlCommandTest, TwentySevenStagesOverFiftyFivePeriodsAreSolved) {
    STAGE_COUNT = 27;
    for (int i = 1; i <= 27; ++i) {
        MATRIX_X(i, i) = 0.5f;
        INITIAL_STOCKS(i) = 10.0f;
    }
    std::string file = "55\n";
    for (int t = 0; t < 110; ++t) file += "54*1\n";
    m_directory.write("OPTIMAL_CONTROL.d", file);
    OPTIMAL_CONTROL(true);
    EXPECT_TRUE(CONTROL_SOLVED);
    EXPECT_EQ(55, CONTROL_PERIOD);
    EXPECT_TRUE(messages().empty());
}

// All weights zero: S(N) = 0 is singular. The nominal path and the weights are shown, then the
// message, while the working files are still there; no solution table, the flag cleared, and
// the working files gone.
TEST_F(OptimalControlCommandTest, AllWeightsZeroFailsAndLeavesNoWorkingFile) {
    CONTROL_SOLVED = true;
    m_directory.write("OPTIMAL_CONTROL.d", "2\n10 20 1 2\n11 21 1 2\n4*0\n4*0\n");
    OPTIMAL_CONTROL(true);

    std::vector<int> kinds;
    for (const ShownPage& page : pages()) kinds.push_back(page.kind);
    EXPECT_EQ((std::vector<int>{7, 8}), kinds);
    std::vector<std::string> filesAndMessages;
    for (const std::string& line : lines())
        if (line.starts_with("file ") || line.starts_with("msgbox")) filesAndMessages.push_back(line);
    EXPECT_EQ((std::vector<std::string>{"file created FEEDBACK", "file created g_vector", "file created XINVF",
                                        "file deleted XINVF",
                                        "msgbox 48 \" Matrix allocation error\" \" Error in matrix allocation. Probably "
                                        "the data heve not given correctly\" -> OK",
                                        "file deleted g_vector", "file deleted FEEDBACK"}),
              filesAndMessages);
    EXPECT_FALSE(CONTROL_SOLVED);
    EXPECT_TRUE(m_directory.holdsOnly({"OPTIMAL_CONTROL.d"}));
}

// A solve that succeeds leaves the same: the rules never reach the user's directory, and a
// user's own files named like them stay as they were.
TEST_F(OptimalControlCommandTest, UsersFilesOfTheWorkingFilesNamesAreLeftAlone) {
    m_directory.write("OPTIMAL_CONTROL.d", "1\n10 20 1 2\n1 1 1 1\n");
    m_directory.write("FEEDBACK", "mine\n");
    m_directory.write("g_vector", "mine too\n");
    OPTIMAL_CONTROL(true);
    EXPECT_TRUE(CONTROL_SOLVED);
    EXPECT_EQ(4u, pages().size());
    EXPECT_TRUE(m_directory.holdsOnly({"OPTIMAL_CONTROL.d", "FEEDBACK", "g_vector"}));
    std::ifstream feedback("FEEDBACK"), offsets("g_vector");
    std::string first, second;
    std::getline(feedback, first);
    std::getline(offsets, second);
    EXPECT_EQ("mine", first);
    EXPECT_EQ("mine too", second);
}

}  // namespace
}  // namespace korvel
