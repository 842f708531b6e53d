// The graph commands through the scripted layer, where no menu path leads. The graphs of real
// projections, the names picked for them and their refusals are the scenarios graph_picks,
// projections_examples and projections_singular_and_thinned.

#include "base/program_exit.h"
#include "present/graph/graph_commands.h"
#include "present/graph/graph_engine.h"
#include "present/graph/line_graph.h"
#include "frontends/headless/script/scripted_window_layer.h"
#include "shell/exit_routines.h"

#include <gtest/gtest.h>

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
    }
    ~GraphCommandsTest() override { INSTALL_SCRIPTED_LAYER(nullptr); }

    ScriptedWindowLayer layer;
};

// Without a data file open (no menu path leads here with none) the graph is refused, and the
// message waits for the right button; the other refusals are the scenario graph_picks'.
TEST_F(GraphCommandsTest, RefusalWaitsForTheRightButton) {
    DATAFILE_OPEN = false;
    STOCK_GRAPH_REQUESTED = true;
    PLOTVARCALL0(3);
    const std::vector<std::string> lines = layer.transcript().lines();
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ("msgbox 48 \" Datafile has not opened \" \" Attention ! First you have to open the datafile \" -> OK", lines[lines.size() - 3]);
    EXPECT_EQ("focus 10", lines[lines.size() - 2]);
    EXPECT_EQ("mouse 10 mask 8 -> event 8 key 2 at 0 0 (auto)", lines.back());
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
              layer.transcript().linesStartingWith("msgbox "));
    EXPECT_EQ(1u, layer.transcript().linesStartingWith("queue ").size());
    EXPECT_TRUE(layer.transcript().linesStartingWith("graph ").empty());
}

}  // namespace
}  // namespace korvel
