#pragma once
// Plays a scenario against the scripted layer: files, start-up, Enter, menu picks and answers.
// Menu commands run on the caller's thread, one at a time, each followed by the commands it
// queued; the main routine runs on its own thread and is waited for until it settles.

#include "tools/replay/scenario.h"
#include "frontends/headless/script/scripted_window_layer.h"

#include <filesystem>
#include <string>
#include <vector>

namespace korvel {

// How `start` starts the program: its settings on the caller's thread, then its main routine on
// a thread of its own. The replay tool passes the shell's INITIALSETTINGS and KORVEL_EN.
struct ProgramStart {
    bool (*settings)() = nullptr;
    void (*main_routine)() = nullptr;
};

class ScenarioRunner {
public:
    // Files are made in `work_dir`; `copy` paths are relative to `scenario_dir`. The layer must be
    // the installed one.
    ScenarioRunner(ScriptedWindowLayer& layer, ProgramStart program, std::filesystem::path scenario_dir,
                   std::filesystem::path work_dir);

    // Runs the lines in order, up to the end or the first failure. Returns the failures, each
    // naming its scenario line; none when the scenario passed.
    std::vector<std::string> run(const Scenario& scenario);

private:
    void runLine(const ScenarioLine& line);
    void makeFile(const ScenarioLine& line) const;
    void copyFile(const ScenarioLine& line) const;
    // Quiet: the start-up up to the wait for Enter, and later the rest of it, are not recorded.
    void start(bool quiet);
    void enter();
    void chooseMenu(const std::string& text);
    void runQueuedCommands();
    void queueAnswer(const Answer& answer);
    // What is wrong once every line has run: answers never used, an end without expect-exit.
    std::vector<std::string> finalFailures() const;

    ScriptedWindowLayer& m_layer;
    ProgramStart m_program;
    std::filesystem::path m_scenario_dir;
    std::filesystem::path m_work_dir;
    const ScenarioLine* m_exit_line = nullptr;
    bool m_exit_expected = false;
    bool m_quiet_startup = false;
};

}  // namespace korvel
