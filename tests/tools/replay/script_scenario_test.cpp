// The scenario language and the runner that plays it against the scripted layer. Every command
// read right is every scenario's own test; here the lines the parser refuses. The runner's
// failures a scenario can show (an answer never used, a line after the end, an end without
// expect-exit, a wait without its answer) are the scenarios with an .error file.

#include "tools/replay/scenario_parser.h"
#include "tools/replay/scenario_runner.h"
#include "frontends/headless/script/scripted_window_layer.h"
#include "present/window/window_layer.h"
#include "shell/menu_bar.h"
#include "shell/startup.h"
#include "tests/control/working_directory.h"

#include <gtest/gtest.h>

namespace korvel {
namespace {

TEST(ScenarioParserTest, NamesTheFirstLineItCannotRead) {
    const std::pair<const char*, const char*> cases[] = {
        {"start\nclick 3 4\n", "line 2 \"click 3 4\": unknown command \"click\""},
        {"file a.d\n1 2\n", "line 1 \"file a.d\": file a.d has no end line"},
        {"answer edit title x\n", "line 1 \"answer edit title x\": the edit field id must be a whole number, not \"title\""},
        {"answer yes\n", "line 1 \"answer yes\": unknown answer \"yes\""},
        {"start now\n", "line 1 \"start now\": start takes nothing after it"},
        {"menu\n", "line 1 \"menu\": menu needs the text of a menu entry"},
        {"answer file a b c\n", "line 1 \"answer file a b c\": answer file takes a path, optionally followed by readonly, or cancel"},
    };
    for (const auto& [text, error] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(error, parseScenario(text).error);
    }
}

// Menu routines of the runner tests: the first queues the second.
void secondCommand(bool) { DRAW_TEXT("second runs"); }
void firstCommand(bool checked) {
    DRAW_TEXT(checked ? "first runs, checked" : "first runs");
    WINDOW_MENU_COMMAND(secondCommand);
    DRAW_TEXT("first ends");
}

class ScenarioRunnerTest : public ::testing::Test {
protected:
    void SetUp() override {
        INSTALL_SCRIPTED_LAYER(&m_layer);
        APPEND_MENU_ITEM(1, MENU_ITEM, "&Test", WIN_NONE);
        APPEND_MENU_ITEM(1, MENU_ITEM_CHECKED, "&First", firstCommand);
        APPEND_MENU_ITEM(1, MENU_ITEM, "&Second", secondCommand);
        APPEND_MENU_ITEM(1, MENU_ITEM, "&Exit", WIN_EXIT);
    }
    void TearDown() override { INSTALL_SCRIPTED_LAYER(nullptr); }

    std::vector<std::string> run(const std::string& text) {
        const ParsedScenario parsed = parseScenario(text);
        EXPECT_EQ("", parsed.error);
        ScenarioRunner runner(m_layer, {INITIALSETTINGS, KORVEL_EN}, m_directory.path(), m_directory.path());
        return runner.run(parsed.scenario);
    }

    // The transcript from the first command chosen on.
    std::vector<std::string> commandLines() const {
        const std::vector<std::string> lines = m_layer.transcript().lines();
        return {lines.begin() + 4, lines.end()};
    }

    ScriptedWindowLayer m_layer;
    WorkingDirectory m_directory;
};

TEST_F(ScenarioRunnerTest, QueuedCommandRunsAfterTheCurrentOneWithItsCheckState) {
    EXPECT_TRUE(run("menu &First\n").empty());
    const std::vector<std::string> expected = {
        "choose 1 1 \"&First\"",
        "text none 0 0 \"\" 15 \"first runs, checked\"",
        "queue \"&Second\"",
        "text none 0 0 \"\" 15 \"first ends\"",
        "choose queued 1 2 \"&Second\"",
        "text none 0 0 \"\" 15 \"second runs\"",
    };
    EXPECT_EQ(expected, commandLines());
}

TEST_F(ScenarioRunnerTest, ExpectExitWhileRunningFails) {
    EXPECT_EQ(std::vector<std::string>{"line 1 \"expect-exit\": the program has not ended"}, run("expect-exit\n"));
}

}  // namespace
}  // namespace korvel
