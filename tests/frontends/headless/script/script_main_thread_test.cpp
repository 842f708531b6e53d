// The main routine's thread under a scenario: the runner waits until it settles.

#include "frontends/headless/script/main_thread_gate.h"
#include "frontends/headless/script/script_failure.h"

#include <gtest/gtest.h>

#include <atomic>

namespace korvel {
namespace {

// Gates are never destroyed: their threads idle for ever.
MainThreadGate& leakedGate() { return *new MainThreadGate; }

std::string failureOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const ScriptFailure& failure) {
        return failure.what();
    }
    return "no failure";
}

TEST(MainThreadGateTest, StartReturnsAtTheWaitForEnterAndEnterRunsOnToIdle) {
    MainThreadGate& gate = leakedGate();
    static std::atomic<int> step{0};
    static std::atomic<bool> on_main_thread{false};
    gate.start([&gate] {
        step = 1;
        on_main_thread = gate.onMainThread();
        gate.waitForEnter();
        step = 2;
        gate.idle();
    });
    EXPECT_EQ(1, step);
    EXPECT_TRUE(on_main_thread);
    EXPECT_FALSE(gate.onMainThread());
    gate.pressEnter();
    EXPECT_EQ(2, step);
    EXPECT_EQ("the program does not wait for Enter: its start-up has passed that wait",
              failureOf([&gate] { gate.pressEnter(); }));
    EXPECT_EQ("the program has started already", failureOf([&gate] { gate.start([] {}); }));
}

TEST(MainThreadGateTest, FailuresOfTheMainRoutineReachTheRunner) {
    EXPECT_EQ("the read waits", failureOf([] { leakedGate().start([] { throw ScriptFailure("the read waits"); }); }));
    EXPECT_EQ("the main routine returned; it must idle for ever", failureOf([] { leakedGate().start([] {}); }));

    MainThreadGate& gate = leakedGate();
    gate.start([&gate] {
        gate.waitForEnter();
        throw ScriptFailure("after Enter");
    });
    EXPECT_EQ("after Enter", failureOf([&gate] { gate.pressEnter(); }));
}

TEST(MainThreadGateTest, EnterBeforeStartFails) {
    EXPECT_EQ("the program has not started: no start comes before this line",
              failureOf([] { leakedGate().pressEnter(); }));
}

}  // namespace
}  // namespace korvel
