#pragma once
// Two ways of doing the same work, timed alike in turn within each iteration: the counter
// `ratio` is the first one's time over the second one's.

#include <benchmark/benchmark.h>

#include <chrono>

template <typename First, typename Second>
void TIME_PAIR(benchmark::State& state, First first, Second second) {
    using Clock = std::chrono::steady_clock;
    Clock::duration first_time{}, second_time{};
    for (auto _ : state) {
        const auto start = Clock::now();
        first();
        const auto middle = Clock::now();
        second();
        first_time += middle - start;
        second_time += Clock::now() - middle;
    }
    state.counters["ratio"] = std::chrono::duration<double>(first_time).count() /
                              std::chrono::duration<double>(second_time).count();
}
