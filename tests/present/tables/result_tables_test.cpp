// PRINTNNN through the scripted layer: what no example shows. Whole pages, column and row pages
// and their subtitles, and a page of 150 rows are the scenarios details_examples and
// tables_paging.

#include "model/model_state.h"
#include "present/tables/result_tables.h"
#include "frontends/headless/script/scripted_window_layer.h"

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

    ScriptedWindowLayer layer;
};

TEST_F(PrintTablesTest, HeadingsShowTwelveFourteenOrThirtyCharacters) {
    COLUMN_LABELS(1).assign("Characteristic root");
    PRINTNNN(1, 1, 1, false, COLUMN_LABELS);
    PRINTNNN(1, 1, 16, false, COLUMN_LABELS);
    PRINTNNN(1, 1, 16, true, COLUMN_LABELS);
    const std::vector<std::string> headings = layer.transcript().linesStartingWith("headings ");
    ASSERT_EQ(3u, headings.size());
    EXPECT_EQ("headings \"Period    t\" \"Characterist\"", headings[0]);
    EXPECT_EQ("headings \"      No.\" \"Characteristic\"", headings[1]);
    EXPECT_EQ("headings \"      No.\" \"Characteristic root\"", headings[2]);
}

TEST_F(PrintTablesTest, SteadyStateRowInLayoutB) {
    ROW_NUMBERS(2) = STEADY_STATE_ROW;
    PRINTNNN(1, 2, 17, false, COLUMN_LABELS);
    EXPECT_EQ("row \"        { > }\" \"   0.500000\"", layer.transcript().linesStartingWith("row ")[1]);
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
