#pragma once
// The analysis a user runs from the menus, in menu order, on the one model state and through
// the program's own commands, answered and kept by the report layer.

#include "report/report_content.h"
#include "report/target_section.h"
#include "report/uncertainty_options.h"
#include "report/stage_names.h"

#include <functional>
#include <string>
#include <vector>

namespace korvel {

struct REPORT_INPUT {
    std::string data_path;
    std::string control_path;  // empty: no optimal control
    std::string limits_path;   // empty: recruitments bounded by 0 alone
    UNCERTAINTY_OPTIONS uncertainty;
    std::string target_path;  // empty: no target structure
    int max_periods = DEFAULT_MAX_PERIODS;
    const StageNames* names = nullptr;  // none: the program's labels
};

struct ANALYSIS_OUTCOME {
    // False when the data file could not be opened or read: then `refusal` holds the messages
    // the program showed for it, and nothing is to be written.
    bool data_read = false;
    std::vector<REPORT_MESSAGE> refusal;
    // Why the limits file was refused; then too nothing is to be written.
    std::string limits_error;
    std::string target_error;  // the same for the target file
    REPORT_CONTENT content;
};

// Told the name of each step as it starts.
using REPORT_PROGRESS = std::function<void(const std::string& step)>;

// Runs the commands in a private working folder of its own, which it removes again; the
// control file is read there under the name the program reads.
ANALYSIS_OUTCOME RUN_REPORT_ANALYSIS(const REPORT_INPUT& input, const REPORT_PROGRESS& progress);

}  // namespace korvel
