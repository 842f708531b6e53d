#pragma once
// The main routine's thread under a scenario. The runner starts it and waits until it settles
// (waits for Enter, idles, or fails), so the two threads never record at the same time.

#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

namespace korvel {

class MainThreadGate {
public:
    // Runs `routine` on its own thread; returns once it settles. Throws ScriptFailure when the
    // routine fails or returns before that.
    void start(const std::function<void()>& routine);
    bool started() const;
    bool onMainThread() const;

    // Main thread, in a read of a line: blocks until pressEnter() releases it.
    void waitForEnter();
    // Main thread: blocks for ever.
    [[noreturn]] void idle();

    // Runner: releases the read and returns once the main thread settles again.
    void pressEnter();

private:
    enum class State { NotStarted, Running, WaitingForEnter, Idle, Failed, Returned };

    void setState(State state);
    // Waits, with the lock held, until the main thread settles; throws when it failed.
    void awaitSettled(std::unique_lock<std::mutex>& lock);

    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    State m_state = State::NotStarted;
    bool m_released = false;
    std::string m_failure;
    std::thread::id m_main_id;
};

}  // namespace korvel
