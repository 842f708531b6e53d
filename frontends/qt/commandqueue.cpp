#include "frontends/qt/commandqueue.h"

namespace korvel {

void CommandQueue::submit(MENU_ROUTINE routine, bool checked) {
    if (m_closed) return;
    m_pending.emplace_back(routine, checked);
    if (m_running) return;
    m_running = true;
    while (!m_pending.empty()) {
        const auto [next, state] = m_pending.front();
        m_pending.pop_front();
        next(state);
    }
    m_running = false;
}

void CommandQueue::close() {
    m_closed = true;
    m_pending.clear();
}

}  // namespace korvel
