#pragma once
// Plays a scenario against the scripted layer: files, start-up, Enter, menu picks and answers.
// Menu commands run on the caller's thread, one at a time, each followed by the commands it
// queued; the main routine runs on its own thread and is waited for until it settles.

#include "present/window/script/scenario.h"
#include "present/window/script/scripted_window_layer.h"

#include <filesystem>
#include <string>
#include <vector>

namespace korvel {

class ScenarioRunner {
public:
    // Files are made in `work_dir`; `copy` paths are relative to `scenario_dir`. The layer must be
    // the installed one.
    ScenarioRunner(ScriptedWindowLayer& layer, std::filesystem::path scenario_dir, std::filesystem::path work_dir);

    // Runs the lines in order, up to the end or the first failure. Returns the failures, each
    // naming its scenario line; none when the scenario passed.
    std::vector<std::string> run(const Scenario& scenario);

private:
    void runLine(const ScenarioLine& line);
    void makeFile(const ScenarioLine& line) const;
    void copyFile(const ScenarioLine& line) const;
    void start();
    void chooseMenu(const std::string& text);
    void runQueuedCommands();
    void queueAnswer(const Answer& answer);
    // What is wrong once every line has run: answers never used, an end without expect-exit.
    std::vector<std::string> finalFailures() const;

    ScriptedWindowLayer& m_layer;
    std::filesystem::path m_scenario_dir;
    std::filesystem::path m_work_dir;
    const ScenarioLine* m_exit_line = nullptr;
    bool m_exit_expected = false;
};

}  // namespace korvel
