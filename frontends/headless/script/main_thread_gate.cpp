#include "frontends/headless/script/main_thread_gate.h"

#include "frontends/headless/script/script_failure.h"

namespace korvel {

void MainThreadGate::start(const std::function<void()>& routine) {
    std::unique_lock lock(m_mutex);
    if (m_state != State::NotStarted) throw ScriptFailure("the program has started already");
    m_state = State::Running;
    // Detached: the main routine never returns; the process ends while it idles or waits.
    std::thread main_thread([this, routine] {
        try {
            routine();
            setState(State::Returned);
        } catch (const ScriptFailure& failure) {
            {
                const std::lock_guard failure_lock(m_mutex);
                m_failure = failure.what();
            }
            setState(State::Failed);
        }
    });
    m_main_id = main_thread.get_id();
    main_thread.detach();
    awaitSettled(lock);
}

bool MainThreadGate::started() const {
    const std::lock_guard lock(m_mutex);
    return m_state != State::NotStarted;
}

bool MainThreadGate::onMainThread() const {
    const std::lock_guard lock(m_mutex);
    return m_state != State::NotStarted && std::this_thread::get_id() == m_main_id;
}

void MainThreadGate::waitForEnter() {
    std::unique_lock lock(m_mutex);
    m_released = false;
    m_state = State::WaitingForEnter;
    m_changed.notify_all();
    m_changed.wait(lock, [this] { return m_released; });
    m_state = State::Running;
}

void MainThreadGate::idle() {
    setState(State::Idle);
    std::unique_lock lock(m_mutex);
    for (;;) m_changed.wait(lock);
}

void MainThreadGate::pressEnter() {
    std::unique_lock lock(m_mutex);
    switch (m_state) {
    case State::NotStarted:
        throw ScriptFailure("the program has not started: no start comes before this line");
    case State::WaitingForEnter:
        break;
    default:
        throw ScriptFailure("the program does not wait for Enter: its start-up has passed that wait");
    }
    m_released = true;
    m_state = State::Running;
    m_changed.notify_all();
    awaitSettled(lock);
}

void MainThreadGate::setState(State state) {
    const std::lock_guard lock(m_mutex);
    m_state = state;
    m_changed.notify_all();
}

void MainThreadGate::awaitSettled(std::unique_lock<std::mutex>& lock) {
    m_changed.wait(lock, [this] { return m_state != State::Running; });
    if (m_state == State::Failed) throw ScriptFailure(m_failure);
    if (m_state == State::Returned) throw ScriptFailure("the main routine returned; it must idle for ever");
}

}  // namespace korvel
