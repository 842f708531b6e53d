// The scenario language and the runner that plays it against the scripted layer.

#include "tools/replay/scenario_parser.h"
#include "tools/replay/scenario_runner.h"
#include "present/window/script/scripted_window_layer.h"
#include "present/window/window_layer.h"
#include "shell/menu_bar.h"
#include "shell/startup.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace korvel {
namespace {

// "start quiet" starts the program as "start" does; the runner leaves the start-up unrecorded.
TEST(ScenarioParserTest, StartQuietIsAStartThatLeavesTheStartUpOut) {
    const ParsedScenario parsed = parseScenario("start quiet\nstart\n");
    ASSERT_EQ("", parsed.error);
    ASSERT_EQ(2u, parsed.scenario.lines.size());
    EXPECT_EQ(ScenarioCommand::Start, parsed.scenario.lines[0].command);
    EXPECT_TRUE(parsed.scenario.lines[0].quiet);
    EXPECT_FALSE(parsed.scenario.lines[1].quiet);
}

TEST(ScenarioParserTest, ReadsEveryCommand) {
    const ParsedScenario parsed = parseScenario(
        "# a comment\n"
        "file data.d\n"
        "2 3   # not a comment inside a file\n"
        "end\n"
        "copy ../examples/a.d \"my data.d\"\n"
        "\n"
        "start\n"
        "enter   # Enter on the opening screen\n"
        "answer file data.d readonly\n"
        "answer file cancel\n"
        "answer pick \"    x_1\"\n"
        "answer pick x_2\n"
        "answer edit 1006 Stocks by stage\n"
        "answer edit 1007 \"\"\n"
        "answer ok\n"
        "answer enter\n"
        "answer missing-template 112\n"
        "menu Rea&d data\r\n"
        "expect-exit\n");
    ASSERT_EQ("", parsed.error);
    const std::vector<ScenarioLine>& lines = parsed.scenario.lines;
    ASSERT_EQ(15u, lines.size());

    EXPECT_EQ(ScenarioCommand::File, lines[0].command);
    EXPECT_EQ("data.d", lines[0].name);
    EXPECT_EQ("2 3   # not a comment inside a file\n", lines[0].content);
    EXPECT_EQ(ScenarioCommand::Copy, lines[1].command);
    EXPECT_EQ("../examples/a.d", lines[1].source);
    EXPECT_EQ("my data.d", lines[1].name);
    EXPECT_EQ(ScenarioCommand::Start, lines[2].command);
    EXPECT_EQ(ScenarioCommand::Enter, lines[3].command);
    EXPECT_EQ("enter", lines[3].text);
    EXPECT_EQ(8, lines[3].number);

    struct Expected {
        AnswerKind kind;
        std::string text;
        int id;
        bool read_only;
    };
    const Expected answers[] = {
        {AnswerKind::File, "data.d", 0, true},       {AnswerKind::FileCancel, "", 0, false},
        {AnswerKind::Pick, "    x_1", 0, false},     {AnswerKind::Pick, "x_2", 0, false},
        {AnswerKind::Edit, "Stocks by stage", 1006, false}, {AnswerKind::Edit, "", 1007, false},
        {AnswerKind::Ok, "", 0, false},              {AnswerKind::Enter, "", 0, false},
        {AnswerKind::MissingTemplate, "", 112, false},
    };
    for (size_t i = 0; i < std::size(answers); ++i) {
        const ScenarioLine& line = lines[4 + i];
        SCOPED_TRACE(line.text);
        EXPECT_EQ(ScenarioCommand::Answer, line.command);
        EXPECT_EQ(answers[i].kind, line.answer.kind);
        EXPECT_EQ(answers[i].text, line.answer.text);
        EXPECT_EQ(answers[i].id, line.answer.id);
        EXPECT_EQ(answers[i].read_only, line.answer.read_only);
        EXPECT_EQ(line.number, line.answer.line);
    }
    EXPECT_EQ(ScenarioCommand::Menu, lines[13].command);
    EXPECT_EQ("Rea&d data", lines[13].name);
    EXPECT_EQ(ScenarioCommand::ExpectExit, lines[14].command);
}

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
        std::string pattern = (std::filesystem::temp_directory_path() / "korvel-runner-test-XXXXXX").string();
        ASSERT_NE(nullptr, ::mkdtemp(pattern.data()));
        m_work_dir = pattern;
    }
    void TearDown() override {
        INSTALL_SCRIPTED_LAYER(nullptr);
        std::filesystem::remove_all(m_work_dir);
    }

    std::vector<std::string> run(const std::string& text) {
        const ParsedScenario parsed = parseScenario(text);
        EXPECT_EQ("", parsed.error);
        ScenarioRunner runner(m_layer, {INITIALSETTINGS, KORVEL_EN}, m_work_dir, m_work_dir);
        return runner.run(parsed.scenario);
    }

    // The transcript from the first command chosen on.
    std::vector<std::string> commandLines() const {
        const std::vector<std::string> lines = m_layer.transcript().lines();
        return {lines.begin() + 4, lines.end()};
    }

    ScriptedWindowLayer m_layer;
    std::filesystem::path m_work_dir;
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

TEST_F(ScenarioRunnerTest, TheEndOfTheProgramNeedsExpectExitAndAllowsNothingAfter) {
    EXPECT_EQ(std::vector<std::string>{"line 1 \"menu &Exit\": the program ended here, but the scenario has no "
                                       "expect-exit"},
              run("menu &Exit\n"));
}

TEST_F(ScenarioRunnerTest, LinesAfterTheEndFail) {
    EXPECT_EQ(std::vector<std::string>{"line 4 \"answer ok\": the program has ended"},
              run("menu &Exit\n# a comment\nexpect-exit\nanswer ok\n"));
}

TEST_F(ScenarioRunnerTest, ExpectExitWhileRunningFails) {
    EXPECT_EQ(std::vector<std::string>{"line 1 \"expect-exit\": the program has not ended"}, run("expect-exit\n"));
}

TEST_F(ScenarioRunnerTest, UnusedAnswersAreReportedEach) {
    const std::vector<std::string> expected = {
        "line 1 \"answer ok\": this answer was never used",
        "line 2 \"answer pick x\": this answer was never used",
    };
    EXPECT_EQ(expected, run("answer ok\nanswer pick x\nmenu &Second\n"));
}

TEST_F(ScenarioRunnerTest, EnterBeforeStartFails) {
    EXPECT_EQ(std::vector<std::string>{"line 1 \"enter\": the program has not started: no start comes before this "
                                       "line"},
              run("enter\n"));
}

TEST_F(ScenarioRunnerTest, FilesAreMadeAndRelativeFileAnswersResolvedInTheWorkingDirectory) {
    EXPECT_TRUE(run("file a.d\n1 2\n3\nend\n").empty());
    std::ifstream made(m_work_dir / "a.d");
    const std::string content((std::istreambuf_iterator<char>(made)), std::istreambuf_iterator<char>());
    EXPECT_EQ("1 2\n3\n", content);

    run("answer file sub/../a.d\nanswer file /elsewhere/b.d\n");
    const std::vector<Answer> queued = m_layer.answers().leftovers();
    ASSERT_EQ(2u, queued.size());
    EXPECT_EQ((m_work_dir / "a.d").string(), queued[0].text);
    EXPECT_EQ("/elsewhere/b.d", queued[1].text);
}

}  // namespace
}  // namespace korvel
