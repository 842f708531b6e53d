#pragma once
// Menu commands run one at a time, each to its end. A command chosen while another one runs
// (it may be waiting in a nested event loop) waits here and runs after it, never inside it.

#include "present/window/window_records.h"

#include <deque>
#include <utility>

namespace korvel {

class CommandQueue {
public:
    // Runs the routine now when no command is running; otherwise after the running ones.
    void submit(MENU_ROUTINE routine, bool checked);
    // The program ends: what waits is dropped, and nothing is taken any more.
    void close();

private:
    std::deque<std::pair<MENU_ROUTINE, bool>> m_pending;
    bool m_running = false;
    bool m_closed = false;
};

}  // namespace korvel
