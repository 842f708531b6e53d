// PRINTNNN through the scripted layer: the pages a table is cut into and what each one shows,
// as the transcript records them.

#include "model/model_state.h"
#include "present/tables/result_tables.h"
#include "present/window/script/scripted_window_layer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace korvel {
namespace {

class PrintTablesTest : public ::testing::Test {
protected:
    PrintTablesTest() {
        INSTALL_SCRIPTED_LAYER(&layer);
        for (int row = 1; row <= MAX_ROWS; ++row) {
            ROW_NUMBERS(row) = row;
            ROW_LABELS(row).assign("   row " + std::to_string(row));
            for (int column = 1; column <= MAX_STAGES; ++column) RESULT_TABLE(row, column) = 0.5f;
        }
        for (int column = 1; column <= MAX_STAGES; ++column) COLUMN_LABELS(column).assign("   c" + std::to_string(column));
    }
    ~PrintTablesTest() override { INSTALL_SCRIPTED_LAYER(nullptr); }

    // The transcript lines that start with `word` and a blank.
    std::vector<std::string> linesOf(const std::string& word) const {
        std::vector<std::string> found;
        for (const std::string& line : layer.transcript().lines())
            if (line.rfind(word + ' ', 0) == 0) found.push_back(line);
        return found;
    }

    ScriptedWindowLayer layer;
};

// A whole page, line by line, is checked by the details scenarios; here the page splits.
TEST_F(PrintTablesTest, TwentyFiveColumnsMakeThreeColumnPagesEachWithTheRowLabels) {
    PRINTNNN(25, 3, 17, false, COLUMN_LABELS);
    const std::vector<std::string> headings = linesOf("headings");
    ASSERT_EQ(3u, headings.size());
    EXPECT_EQ("headings \"Row / Column\" \"   c1\" \"   c2\" \"   c3\" \"   c4\" \"   c5\" \"   c6\" \"   c7\" \"   c8\" "
              "\"   c9\" \"   c10\" \"   c11\"",
              headings[0]);
    EXPECT_EQ("headings \"Row / Column\" \"   c12\" \"   c13\" \"   c14\" \"   c15\" \"   c16\" \"   c17\" \"   c18\" "
              "\"   c19\" \"   c20\" \"   c21\" \"   c22\"",
              headings[1]);
    EXPECT_EQ("headings \"Row / Column\" \"   c23\" \"   c24\" \"   c25\"", headings[2]);

    const std::vector<std::string> rows = linesOf("row");
    ASSERT_EQ(9u, rows.size());
    const std::string eleven_values = [] {
        std::string values;
        for (int i = 0; i < 11; ++i) values += " \"   0.500000\"";
        return values;
    }();
    EXPECT_EQ("row \"            1\"" + eleven_values, rows[0]);
    EXPECT_EQ("row \"            3\"" + eleven_values, rows[5]);
    EXPECT_EQ("row \"            3\" \"   0.500000\" \"   0.500000\" \"   0.500000\"", rows[8]);

    const std::vector<std::string> configs = linesOf("config");
    ASSERT_EQ(3u, configs.size());
    EXPECT_EQ("config 63 -1 -1 -1 20 -> 1024 320 128 20 ok", configs[0]);
    EXPECT_EQ("config 63 -1 -1 80 20 -> 640 320 80 20 ok", configs[2]);
    EXPECT_EQ(3u, linesOf("mouse").size());
    EXPECT_EQ(3u, linesOf("close").size());
}

TEST_F(PrintTablesTest, ThirtyRootsMakeTwoRowPagesAndTheSecondSaysItContinues) {
    PRINTNNN(2, 30, 13, true, COLUMN_LABELS);
    const std::vector<std::string> pages = linesOf("page");
    ASSERT_EQ(2u, pages.size());
    EXPECT_EQ("page 13 \"STABILITY ANALYSIS.\" \"The real characteristic roots of matrix P.\" \"\"", pages[0]);
    EXPECT_EQ("page 13 \"STABILITY ANALYSIS.\" \"The real characteristic roots of matrix P.\" "
              "\"(The presentation continues...)\"",
              pages[1]);
    const std::vector<std::string> rows = linesOf("row");
    ASSERT_EQ(30u, rows.size());
    EXPECT_EQ("row \"           21\" \"   0.500000\" \"   0.500000\"", rows[20]);
    EXPECT_EQ("row \"           30\" \"   0.500000\" \"   0.500000\"", rows[29]);
    const std::vector<std::string> configs = linesOf("config");
    ASSERT_EQ(2u, configs.size());
    EXPECT_EQ("config 63 -1 -1 80 40 -> 640 640 80 40 ok", configs[0]);
    EXPECT_EQ("config 63 -1 -1 80 35 -> 640 560 80 35 ok", configs[1]);
    // Prompts below 20 and 10 rows, in the wide font.
    const std::vector<std::string> prompts = linesOf("text");
    ASSERT_EQ(2u, prompts.size());
    EXPECT_EQ("text 63 50 500 \"t'Arial'h17b\" #ff8500 \" (Press the left mouse button)\"", prompts[0]);
    EXPECT_EQ("text 63 50 300 \"t'Arial'h17b\" #ff8500 \" (Press the left mouse button)\"", prompts[1]);
}

// Each column page starts again from row 1 without the subtitle; the next table has none.
TEST_F(PrintTablesTest, SubtitleOnlyOnFurtherRowPagesOfAColumnPage) {
    PRINTNNN(12, 25, 18, false, COLUMN_LABELS);
    PRINTNNN(1, 3, 19, false, COLUMN_LABELS);
    const std::vector<std::string> pages = linesOf("page");
    ASSERT_EQ(5u, pages.size());
    const std::string continues = "\"(The presentation continues...)\"";
    const auto subtitleOf = [](const std::string& line) { return line.substr(line.rfind(" \"") + 1); };
    EXPECT_EQ("\"\"", subtitleOf(pages[0]));
    EXPECT_EQ(continues, subtitleOf(pages[1]));
    EXPECT_EQ("\"\"", subtitleOf(pages[2]));
    EXPECT_EQ(continues, subtitleOf(pages[3]));
    EXPECT_EQ("\"\"", subtitleOf(pages[4]));
    EXPECT_EQ("page 19 \"MATRIX PRESENTATION.\" \".....and its inverse.\" \"\"", pages[4]);
    // Column 12 alone, for rows 21 to 25.
    const std::vector<std::string> rows = linesOf("row");
    ASSERT_EQ(25u + 25u + 3u, rows.size());
    EXPECT_EQ("row \"           21\" \"   0.500000\"", rows[45]);
}

TEST_F(PrintTablesTest, ProjectionsTableOfOneHundredFiftyRowsIsOnePage) {
    RESULT_TABLE(149, 2) = MISSING_VALUE;
    RESULT_TABLE(150, 1) = 4321.5f;
    ROW_NUMBERS(150) = STEADY_STATE_ROW;
    PRINTNNN(3, 150, 1, false, COLUMN_LABELS);
    EXPECT_EQ(1u, linesOf("page").size());
    EXPECT_EQ("page 1 \"SYSTEM EVOLUTION.\" \"\" \"\"", linesOf("page")[0]);
    EXPECT_EQ("headings \"Period    t\" \"   c1\" \"   c2\" \"   c3\"", linesOf("headings")[0]);
    const std::vector<std::string> rows = linesOf("row");
    ASSERT_EQ(150u, rows.size());
    EXPECT_EQ("row \"          149\" \"   0.500000\" \"          ?\" \"   0.500000\"", rows[148]);
    EXPECT_EQ("row \"         { > }\" \"    4321.500\" \"   0.500000\" \"   0.500000\"", rows[149]);
    EXPECT_EQ(std::vector<std::string>{"config 63 -1 -1 80 208 -> 640 3328 80 208 ok"}, linesOf("config"));
    EXPECT_EQ(std::vector<std::string>{"text 63 90 3070 \"t'Arial'h15b\" #ff8500 \" (Press the left mouse button)\""},
              linesOf("text"));
}

TEST_F(PrintTablesTest, NamedRowsFollowThePagesRows) {
    PRINTNNN(1, 25, 22, false, COLUMN_LABELS);
    const std::vector<std::string> rows = linesOf("row");
    ASSERT_EQ(25u, rows.size());
    EXPECT_EQ("row \"   row 1\" \"   0.500000\"", rows[0]);
    EXPECT_EQ("row \"   row 21\" \"   0.500000\"", rows[20]);
    EXPECT_EQ("row \"   row 25\" \"   0.500000\"", rows[24]);
}

TEST_F(PrintTablesTest, HeadingsShowTwelveFourteenOrThirtyCharacters) {
    COLUMN_LABELS(1).assign("Characteristic root");
    PRINTNNN(1, 1, 1, false, COLUMN_LABELS);
    PRINTNNN(1, 1, 16, false, COLUMN_LABELS);
    PRINTNNN(1, 1, 16, true, COLUMN_LABELS);
    const std::vector<std::string> headings = linesOf("headings");
    ASSERT_EQ(3u, headings.size());
    EXPECT_EQ("headings \"Period    t\" \"Characterist\"", headings[0]);
    EXPECT_EQ("headings \"      No.\" \"Characteristic\"", headings[1]);
    EXPECT_EQ("headings \"      No.\" \"Characteristic root\"", headings[2]);
}

TEST_F(PrintTablesTest, SteadyStateRowInLayoutB) {
    ROW_NUMBERS(2) = STEADY_STATE_ROW;
    PRINTNNN(1, 2, 17, false, COLUMN_LABELS);
    EXPECT_EQ("row \"        { > }\" \"   0.500000\"", linesOf("row")[1]);
}

// A layer whose user first presses with both buttons down: the page waits on.
class BothButtonsFirstLayer : public ScriptedWindowLayer {
public:
    MOUSE_RESULT waitMouseEvent(int mask) override {
        ++waits;
        MOUSE_RESULT result = ScriptedWindowLayer::waitMouseEvent(mask);
        if (waits == 1) result.key_state = 3;
        return result;
    }
    int waits = 0;
};

TEST(PrintTablesClickTest, PageWaitsUntilOnlyTheLeftButtonIsDown) {
    BothButtonsFirstLayer layer;
    INSTALL_SCRIPTED_LAYER(&layer);
    PRINTNNN(1, 1, 17, false, COLUMN_LABELS);
    INSTALL_SCRIPTED_LAYER(nullptr);
    EXPECT_EQ(2, layer.waits);
    EXPECT_EQ("close 63", layer.transcript().lines().back());
}

}  // namespace
}  // namespace korvel
