#include "analysis/eigen/solver_messages.h"

#include "base/program_exit.h"
#include "present/window/window_layer.h"

namespace korvel {

namespace {

constexpr const char* SOLVER_MESSAGES_TITLE = "Solver messages";

}  // namespace

// Opening an open channel brings its window to the front and keeps the lines it holds.
void PRINT_SOLVER_LINES(const std::vector<std::string>& lines) {
    OPEN_CHILD_WINDOW(SOLVER_MESSAGES_CHANNEL, SOLVER_MESSAGES_TITLE);
    for (const std::string& line : lines) WRITE_TEXT(SOLVER_MESSAGES_CHANNEL, line);
}

void STOP_AFTER_SOLVER_MESSAGE() {
    FOCUS_CHANNEL(SOLVER_MESSAGES_CHANNEL);
    REQUEST_EXIT();
}

}  // namespace korvel
