#include "base/program_exit.h"

#include <atomic>
#include <cassert>

namespace korvel {

namespace {

// Installed on the window layer's thread at start-up, asked for from the main routine's thread.
std::atomic<EXIT_ROUTINE> g_exit_routine{nullptr};

}  // namespace

void INSTALL_EXIT_ROUTINE(EXIT_ROUTINE routine) { g_exit_routine = routine; }

void REQUEST_EXIT() {
    const EXIT_ROUTINE routine = g_exit_routine;
    assert(routine != nullptr && "the exit routine is installed at start-up");
    routine();
}

}  // namespace korvel
