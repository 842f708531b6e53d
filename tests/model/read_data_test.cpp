// "Rea&d data" on the model state: what each kind of file leaves in the arrays and flags,
// which the transcript alone does not show. The sizes at their limits are the corpus's, X or P
// at the edge of 1 the scenario read_x_or_p's.

#include "model/model_state.h"
#include "model/read_data.h"
#include "present/window/file_units.h"
#include "frontends/headless/script/scripted_window_layer.h"
#include "shell/data_file_commands.h"
#include "tests/control/working_directory.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace korvel {
namespace {

constexpr float UNTOUCHED = -7.0f;

class ReadDataTest : public ::testing::Test {
protected:
    void SetUp() override {
        INSTALL_SCRIPTED_LAYER(&m_layer);
        DATA_UNIT = DATA_CHANNEL;
        RESET_MODEL_FLAGS();
        STAGE_COUNT = 4;
        PERIOD_COUNT = 7;
        MATRIX_X.fill(UNTOUCHED);
        OUTFLOWS.fill(UNTOUCHED);
        INITIAL_STOCKS.fill(UNTOUCHED);
        INFLOWS.fill(UNTOUCHED);
        TOTAL_INFLOW = UNTOUCHED;
    }
    void TearDown() override {
        CLOSE_UNIT(DATA_UNIT);
        RESET_MODEL_FLAGS();
        INSTALL_SCRIPTED_LAYER(nullptr);
    }
    // The file opened as "O&pen datafile" leaves it: read-only, at its beginning.
    void openFile(const std::string& text) {
        m_directory.write("model.d", text);
        ASSERT_TRUE(OPEN_UNIT(DATA_UNIT, (m_directory.path() / "model.d").string(), UnitAccess::ReadOnly));
        DATAFILE_OPEN = true;
        m_mark = m_layer.transcript().lines().size();
    }
    // The message boxes shown since the file was opened.
    std::vector<std::string> messageBoxes() const { return m_layer.transcript().linesStartingWith("msgbox ", m_mark); }

    ScriptedWindowLayer m_layer;
    WorkingDirectory m_directory;
    size_t m_mark = 0;
};

const std::string X_FILE = "2 10\n80 10\n0 90\n10 10\n100 100\n5 5 0\n";
const std::string P_FILE = "2 10\n0.8 0.1\n0.0 0.9\n100 100\n0.5 0.5 10\n";

// P_FILE read whole and taken for P: without outflows the line after the matrix holds the
// initial stocks, and w* comes later.
void expectPFileRead() {
    EXPECT_TRUE(DATA_READ);
    EXPECT_TRUE(X_HOLDS_P);
    EXPECT_TRUE(P_FROM_FILE);
    EXPECT_EQ(0.9f, MATRIX_X(2, 2));
    EXPECT_EQ(100.0f, INITIAL_STOCKS(1));
    EXPECT_EQ(5.0f, INFLOWS(2));
    EXPECT_EQ(10.0f, TOTAL_INFLOW);
}

TEST_F(ReadDataTest, MatrixXWithOutflows) {
    openFile(X_FILE);
    READ_DATA(false);

    EXPECT_TRUE(DATA_READ);
    EXPECT_FALSE(X_HOLDS_P);
    EXPECT_FALSE(P_FROM_FILE);
    EXPECT_EQ(2, STAGE_COUNT);
    EXPECT_EQ(10, PERIOD_COUNT);
    EXPECT_EQ(80.0f, MATRIX_X(1, 1));
    EXPECT_EQ(10.0f, MATRIX_X(1, 2));
    EXPECT_EQ(0.0f, MATRIX_X(2, 1));
    EXPECT_EQ(90.0f, MATRIX_X(2, 2));
    EXPECT_EQ(UNTOUCHED, MATRIX_X(1, 3));
    EXPECT_EQ(10.0f, OUTFLOWS(1));
    EXPECT_EQ(10.0f, OUTFLOWS(2));
    EXPECT_EQ(UNTOUCHED, OUTFLOWS(3));
    EXPECT_EQ(100.0f, INITIAL_STOCKS(2));
    EXPECT_EQ(5.0f, INFLOWS(1));
    EXPECT_EQ(5.0f, INFLOWS(2));
    EXPECT_EQ(10.0f, TOTAL_INFLOW);
    // Read once: the file is closed, but still counts as the one selected.
    EXPECT_FALSE(UNIT_IS_OPEN(DATA_UNIT));
    EXPECT_TRUE(DATAFILE_OPEN);
    EXPECT_TRUE(messageBoxes().empty());
}

TEST_F(ReadDataTest, MatrixPWithoutOutflows) {
    openFile(P_FILE);
    READ_DATA(false);
    expectPFileRead();
    EXPECT_EQ(UNTOUCHED, OUTFLOWS(1));
}

// Recruitments: numbers with a total of 0 (or -0), or proportions of the total given; the total
// may stand on a line of its own. Numbers with a total of 0 are X_FILE's, proportions P_FILE's.
struct Recruitments {
    const char* name;
    const char* group;
    float inflow1, inflow2, total;
};

class RecruitmentsTest : public ReadDataTest, public ::testing::WithParamInterface<Recruitments> {};

TEST_P(RecruitmentsTest, AsNumbersOrProportions) {
    openFile(std::string("2 5\n0.5 0.25\n0 0.5\n100 100\n") + GetParam().group + "\n");
    READ_DATA(false);
    EXPECT_TRUE(DATA_READ);
    EXPECT_EQ(GetParam().inflow1, INFLOWS(1));
    EXPECT_EQ(GetParam().inflow2, INFLOWS(2));
    EXPECT_EQ(GetParam().total, TOTAL_INFLOW);
}

INSTANTIATE_TEST_SUITE_P(Groups, RecruitmentsTest,
                         ::testing::Values(Recruitments{"minus_zero_total", "0.25 0.75 -0", 0.25f, 0.75f, 1},
                                           Recruitments{"total_on_its_own_line", "1 3\n  0.5", 0.5f, 1.5f, 0.5f}),
                         [](const auto& info) { return std::string(info.param.name); });

// Stage 3 has a blank between the stem and its number, stage 12 none; the labels are padded to
// 20 characters, not bytes.
TEST_F(ReadDataTest, DefaultLabels) {
    std::string text = "12 3\n";
    for (int i = 1; i <= 12; ++i) text += "12*0.01\n";
    text += "12*10\n12*1 0\n";
    openFile(text);
    READ_DATA(false);
    ASSERT_TRUE(DATA_READ);
    EXPECT_EQ("Ομάδα 3" + std::string(13, ' '), COLUMN_LABELS(3).text());
    EXPECT_EQ("Ομάδα12" + std::string(13, ' '), COLUMN_LABELS(12).text());
    EXPECT_EQ("Ιδιότητα_ 3" + std::string(9, ' '), ROW_LABELS(3).text());
    EXPECT_EQ("Ιδιότητα_12" + std::string(9, ' '), ROW_LABELS(12).text());
}

// The header was read before the initial conditions failed; the stocks read stay.
TEST_F(ReadDataTest, FileEndingInsideInitialConditionsKeepsWhatWasRead) {
    openFile("3 10\n0.5 0 0\n0 0.5 0\n0 0 0.5\n100 200\n");
    READ_DATA(false);
    EXPECT_FALSE(DATA_READ);
    EXPECT_EQ(3, STAGE_COUNT);
    EXPECT_EQ(0.5f, MATRIX_X(3, 3));
    EXPECT_EQ(200.0f, INITIAL_STOCKS(2));
    EXPECT_EQ(UNTOUCHED, INITIAL_STOCKS(3));
}

// A P file read after an X file failed, without closing in between, is still taken for P.
TEST_F(ReadDataTest, PFileAfterFailedXFileIsTakenForP) {
    openFile("2 10\n80 10\n0 90\n10 x\n");
    READ_DATA(false);
    ASSERT_FALSE(DATA_READ);
    ASSERT_FALSE(X_HOLDS_P);
    openFile(P_FILE);
    READ_DATA(false);
    expectPFileRead();
}

}  // namespace
}  // namespace korvel
