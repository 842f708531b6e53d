// korvel_walk SEED STEPS: a seeded random walk through the scripted layer. Each step chooses a
// menu entry (any of them) or puts a file from the pool in as the control input; every wait is
// answered at random (tools/walk/random_user.h). After every step nothing may have crashed,
// asserted or hung, no working file may be left, the model flags must agree, and no shown value
// may be NaN or infinite.
//
// The program runs in a child process, so a crash or a hang is seen from outside; when it ends
// (through "&Exit") a new child starts the program afresh and goes on with the next step. Each
// step draws from its own generator, seeded from SEED and the step number, so a run repeats
// exactly. A finding prints the seed, the step and every step before it back to the start of the
// program, as a scenario for korvel_replay: what went wrong may rest on a file read long before.

#include "shell/menu_bar.h"
#include "shell/startup.h"
#include "tools/replay/scenario_runner.h"
#include "tools/walk/random_user.h"
#include "tools/walk/step_checks.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

namespace {

namespace fs = std::filesystem;
using namespace korvel;

constexpr int WATCHDOG_SECONDS = 60;  // one step, sanitizers and a busy machine included
constexpr int ENDED = 3;              // the child's status when the program ended by its exit
constexpr int FINDING = 1;

struct Walk {
    uint64_t seed = 0;
    long steps = 0;
    fs::path log;       // the steps as scenario lines, appended by the child as they run
    fs::path temp_dir;  // the private TMPDIR where direct-access working files are made
    std::vector<std::string> files;
};

void append(const fs::path& log, const std::string& line) {
    const int fd = ::open(log.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0600);
    const std::string text = line + '\n';
    if (fd >= 0 && ::write(fd, text.data(), text.size()) < 0) std::perror("korvel_walk: log");
    if (fd >= 0) ::close(fd);
}

std::vector<std::string> poolFiles() {
    std::vector<std::string> files;
    for (const char* dir : {KORVEL_EXAMPLES_DIR, KORVEL_CORPUS_DIR, KORVEL_CONTROL_CORPUS_DIR})
        for (const auto& entry : fs::directory_iterator(dir))
            if (entry.path().extension() == ".d") files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    return files;
}

ScenarioLine scenarioLine(ScenarioCommand command, const std::string& name, const std::string& source = {}) {
    ScenarioLine line;
    line.command = command;
    line.name = name;
    line.source = source;
    line.text = command == ScenarioCommand::Menu ? "menu " + name : "copy " + source + ' ' + name;
    return line;
}

// The step's own action: a menu entry, "&Exit" less often than the others so that a walk gets
// deep into a session; or now and then a file of the pool as the control input.
ScenarioLine drawStep(RandomUser& user) {
    std::mt19937_64& generator = user.generator();
    if (std::bernoulli_distribution(0.08)(generator)) {
        const std::string source = std::bernoulli_distribution(0.5)(generator)
                                       ? std::string(KORVEL_EXAMPLES_DIR) + "/OPTIMAL_CONTROL.d"
                                       : user.anyFile();
        return scenarioLine(ScenarioCommand::Copy, "OPTIMAL_CONTROL.d", source);
    }
    const std::vector<ScriptedMenuEntry> entries = user.menuBar().choosable();
    std::vector<double> weights;
    for (const ScriptedMenuEntry& entry : entries) weights.push_back(entry.text == "&Exit" ? 0.1 : 1.0);
    std::discrete_distribution<size_t> pick(weights.begin(), weights.end());
    return scenarioLine(ScenarioCommand::Menu, entries[pick(generator)].text);
}

// What the walk got to see, told at the end as its execution counts.
struct Seen {
    long reads = 0;     // data files read successfully
    long verdicts = 0;  // stability verdicts drawn
    long pages = 0;     // table pages
    long boxes = 0;     // message boxes
    void count(const std::vector<std::string>& lines) {
        for (const std::string& line : lines) {
            reads += line.find("INITIAL DATA HAVE BEEN READ") != std::string::npos;
            verdicts += line.find("SYSTEM IS") != std::string::npos;
            pages += line.rfind("page ", 0) == 0;
            boxes += line.rfind("msgbox ", 0) == 0;
        }
    }
    std::string line() const {
        return "seen " + std::to_string(reads) + ' ' + std::to_string(verdicts) + ' ' + std::to_string(pages) + ' ' +
               std::to_string(boxes);
    }
};

[[noreturn]] void finding(const std::vector<std::string>& found) {
    for (const std::string& text : found) std::cerr << "korvel_walk: " << text << '\n';
    std::cerr.flush();
    std::_Exit(FINDING);
}

// The program from its start, for steps `first` on; returns only by ending the process.
[[noreturn]] void runProgram(const Walk& walk, long first) {
    const fs::path work_dir = fs::temp_directory_path() / ("korvel-walk-work-" + std::to_string(::getpid()));
    fs::create_directories(work_dir);
    fs::current_path(work_dir);
    ::setenv("TMPDIR", walk.temp_dir.c_str(), 1);

    static RandomUser user(walk.files, [&walk](const std::string& line) { append(walk.log, line); });
    user.transcript().setWorkingDirectory(work_dir.string());
    INSTALL_SCRIPTED_LAYER(&user);
    ScenarioRunner runner(user, {INITIALSETTINGS, KORVEL_EN}, "/", work_dir);
    append(walk.log, "session");
    const std::vector<std::string> started =
        runner.run(Scenario{{scenarioLine(ScenarioCommand::Start, ""), scenarioLine(ScenarioCommand::Enter, "")}});
    if (!started.empty()) finding(started);
    user.transcript().takeLines();

    Seen seen;
    for (long step = first; step < walk.steps; ++step) {
        user.generator().seed(walk.seed * 0x9E3779B97F4A7C15ull + static_cast<uint64_t>(step));
        append(walk.log, "step " + std::to_string(step));
        const ScenarioLine line = drawStep(user);
        append(walk.log, "line " + line.text);
        ::alarm(WATCHDOG_SECONDS);
        std::vector<std::string> found = runner.run(Scenario{{line}});
        ::alarm(0);
        // The end through "&Exit" is not a finding here: the next child starts afresh.
        std::erase_if(found, [](const std::string& f) { return f.find("has no expect-exit") != std::string::npos; });
        const std::vector<std::string> shown = user.transcript().takeLines();
        seen.count(shown);
        for (const auto& check : {NON_FINITE_SHOWN(shown), SOLVER_STOPS(shown), WORKING_FILES_LEFT(work_dir, walk.temp_dir),
                                  INCONSISTENT_MODEL()})
            found.insert(found.end(), check.begin(), check.end());
        if (!found.empty()) finding(found);
        if (user.ended()) {
            append(walk.log, seen.line());
            fs::remove_all(work_dir);
            std::_Exit(ENDED);
        }
    }
    append(walk.log, seen.line());
    fs::remove_all(work_dir);
    std::_Exit(0);
}

struct LoggedStep {
    long number = 0;
    std::vector<std::string> lines;  // answers first, then the step's own line
};

// The steps of the last program run, all of them.
std::deque<LoggedStep> lastSteps(const fs::path& log) {
    std::deque<LoggedStep> steps;
    std::ifstream in(log);
    std::string pending_line;
    for (std::string text; std::getline(in, text);) {
        if (text == "session") {
            steps.clear();
        } else if (text.rfind("seen ", 0) == 0) {
            continue;
        } else if (text.rfind("step ", 0) == 0) {
            steps.push_back(LoggedStep{std::stol(text.substr(5)), {}});
            pending_line.clear();
        } else if (text.rfind("line ", 0) == 0) {
            pending_line = text.substr(5);
            steps.back().lines.push_back(pending_line);
        } else if (!steps.empty()) {
            // An answer, taken while the step's own line runs: it is queued before that line.
            auto& lines = steps.back().lines;
            lines.insert(lines.end() - (pending_line.empty() ? 0 : 1), text);
        }
    }
    return steps;
}

void report(const Walk& walk, const std::string& what) {
    const std::deque<LoggedStep> steps = lastSteps(walk.log);
    const long step = steps.empty() ? 0 : steps.back().number;
    std::cout << "korvel_walk: seed " << walk.seed << ", step " << step << ": " << what << '\n'
              << "# A scenario that reproduces it: korvel_walk " << walk.seed << ' ' << walk.steps << ", steps "
              << (steps.empty() ? 0 : steps.front().number) << " to " << step << "\nstart\nenter\n";
    for (const LoggedStep& logged : steps) {
        std::cout << "# step " << logged.number << '\n';
        for (const std::string& line : logged.lines) std::cout << line << '\n';
    }
}

// The counts of every run of the program, added up.
std::string seenInAll(const fs::path& log) {
    long totals[4] = {};
    std::ifstream in(log);
    for (std::string text; std::getline(in, text);) {
        if (text.rfind("seen ", 0) != 0) continue;
        std::istringstream counts(text.substr(5));
        for (long& total : totals) {
            long count = 0;
            counts >> count;
            total += count;
        }
    }
    return std::to_string(totals[0]) + " files read, " + std::to_string(totals[1]) + " verdicts, " +
           std::to_string(totals[2]) + " table pages, " + std::to_string(totals[3]) + " message boxes";
}

long lastLoggedStep(const fs::path& log) {
    const std::deque<LoggedStep> steps = lastSteps(log);
    return steps.empty() ? -1 : steps.back().number;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: korvel_walk SEED STEPS\n";
        return 2;
    }
    Walk walk;
    walk.seed = std::stoull(argv[1]);
    walk.steps = std::stol(argv[2]);
    walk.files = poolFiles();
    char pattern[] = "/tmp/korvel-walk-XXXXXX";
    if (::mkdtemp(pattern) == nullptr) return 2;
    const fs::path dir = pattern;
    walk.log = dir / "steps.log";
    walk.temp_dir = dir / "tmp";
    fs::create_directory(walk.temp_dir);

    int status = 0;
    long next = 0;
    int programs = 0;
    while (next < walk.steps) {
        std::cout.flush();
        const pid_t child = ::fork();
        if (child == 0) runProgram(walk, next);
        ++programs;
        int wait_status = 0;
        ::waitpid(child, &wait_status, 0);
        if (WIFEXITED(wait_status) && WEXITSTATUS(wait_status) == 0) break;
        if (WIFEXITED(wait_status) && WEXITSTATUS(wait_status) == ENDED) {
            next = lastLoggedStep(walk.log) + 1;
            continue;
        }
        if (WIFSIGNALED(wait_status))
            report(walk, WTERMSIG(wait_status) == SIGALRM
                             ? "the step did not end within " + std::to_string(WATCHDOG_SECONDS) + " s"
                             : std::string("the program died of signal ") + strsignal(WTERMSIG(wait_status)));
        else
            report(walk, "a check failed (its finding is on standard error)");
        status = 1;
        break;
    }
    if (status == 0)
        std::cout << "korvel_walk: seed " << walk.seed << ": " << walk.steps << " steps in " << programs
                  << " runs of the program (" << seenInAll(walk.log) << "), no findings\n";
    fs::remove_all(dir);
    return status;
}
