// "Rea&d data" on the model state: what each kind of file leaves in the arrays and flags,
// which the transcript alone does not show.

#include "base/fixed_text.h"
#include "model/model_state.h"
#include "model/read_data.h"
#include "present/window/file_units.h"
#include "present/window/script/scripted_window_layer.h"
#include "shell/data_file_commands.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <fstream>
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
        m_path = ::testing::TempDir() + "korvel_read_data_test_" + std::to_string(::getpid()) + ".d";
    }
    void TearDown() override {
        CLOSE_UNIT(DATA_UNIT);
        std::remove(m_path.c_str());
        RESET_MODEL_FLAGS();
        INSTALL_SCRIPTED_LAYER(nullptr);
    }
    void writeFile(const std::string& text) { std::ofstream(m_path, std::ios::trunc) << text; }
    // The file opened as "O&pen datafile" leaves it: read-only, at its beginning.
    void openFile(const std::string& text) {
        writeFile(text);
        ASSERT_TRUE(OPEN_UNIT(DATA_UNIT, m_path, UnitAccess::ReadOnly));
        DATAFILE_OPEN = true;
        m_mark = m_layer.transcript().lines().size();
    }
    // The message boxes shown since the file was opened.
    std::vector<std::string> messageBoxes() const {
        std::vector<std::string> boxes;
        const std::vector<std::string> lines = m_layer.transcript().lines();
        for (size_t k = m_mark; k < lines.size(); ++k)
            if (lines[k].rfind("msgbox ", 0) == 0) boxes.push_back(lines[k]);
        return boxes;
    }

    ScriptedWindowLayer m_layer;
    std::string m_path;
    size_t m_mark = 0;
};

const std::string X_FILE = "2 10\n80 10\n0 90\n10 10\n100 100\n5 5 0\n";
const std::string P_FILE = "2 10\n0.8 0.1\n0.0 0.9\n100 100\n0.5 0.5 10\n";

// P_FILE read whole and taken for P.
void expectPFileRead() {
    EXPECT_TRUE(DATA_READ);
    EXPECT_TRUE(X_HOLDS_P);
    EXPECT_TRUE(P_FROM_FILE);
    EXPECT_EQ(0.8f, MATRIX_X(1, 1));
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

// Without outflows the line after the matrix holds the initial stocks; w* comes later.
TEST_F(ReadDataTest, MatrixPWithoutOutflows) {
    openFile(P_FILE);
    READ_DATA(false);

    expectPFileRead();
    EXPECT_EQ(0.9f, MATRIX_X(2, 2));
    EXPECT_EQ(UNTOUCHED, OUTFLOWS(1));
    EXPECT_EQ(100.0f, INITIAL_STOCKS(1));
    EXPECT_EQ(5.0f, INFLOWS(1));
    EXPECT_EQ(10.0f, TOTAL_INFLOW);
}

// |value| >= 1 compared in single precision: 0.99999998 rounds to 1.0f, 0.99999997 does not.
TEST_F(ReadDataTest, XToldFromPBySinglePrecisionMagnitude) {
    struct Case {
        const char* element;
        bool is_x;
    };
    for (const Case& c : {Case{"1.0", true}, Case{"-1", true}, Case{"0.99999998", true},
                          Case{"0.99999997", false}, Case{"-0.999", false}}) {
        SCOPED_TRACE(c.element);
        SetUp();
        const std::string outflows = c.is_x ? "1 2\n" : "";
        openFile(std::string("2 5\n0.5 ") + c.element + "\n0 0.5\n" + outflows + "100 100\n5 5 0\n");
        READ_DATA(false);
        EXPECT_TRUE(DATA_READ);
        EXPECT_EQ(!c.is_x, static_cast<bool>(X_HOLDS_P));
        EXPECT_EQ(!c.is_x, static_cast<bool>(P_FROM_FILE));
        EXPECT_EQ(c.is_x ? 2.0f : UNTOUCHED, OUTFLOWS(2));
        TearDown();
    }
}

TEST_F(ReadDataTest, RecruitmentsAsNumbersOrProportions) {
    struct Case {
        const char* group;
        float inflow1, inflow2, total;
    };
    for (const Case& c : {Case{"5 5 0", 5, 5, 10}, Case{"0.5 0.5 40", 20, 20, 40},
                          Case{"0.25 0.75 -0", 0.25f, 0.75f, 1}, Case{"1 3\n  0.5", 0.5f, 1.5f, 0.5f}}) {
        SCOPED_TRACE(c.group);
        SetUp();
        openFile(std::string("2 5\n0.5 0.25\n0 0.5\n100 100\n") + c.group + "\n");
        READ_DATA(false);
        EXPECT_TRUE(DATA_READ);
        EXPECT_EQ(c.inflow1, INFLOWS(1));
        EXPECT_EQ(c.inflow2, INFLOWS(2));
        EXPECT_EQ(c.total, TOTAL_INFLOW);
        TearDown();
    }
}

// Stage 3 has a blank between the stem and its number, stage 12 none.
TEST_F(ReadDataTest, DefaultLabels) {
    std::string text = "12 3\n";
    for (int i = 1; i <= 12; ++i) text += "12*0.01\n";
    text += "12*10\n12*1 0\n";
    openFile(text);
    READ_DATA(false);
    ASSERT_TRUE(DATA_READ);
    EXPECT_EQ(PAD_TEXT("Ομάδα 3", LABEL_LENGTH), COLUMN_LABELS(3).text());
    EXPECT_EQ(PAD_TEXT("Ομάδα12", LABEL_LENGTH), COLUMN_LABELS(12).text());
    EXPECT_EQ(PAD_TEXT("Ιδιότητα_ 3", LABEL_LENGTH), ROW_LABELS(3).text());
    EXPECT_EQ(PAD_TEXT("Ιδιότητα_12", LABEL_LENGTH), ROW_LABELS(12).text());
    EXPECT_EQ(20, CHARACTER_COUNT(ROW_LABELS(12).text()));
}

// A second read after a failure starts again from the top of the file as it now stands, so a
// file corrected in the meantime reads whole.
TEST_F(ReadDataTest, ReadAfterFailureStartsFromTheBeginning) {
    openFile("2 10\n80 10\n0 x\n10 10\n100 100\n5 5 0\n");
    READ_DATA(false);
    EXPECT_FALSE(DATA_READ);
    EXPECT_TRUE(UNIT_IS_OPEN(DATA_UNIT));

    writeFile(X_FILE);
    READ_DATA(false);
    EXPECT_TRUE(DATA_READ);
    EXPECT_EQ(90.0f, MATRIX_X(2, 2));
    EXPECT_EQ(10.0f, TOTAL_INFLOW);
}

// A size beyond the arrays is refused before any matrix value is read, and nothing changes.
TEST_F(ReadDataTest, SizeOutOfRangeIsRefused) {
    for (const char* header : {"0 10", "56 10", "-3 10", "2 -1", "2 199", "56 -1"}) {
        SCOPED_TRACE(header);
        SetUp();
        openFile(std::string(header) + "\n0.5 0.5\n0.5 0.5\n100 100\n5 5 0\n");
        READ_DATA(false);
        EXPECT_FALSE(DATA_READ);
        EXPECT_EQ(4, STAGE_COUNT);
        EXPECT_EQ(7, PERIOD_COUNT);
        EXPECT_EQ(UNTOUCHED, MATRIX_X(1, 1));
        EXPECT_TRUE(X_HOLDS_P);
        ASSERT_EQ(1u, messageBoxes().size());
        EXPECT_EQ(0u, messageBoxes()[0].rfind("msgbox 48 ", 0)) << messageBoxes()[0];
        TearDown();
    }
}

TEST_F(ReadDataTest, SizeLimitsAreAccepted) {
    for (const auto& [stages, periods] : {std::pair{1, 0}, std::pair{55, 198}}) {
        SCOPED_TRACE(stages);
        SetUp();
        const std::string row = std::to_string(stages) + "*0.01\n";
        std::string text = std::to_string(stages) + " " + std::to_string(periods) + "\n";
        for (int i = 1; i <= stages; ++i) text += row;
        text += std::to_string(stages) + "*100\n" + std::to_string(stages) + "*1 0\n";
        openFile(text);
        READ_DATA(false);
        EXPECT_TRUE(DATA_READ);
        EXPECT_EQ(stages, STAGE_COUNT);
        EXPECT_EQ(periods, PERIOD_COUNT);
        EXPECT_EQ(0.01f, MATRIX_X(stages, stages));
        EXPECT_EQ(static_cast<float>(stages), TOTAL_INFLOW);
        TearDown();
    }
}

// Each failure is told by the message of its group; what was read before it stays, and the
// file stays open.
TEST_F(ReadDataTest, FailuresNameTheirGroup) {
    struct Case {
        const char* text;
        const char* caption;
    };
    const Case cases[] = {
        {"2\n", " Data have not been read "},
        {"2 3.0\n0.5 0.5\n", " Data have not been read "},
        {"2 10\n0.5 0.5\n0.5 nan\n", " Attention ! Error reading Matrix X or the system transition matrix "},
        {"2 10\n0.5 0.5\n", " Attention ! Error reading Matrix X or the system transition matrix "},
        {"2 10\n80 10\n0 90\n10 1e39\n", "Attention ! Error reading the outgoing people (outflows) from each stage "},
        {"2 10\n0.5 0.5\n0.5 0.5\n100\n", " Attention ! Error reading the initial conditions "},
        {"2 10\n0.5 0.5\n0.5 0.5\n100 -inf\n", " Attention ! Error reading the initial conditions "},
        {"2 10\n0.5 0.5\n0.5 0.5\n100 100\n5 5\n", " Attention ! Error reading the recruitments (inflows), for each stage "},
        {"2 10\n0.5 0.5\n0.5 0.5\n100 100\n1 2e30 2e30\n", " Attention ! Error reading the recruitments (inflows), for each stage "},
        {"2 10\n0.5 0.5\n0.5 0.5\n100 100\n3e38 3e38 0\n", " Attention ! Error reading the recruitments (inflows), for each stage "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        SetUp();
        openFile(c.text);
        READ_DATA(false);
        EXPECT_FALSE(DATA_READ);
        EXPECT_TRUE(UNIT_IS_OPEN(DATA_UNIT));
        ASSERT_EQ(1u, messageBoxes().size());
        EXPECT_NE(std::string::npos, messageBoxes()[0].find(std::string("msgbox 48 \"") + c.caption + '"'))
            << messageBoxes()[0];
        TearDown();
    }
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

// "&Close datafile" returns the flags, so a P file read after an X file is taken as P.
TEST_F(ReadDataTest, CloseThenReadPFileGivesPAgain) {
    openFile(X_FILE);
    READ_DATA(false);
    ASSERT_FALSE(P_FROM_FILE);
    CLOSEFILECALL(true);
    openFile(P_FILE);
    READ_DATA(false);
    expectPFileRead();
}

// A P file read after an X file failed, without closing in between, is still taken for P.
TEST_F(ReadDataTest, PFileAfterFailedXFileIsTakenForP) {
    openFile("2 10\n80 10\n0 90\n10 x\n");
    READ_DATA(false);
    ASSERT_FALSE(DATA_READ);
    ASSERT_FALSE(X_HOLDS_P);
    openFile(P_FILE);
    READ_DATA(false);
    EXPECT_TRUE(DATA_READ);
    EXPECT_TRUE(X_HOLDS_P);
    EXPECT_TRUE(P_FROM_FILE);
    EXPECT_EQ(100.0f, INITIAL_STOCKS(1));
    EXPECT_EQ(5.0f, INFLOWS(2));
}

// Once read, a second read changes nothing.
TEST_F(ReadDataTest, SecondReadOnlyInforms) {
    openFile(X_FILE);
    READ_DATA(false);
    ASSERT_TRUE(DATA_READ);
    MATRIX_X(1, 1) = 3.0f;
    READ_DATA(false);
    EXPECT_EQ(3.0f, MATRIX_X(1, 1));
    ASSERT_EQ(1u, messageBoxes().size());
    EXPECT_EQ(0u, messageBoxes()[0].rfind("msgbox 64 \"Initial data have already been read \"", 0));
}

}  // namespace
}  // namespace korvel
