#include "tools/replay/scenario_runner.h"

#include "frontends/headless/script/script_failure.h"

#include <fstream>

namespace korvel {

namespace {

std::string lineName(const ScenarioLine& line) {
    return "line " + std::to_string(line.number) + " \"" + line.text + '"';
}

}  // namespace

ScenarioRunner::ScenarioRunner(ScriptedWindowLayer& layer, ProgramStart program, std::filesystem::path scenario_dir,
                               std::filesystem::path work_dir)
    : m_layer(layer), m_program(program), m_scenario_dir(std::move(scenario_dir)), m_work_dir(std::move(work_dir)) {}

std::vector<std::string> ScenarioRunner::run(const Scenario& scenario) {
    for (const ScenarioLine& line : scenario.lines) {
        try {
            runLine(line);
        } catch (const ScriptFailure& failure) {
            return {lineName(line) + ": " + failure.what()};
        } catch (const std::filesystem::filesystem_error& failure) {
            return {lineName(line) + ": " + failure.what()};
        }
        if (m_layer.ended() && m_exit_line == nullptr) m_exit_line = &line;
    }
    return finalFailures();
}

void ScenarioRunner::runLine(const ScenarioLine& line) {
    if (m_layer.ended() && line.command != ScenarioCommand::ExpectExit) throw ScriptFailure("the program has ended");
    switch (line.command) {
    case ScenarioCommand::File: makeFile(line); break;
    case ScenarioCommand::Copy: copyFile(line); break;
    case ScenarioCommand::Move: std::filesystem::rename(m_work_dir / line.source, m_work_dir / line.name); break;
    case ScenarioCommand::Start: start(line.quiet); break;
    case ScenarioCommand::Enter: enter(); break;
    case ScenarioCommand::Menu: chooseMenu(line.name); break;
    case ScenarioCommand::Answer: queueAnswer(line.answer); break;
    case ScenarioCommand::ExpectExit:
        if (!m_layer.ended()) throw ScriptFailure("the program has not ended");
        m_exit_expected = true;
        break;
    }
}

void ScenarioRunner::makeFile(const ScenarioLine& line) const {
    std::ofstream file(m_work_dir / line.name, std::ios::binary);
    file << line.content;
    if (!file) throw ScriptFailure("cannot write the file " + line.name);
}

void ScenarioRunner::copyFile(const ScenarioLine& line) const {
    std::filesystem::copy_file(m_scenario_dir / line.source, m_work_dir / line.name,
                               std::filesystem::copy_options::overwrite_existing);
}

// Both return once the main routine waits (for Enter, or idles), so muting around them leaves
// out the start-up's lines and nothing else.
void ScenarioRunner::start(bool quiet) {
    if (m_layer.mainThread().started()) throw ScriptFailure("the program has started already");
    m_quiet_startup = quiet;
    m_layer.transcript().setMuted(m_quiet_startup);
    m_program.settings();
    m_layer.mainThread().start(m_program.main_routine);
    m_layer.transcript().setMuted(false);
}

void ScenarioRunner::enter() {
    m_layer.transcript().setMuted(m_quiet_startup);
    m_layer.mainThread().pressEnter();
    m_layer.transcript().setMuted(false);
}

void ScenarioRunner::chooseMenu(const std::string& text) {
    if (m_layer.menuBar().empty()) throw ScriptFailure("the menu bar is not built yet: no start comes before this line");
    const std::optional<ScriptedMenuEntry> entry = m_layer.menuBar().findByText(text);
    if (!entry) throw ScriptFailure("no menu entry has the text \"" + text + '"');
    m_layer.transcript().record("choose " + std::to_string(entry->menu) + ' ' + std::to_string(entry->item) + ' ' +
                                m_layer.transcript().quoted(entry->text));
    entry->routine(entry->checked);
    runQueuedCommands();
}

// Commands queued by the one that ran, as the layer carries them out once it has returned.
void ScenarioRunner::runQueuedCommands() {
    while (!m_layer.ended()) {
        const std::optional<MENU_ROUTINE> routine = m_layer.takeQueuedCommand();
        if (!routine) return;
        const std::optional<ScriptedMenuEntry> entry = m_layer.menuBar().findByRoutine(*routine);
        m_layer.transcript().record(
            "choose queued " +
            (entry ? std::to_string(entry->menu) + ' ' + std::to_string(entry->item) + ' ' +
                         m_layer.transcript().quoted(entry->text)
                   : std::string("routine")));
        (*routine)(entry && entry->checked);
    }
}

void ScenarioRunner::queueAnswer(const Answer& answer) {
    Answer queued = answer;
    if (queued.kind == AnswerKind::File && std::filesystem::path(queued.text).is_relative())
        queued.text = (m_work_dir / queued.text).lexically_normal().string();
    m_layer.answers().push(queued);
}

std::vector<std::string> ScenarioRunner::finalFailures() const {
    std::vector<std::string> failures;
    for (const Answer& answer : m_layer.answers().leftovers())
        failures.push_back(describeAnswer(answer) + ": this answer was never used");
    if (m_exit_line != nullptr && !m_exit_expected)
        failures.push_back(lineName(*m_exit_line) + ": the program ended here, but the scenario has no expect-exit");
    return failures;
}

}  // namespace korvel
