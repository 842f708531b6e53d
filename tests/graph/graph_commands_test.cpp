// The graph commands through the scripted layer: the graph buffer is filled as a projection
// would fill it, and the transcript shows the graph each command draws. Whole graphs of real
// projections, thinned or not, are checked by the projection scenarios.

#include "base/program_exit.h"
#include "present/graph/graph_commands.h"
#include "present/graph/graph_engine.h"
#include "present/graph/line_graph.h"
#include "present/window/script/scripted_window_layer.h"
#include "shell/exit_routines.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <string>
#include <vector>

namespace korvel {
namespace {

class GraphCommandsTest : public ::testing::Test {
protected:
    GraphCommandsTest() {
        INSTALL_SCRIPTED_LAYER(&layer);
        INSTALL_EXIT_ROUTINE(USEREXIT);
        OPEN_CHILD_WINDOW(INDICATIONS_CHANNEL, " Basic indications");
        DATAFILE_OPEN = true;
        STOCK_GRAPH_REQUESTED = false;
        OUTFLOW_GRAPH_REQUESTED = false;
        Q_GRAPH_MODE = false;
        // Stage k's point p is 10 k + p; the last series is the total.
        stages(3, 4);
    }
    ~GraphCommandsTest() override { INSTALL_SCRIPTED_LAYER(nullptr); }

    void stages(int n, int t) {
        STAGE_COUNT = n;
        PERIOD_COUNT = t;
        for (int k = 1; k <= n; ++k) {
            X_SERIES_NAMES(k).assign("    x_" + std::to_string(k));
            W_SERIES_NAMES(k).assign("    w_" + std::to_string(k));
        }
        X_SERIES_NAMES(n + 1).assign("   Total");
        W_SERIES_NAMES(n + 1).assign("   Total");
        for (int p = 1; p <= MAX_GRAPH_POINTS; ++p)
            for (int k = 1; k <= MAX_GRAPH_SERIES; ++k) GRAPH_VALUES(p, k) = static_cast<float>(10 * k + p);
    }

    void answer(AnswerKind kind, const std::string& text = "", int id = 0) { layer.answers().push({kind, text, id}); }
    void pick(std::initializer_list<std::string> names) {
        for (const std::string& name : names) answer(AnswerKind::Pick, name);
    }

    // The transcript lines that start with `word` and a blank.
    std::vector<std::string> linesOf(const std::string& word) const {
        std::vector<std::string> found;
        for (const std::string& line : layer.transcript().lines())
            if (line.rfind(word + ' ', 0) == 0) found.push_back(line);
        return found;
    }
    ScriptedWindowLayer layer;
};

TEST_F(GraphCommandsTest, PickingOnlyStageThreeDrawsItsSeriesUnderItsName) {
    STOCK_GRAPH_REQUESTED = true;
    pick({"x_3"});
    answer(AnswerKind::Edit, "Grade three", 1006);
    answer(AnswerKind::Edit, "Persons", 1007);
    answer(AnswerKind::Ok);
    PLOTVARCALL0(3);
    EXPECT_EQ((std::vector<std::string>{"series 1 \"    x_3\" line 5 9 marker 0 9"}), linesOf("series"));
    // T = 4: points 0..4 and the steady state, 31..36 in stage 3's buffer series.
    EXPECT_EQ((std::vector<std::string>{"points 1 31 32 33 34 35 36"}), linesOf("points"));
    EXPECT_EQ((std::vector<std::string>{"labels \"0\" \"1\" \"2\" \"3\" \"4\" \"5\""}), linesOf("labels"));
    EXPECT_EQ((std::vector<std::string>{"graph \"Grade three\" \"(Plain time-periods)\" \"Time period t\" \"Persons\""}),
              linesOf("graph"));
    EXPECT_TRUE(STOCK_GRAPH_REQUESTED);  // the projection clears it after drawing
    for (int p = 1; p <= 6; ++p) EXPECT_EQ(p - 1, ROW_NUMBERS(p));
}

TEST_F(GraphCommandsTest, NamePickedTwiceAppearsOnceAtItsLastPick) {
    OUTFLOW_GRAPH_REQUESTED = true;
    pick({"w_1", "w_2", "w_1"});
    answer(AnswerKind::Ok);
    PLOTVARCALL0(3);
    EXPECT_EQ((std::vector<std::string>{"series 1 \"    w_2\" line 5 9 marker 0 9", "series 2 \"    w_1\" line 1 12 marker 0 12"}),
              linesOf("series"));
    EXPECT_EQ("points 2 11 12 13 14 15 16", linesOf("points").at(1));
    EXPECT_EQ((std::vector<std::string>{"legend 1 2"}), linesOf("legend"));
    EXPECT_TRUE(linesOf("file").empty());  // no working file holds the picks
}

TEST_F(GraphCommandsTest, EightNamesGiveTwoLegendRowsOfFourWithTheirStyles) {
    stages(11, 4);
    STOCK_GRAPH_REQUESTED = true;
    pick({"x_1", "x_2", "x_3", "x_4", "x_5", "x_6", "x_7", "x_8"});
    answer(AnswerKind::Ok);
    PLOTVARCALL0(11);
    EXPECT_EQ((std::vector<std::string>{"legend 2 4"}), linesOf("legend"));
    const std::vector<std::string> series = linesOf("series");
    ASSERT_EQ(8u, series.size());
    EXPECT_EQ("series 5 \"    x_5\" line 1 10 marker 9 10", series[4]);
    EXPECT_EQ("series 6 \"    x_6\" line 1 2 marker 7 2", series[5]);
    EXPECT_EQ("series 7 \"    x_7\" line 1 13 marker 8 13", series[6]);
    EXPECT_EQ("series 8 \"    x_8\" line 1 8 marker 10 8", series[7]);
    // 11..86: unit 10, 10..90 in 8 divisions.
    EXPECT_EQ((std::vector<std::string>{"axis y 10 90 10 1"}), linesOf("axis y"));
}

TEST_F(GraphCommandsTest, NineNamesAreTooManyAndDrawNothing) {
    stages(11, 4);
    STOCK_GRAPH_REQUESTED = true;
    OUTFLOW_GRAPH_REQUESTED = true;
    pick({"x_1", "x_2", "x_3", "x_4", "x_5", "x_6", "x_7", "x_8", "x_9"});
    answer(AnswerKind::Ok);
    PLOTVARCALL0(11);
    EXPECT_EQ((std::vector<std::string>{"msgbox 64 \"The graph is not going to be presented \" "
                                        "\"You have aske a graph of too many (>8) variables\" -> OK"}),
              linesOf("msgbox"));
    EXPECT_TRUE(linesOf("graph").empty());
    EXPECT_EQ(1u, linesOf("window").size());  // only the indications window of the fixture
    EXPECT_FALSE(STOCK_GRAPH_REQUESTED);
    EXPECT_FALSE(OUTFLOW_GRAPH_REQUESTED);
}

TEST_F(GraphCommandsTest, NoNameGivesTheNoticeThenAnEmptyGraph) {
    STOCK_GRAPH_REQUESTED = true;
    answer(AnswerKind::Ok);
    PLOTVARCALL0(3);
    EXPECT_EQ((std::vector<std::string>{
                  "text 10 30 40 \"t'Arial'h19w8i\" 15 \"  CONSIDER THE NUMBER OF VARIABLES YOU  \"",
                  "text 10 30 60 \"t'Arial'h19w8i\" 15 \"CHOOSEN TO BE PRESENTED IN A SINGL GRAPH. \"",
                  "text 10 30 80 \"t'Arial'h19w8i\" 15 \"   Try again in the right way.\"",
              }),
              linesOf("text"));
    EXPECT_EQ((std::vector<std::string>{"sleep 3200"}), linesOf("sleep"));
    EXPECT_EQ((std::vector<std::string>{"mouse 10 mask 8 -> event 8 key 2 at 0 0 (auto)",
                                        "mouse 15 mask 1 -> event 1 key 1 at 0 0 (auto)"}),
              linesOf("mouse"));
    // Frame, titles and axes only.
    EXPECT_EQ(1u, linesOf("graph").size());
    EXPECT_TRUE(linesOf("series").empty());
    EXPECT_TRUE(linesOf("points").empty());
    EXPECT_EQ((std::vector<std::string>{"legend none"}), linesOf("legend"));
}

TEST_F(GraphCommandsTest, RefusalsWaitForTheRightButton) {
    struct Case {
        bool datafile_open;
        bool template_missing;
        const char* message;
    };
    const Case cases[] = {
        {false, false, "msgbox 48 \" Datafile has not opened \" \" Attention ! First you have to open the datafile \" -> OK"},
        {true, true, "msgbox 48 \" The proper dialog box has not found \" \" The relevant dialog box does not exist \" -> OK"},
    };
    for (const Case& c : cases) {
        ScriptedWindowLayer fresh;
        INSTALL_SCRIPTED_LAYER(&fresh);
        OPEN_CHILD_WINDOW(INDICATIONS_CHANNEL, " Basic indications");
        DATAFILE_OPEN = c.datafile_open;
        if (c.template_missing) {
            Answer missing;
            missing.kind = AnswerKind::MissingTemplate;
            missing.id = 111;
            fresh.answers().push(missing);
        }
        STOCK_GRAPH_REQUESTED = true;
        PLOTVARCALL0(3);
        const std::vector<std::string> lines = fresh.transcript().lines();
        ASSERT_GE(lines.size(), 3u);
        EXPECT_EQ(c.message, lines[lines.size() - 3]);
        EXPECT_EQ("focus 10", lines[lines.size() - 2]);
        EXPECT_EQ("mouse 10 mask 8 -> event 8 key 2 at 0 0 (auto)", lines.back());
    }
    INSTALL_SCRIPTED_LAYER(&layer);
}

TEST_F(GraphCommandsTest, RequestsBlankTheTextsAndSetTheirFlag) {
    GRAPH_TITLE.assign("old");
    PLOTSTOCK(false);
    EXPECT_TRUE(STOCK_GRAPH_REQUESTED);
    EXPECT_EQ(std::string(60, ' '), GRAPH_TITLE.text());
    PLOTWASTE(false);
    EXPECT_TRUE(OUTFLOW_GRAPH_REQUESTED);
    PLOTSTOCK_Q(false);
    EXPECT_TRUE(Q_GRAPH_MODE);
    EXPECT_EQ(std::string(25, ' '), GRAPH_AXIS_TEXT.text());
    EXPECT_EQ(1u, layer.transcript().lines().size());  // they draw nothing after the fixture's window
}

// The click that closes the window still comes when the graph cannot be drawn.
TEST_F(GraphCommandsTest, ViewportLargerThanTheWindowDrawsNothing) {
    OPEN_CHILD_WINDOW(15, "Plain diagram");
    GRAPH_SETTINGS graph;
    GET_GRAPH_DEFAULTS(GRAPH_LINES, graph);
    graph.viewport_x2 = 976;  // one pixel wider than the 976-pixel window
    AXIS_SETTINGS axes[2];
    SeriesSettings data;
    const size_t before = layer.transcript().lines().size();
    EXPECT_EQ(GRAPH_OUTSIDE_WINDOW, PLOT_GRAPH(graph, 2, axes, 1));
    EXPECT_EQ(GRAPH_OUTSIDE_WINDOW, PLOT_MULTI_DATA(graph, GRAPH_VALUES, PointLabels{}, 1, data, axes[0], axes[1]));
    const std::vector<std::string> lines = layer.transcript().lines();
    EXPECT_EQ((std::vector<std::string>{"config 15 read -> 976 640 122 40", "config 15 read -> 976 640 122 40"}),
              std::vector<std::string>(lines.begin() + static_cast<long>(before), lines.end()));
}

// With no usable window the graph ends the program through the exit routine.
TEST_F(GraphCommandsTest, UnusableGraphWindowEndsTheProgram) {
    CLOSE_CHANNEL(INDICATIONS_CHANNEL);
    GraphNames names;
    LINESGRAPH(GRAPH_VALUES, PointLabels{}, 5, 1, names, false, FixedText<20>{}, FixedText<60>{}, FixedText<25>{});
    EXPECT_EQ((std::vector<std::string>{
                  "msgbox 16 \"Problem opening the proper graph window\" "
                  "\"It is impossible to draw the graph. End of the program\" -> OK",
                  "msgbox 0 \" Program is terminated\" \" Press \u039F\u039A to exit\" -> OK",
              }),
              linesOf("msgbox"));
    EXPECT_EQ(1u, linesOf("queue").size());
    EXPECT_TRUE(linesOf("graph").empty());
}

}  // namespace
}  // namespace korvel
