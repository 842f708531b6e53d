#include "report/run_analysis.h"

#include "analysis/analysis_commands.h"
#include "base/program_exit.h"
#include "control/control_commands.h"
#include "model/model_state.h"
#include "model/read_data.h"
#include "present/graph/graph_commands.h"
#include "frontends/headless/report/report_window_layer.h"
#include "report/analysis_answers.h"
#include "report/certificate/accuracy_certificate.h"
#include "report/constrained_section.h"
#include "report/uncertainty_section.h"
#include "report/text_tables.h"
#include "shell/data_file_commands.h"
#include "shell/exit_routines.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace korvel {

namespace {

namespace fs = std::filesystem;

constexpr const char* CONTROL_FILE = "OPTIMAL_CONTROL.d";
constexpr const char* STOCK_AXIS = "Persons";

// A folder of its own to run in, left again and removed at the end of the run.
class WorkingFolder {
public:
    WorkingFolder() {
        std::error_code error;
        std::string pattern = (fs::temp_directory_path(error) / "korvel-report-work-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) return;
        m_path = pattern;
        m_previous = ::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (m_previous < 0 || ::chdir(m_path.c_str()) != 0) m_path.clear();
    }
    ~WorkingFolder() {
        if (m_previous >= 0) {
            if (::fchdir(m_previous) != 0) std::perror("korvel: cannot return to the working folder");
            ::close(m_previous);
        }
        std::error_code error;
        if (!m_path.empty()) fs::remove_all(m_path, error);
    }
    WorkingFolder(const WorkingFolder&) = delete;
    WorkingFolder& operator=(const WorkingFolder&) = delete;
    bool ready() const { return !m_path.empty(); }

private:
    std::string m_path;
    int m_previous = -1;
};

class AnalysisRun {
public:
    AnalysisRun(ReportWindowLayer& layer, AnalysisAnswers& answers, REPORT_CONTENT& content,
                const REPORT_PROGRESS& progress)
        : m_layer(layer), m_answers(answers), m_content(content), m_progress(progress) {}

    // Runs `routines` in order as one section titled `title`, each followed by the commands it
    // queued. Nothing runs once the program has asked to end.
    REPORT_SECTION& command(const std::string& title, std::initializer_list<MENU_ROUTINE> routines) {
        if (m_progress) m_progress(title);
        const size_t first = m_layer.entries().size();
        for (const MENU_ROUTINE routine : routines) {
            if (m_layer.ended()) break;
            routine(false);
            while (!m_layer.ended()) {
                const std::optional<MENU_ROUTINE> queued = m_layer.takeQueuedCommand();
                if (!queued) break;
                (*queued)(false);
            }
        }
        m_layer.endOfCommand();
        m_answers.endOfCommand();
        REPORT_SECTION& section = m_content.sections.emplace_back();
        section.title = title;
        section.entries.assign(m_layer.entries().begin() + static_cast<std::ptrdiff_t>(first), m_layer.entries().end());
        DROP_ENTER_PROMPTS(section);
        if (m_layer.ended()) section.notes.push_back("The program ended here, as it does after such a message; no "
                                                     "further command was run.");
        return section;
    }

    bool ended() const { return m_layer.ended(); }

private:
    ReportWindowLayer& m_layer;
    AnalysisAnswers& m_answers;
    REPORT_CONTENT& m_content;
    const REPORT_PROGRESS& m_progress;
};

std::vector<REPORT_MESSAGE> messagesOf(const REPORT_SECTION& section) {
    std::vector<REPORT_MESSAGE> messages;
    for (const REPORT_ENTRY& entry : section.entries)
        if (entry.kind == ReportEntryKind::Message) messages.push_back(entry.message);
    return messages;
}

// A graph holds at most eight series: with more stages the report says which its graphs hold.
void noteGraphSeries(REPORT_SECTION& section, int stages) {
    const bool drawn = std::any_of(section.entries.begin(), section.entries.end(),
                                   [](const REPORT_ENTRY& entry) { return entry.kind == ReportEntryKind::Graph; });
    if (!drawn || stages + 1 <= REPORT_GRAPH_SERIES) return;
    section.notes.push_back("Each graph holds the total and the first " + std::to_string(REPORT_GRAPH_SERIES - 1) +
                            " of the " + std::to_string(stages) + " stages: a graph shows at most " +
                            std::to_string(REPORT_GRAPH_SERIES) + " series.");
}

// Steps 1-2: the data file, as "O&pen datafile" and "Rea&d data" take it.
bool readData(AnalysisRun& run, AnalysisAnswers& answers, const std::string& path, ANALYSIS_OUTCOME& outcome) {
    answers.answerFile(path);
    const REPORT_SECTION& opened = run.command("Open datafile", {DATAFF});
    if (!DATAFILE_OPEN) {
        outcome.refusal = messagesOf(opened);
        return false;
    }
    const REPORT_SECTION& read = run.command("Read data", {READ_DATA});
    if (!DATA_READ) {
        outcome.refusal = messagesOf(read);
        return false;
    }
    return true;
}

// Step 7: the optimal control, and every stage's trajectory with its statistics, which the
// control's section also holds as one table.
void runControl(AnalysisRun& run, AnalysisAnswers& answers, int n, std::vector<REPORT_SECTION>& sections) {
    REPORT_SECTION& control = run.command("Application of optimal control", {OPTIMAL_CONTROL});
    if (!CONTROL_SOLVED) {
        std::erase_if(control.entries, [](const REPORT_ENTRY& entry) { return entry.kind != ReportEntryKind::Message; });
        control.notes.push_back("The optimal control was not solved: its tables and graphs are left out.");
        return;
    }
    const size_t control_at = sections.size() - 1;
    REPORT_TABLE statistics = STATISTICS_TABLE();
    for (int i = 1; i <= n && !run.ended(); ++i) {
        const std::string name = TRIM_BLANKS(X_SERIES_NAMES(i).text());
        answers.answerStage(name);
        ADD_STATISTICS_ROW(statistics, name, run.command("Graph for each stage: " + name, {GET_ESTIM_NAMES_FORPLOT}));
    }
    answers.answerStage("");
    if (!statistics.rows.empty()) sections[control_at].text_tables.push_back(std::move(statistics));
}

}  // namespace

ANALYSIS_OUTCOME RUN_REPORT_ANALYSIS(const REPORT_INPUT& input, const REPORT_PROGRESS& progress) {
    ANALYSIS_OUTCOME outcome;
    std::error_code error;
    const std::string data_path = fs::absolute(input.data_path, error).string();
    const std::string control_path = input.control_path.empty() ? "" : fs::absolute(input.control_path, error).string();
    const std::string limits_path = input.limits_path.empty() ? "" : fs::absolute(input.limits_path, error).string();
    const std::string target_path = input.target_path.empty() ? "" : fs::absolute(input.target_path, error).string();
    outcome.content.model_name = fs::path(input.data_path).filename().string();
    outcome.content.control_name = control_path.empty() ? "" : fs::path(control_path).filename().string();

    WorkingFolder folder;
    if (!folder.ready()) {
        outcome.refusal.push_back({MB_EXCLAMATION, " Report ", " No private working folder could be made. "});
        return outcome;
    }
    AnalysisAnswers answers;
    ReportWindowLayer layer(answers);
    if (input.names != nullptr) layer.renameGraphTexts([&input](const std::string& text) { return input.names->named(text); });
    INSTALL_REPORT_LAYER(&layer);
    INSTALL_EXIT_ROUTINE(USEREXIT);
    RESET_MODEL_FLAGS();
    AnalysisRun run(layer, answers, outcome.content, progress);

    outcome.data_read = readData(run, answers, data_path, outcome);
    LimitsReading limits{RecruitmentLimits{}, {}};
    if (outcome.data_read && !limits_path.empty()) {
        limits = READ_LIMITS_FILE(limits_path, STAGE_COUNT);
        outcome.limits_error = limits.error;
    }
    TargetReading target;
    if (outcome.data_read && !target_path.empty()) {
        target = READ_TARGET_FILE(target_path, STAGE_COUNT);
        outcome.target_error = target.error;
    }
    if (outcome.data_read && limits.limits && outcome.target_error.empty()) {
        const int n = STAGE_COUNT;
        outcome.content.stage_count = n;
        outcome.content.period_count = PERIOD_COUNT;
        // Steps 3-4: the details, then [I - P] and its inverse; the details write P over the counts
        const std::optional<FLOW_COUNTS> counts = FLOW_COUNTS_OF_MODEL();
        ADD_VERDICT_TABLE(run.command("Show details", {SHOWDATA}));
        run.command("Matrix [I - P] and its inverse", {SHOWI_A});
        // Steps 5-6: the projections with their graphs, their texts typed as a user would
        answers.answerGraphTexts("Stocks, common projections", STOCK_AXIS);
        answers.answerGraphTexts("Outflows, common projections", STOCK_AXIS);
        noteGraphSeries(run.command("Common projections", {PLOTSTOCK, PLOTWASTE, COMPUTE_PROJECTIONS_T}), n);
        answers.answerGraphTexts("Stocks, fixed-size projections", STOCK_AXIS);
        noteGraphSeries(run.command("Fixed-size projections (matrix Q)", {PLOTSTOCK_Q, COMPUTE_PROJECTIONS_Q}), n);
        if (target.target && !run.ended()) {
            if (progress) progress(TARGET_TITLE);
            ADD_TARGET_SECTION(outcome.content, *target.target, input.max_periods, *limits.limits);
        }
        if (!control_path.empty() && !run.ended()) {
            fs::copy_file(control_path, CONTROL_FILE, fs::copy_options::overwrite_existing, error);
            if (error) {
                REPORT_SECTION& section = run.command("Application of optimal control", {});
                section.notes.push_back("The control file " + control_path + " could not be read: " + error.message() + '.');
            } else {
                runControl(run, answers, n, outcome.content.sections);
                if (CONTROL_SOLVED) ADD_CONSTRAINED_SECTION(outcome.content, *limits.limits);
            }
        }
        if (progress && !run.ended()) progress(UNCERTAINTY_TITLE);
        const std::vector<CertificateLine> sampling =
            run.ended() ? std::vector<CertificateLine>{} : ADD_UNCERTAINTY_SECTION(outcome.content, counts, input.uncertainty);
        // Step 8: the certificate of what the commands left in the model state
        if (progress) progress("Accuracy certificate");
        std::vector<CertificateLine> lines = ACCURACY_CERTIFICATE();
        lines.insert(lines.end(), sampling.begin(), sampling.end());
        for (const CertificateLine& line : lines)
            outcome.content.certificate.push_back({line.subject, line.measure, line.value, line.threshold, line.verdict});
        if (input.names != nullptr) input.names->nameStages(outcome.content);
    }
    RESET_MODEL_FLAGS();
    INSTALL_REPORT_LAYER(nullptr);
    return outcome;
}

}  // namespace korvel
