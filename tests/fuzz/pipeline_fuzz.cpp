// Fuzz target of the whole pipeline: any bytes as a data file, opened, read, shown in detail, as
// [I - P] and as the common and fixed-size projections, then as "OPTIMAL_CONTROL.d" for the
// optimal control, all through the scripted layer, as a user goes on after each step that
// succeeds. A crash, an assertion, a hang, a shown value that is not finite, flags that
// disagree, a working file left, or the eigen-solver's FATAL stop is a finding.

#include "base/program_exit.h"
#include "analysis/analysis_commands.h"
#include "control/control_commands.h"
#include "model/model_state.h"
#include "model/read_data.h"
#include "frontends/headless/script/scripted_window_layer.h"
#include "shell/exit_routines.h"
#include "shell/data_file_commands.h"
#include "tools/walk/step_checks.h"

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <iostream>

namespace {

namespace fs = std::filesystem;
using namespace korvel;

fs::path g_work_dir;
fs::path g_temp_dir;
ScriptedWindowLayer* g_layer = nullptr;

void requireNone(const std::vector<std::string>& found) {
    if (found.empty()) return;
    for (const std::string& text : found) std::cerr << "pipeline_fuzz: " << text << '\n';
    std::abort();
}

// Null values and slashes keep what earlier inputs read, so an input that stops the eigen-solver
// may not stop it alone: the matrix it stopped on is printed as a data file that does.
void requireSolverSettled() {
    const std::vector<std::string> stops = SOLVER_STOPS(g_layer->transcript().lines());
    if (stops.empty()) return;
    std::cerr << "pipeline_fuzz: a data file of the matrix P the solver stopped on:\n" << STAGE_COUNT << " 5\n";
    for (int i = 1; i <= STAGE_COUNT; ++i) {
        for (int j = 1; j <= STAGE_COUNT; ++j) std::cerr << std::setprecision(9) << MATRIX_P(i, j) << ' ';
        std::cerr << '\n';
    }
    std::cerr << STAGE_COUNT << "*10\n" << STAGE_COUNT << "*1 0\n";
    requireNone(stops);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    char pattern[] = "/tmp/korvel-pipeline-fuzz-XXXXXX";
    if (::mkdtemp(pattern) == nullptr) std::abort();
    g_work_dir = fs::path(pattern) / "work";
    g_temp_dir = fs::path(pattern) / "tmp";
    fs::create_directories(g_work_dir);
    fs::create_directories(g_temp_dir);
    fs::current_path(g_work_dir);
    ::setenv("TMPDIR", g_temp_dir.c_str(), 1);
    g_layer = new ScriptedWindowLayer;
    INSTALL_SCRIPTED_LAYER(g_layer);
    INSTALL_EXIT_ROUTINE(USEREXIT);
    DATA_UNIT = DATA_CHANNEL;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const fs::path file = g_work_dir / "data.d";
    std::ofstream(file, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data),
                                                                 static_cast<std::streamsize>(size));
    Answer answer;
    answer.kind = AnswerKind::File;
    answer.text = file.string();
    g_layer->answers().push(answer);
    DATAFF(true);
    READ_DATA(true);
    if (DATA_READ) SHOWDATA(true);
    requireSolverSettled();
    if (DATA_READ && X_HOLDS_P) {
        SHOWI_A(true);
        COMPUTE_PROJECTIONS_T(true);
        COMPUTE_PROJECTIONS_Q(true);
        std::ofstream(g_work_dir / "OPTIMAL_CONTROL.d", std::ios::binary | std::ios::trunc)
            .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        OPTIMAL_CONTROL(true);
        fs::remove(g_work_dir / "OPTIMAL_CONTROL.d");
    }
    const std::vector<std::string> shown = g_layer->transcript().takeLines();
    requireNone(NON_FINITE_SHOWN(shown));
    requireNone(INCONSISTENT_MODEL());
    CLOSEFILECALL(true);
    fs::remove(file);
    requireNone(WORKING_FILES_LEFT(g_work_dir, g_temp_dir));
    return 0;
}
