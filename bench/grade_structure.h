#pragma once
// The model of the control benchmarks: a stable grade structure of the largest control size,
// in which people stay or move one grade up and some leave every grade.

#include "control/control_state.h"
#include "model/model_state.h"

#include <random>

namespace korvel {

inline constexpr int BENCH_STAGES = MAX_CONTROL_STAGES;
inline constexpr int BENCH_PERIODS = MAX_CONTROL_PERIODS;

// P, the stocks and the recruitments; each benchmark sets its own nominal path and weights.
inline void SET_UP_GRADE_STRUCTURE() {
    std::mt19937 generator(27);
    std::uniform_real_distribution<float> share(0.0f, 1.0f);
    STAGE_COUNT = BENCH_STAGES;
    X_HOLDS_P = true;
    for (int i = 1; i <= BENCH_STAGES; ++i) {
        const float stay = 0.5f + 0.3f * share(generator);
        MATRIX_X(i, i) = stay;
        if (i < BENCH_STAGES) MATRIX_X(i, i + 1) = (1.0f - stay) * 0.6f;
        INITIAL_STOCKS(i) = 100.0f + 10.0f * static_cast<float>(i);
        INFLOWS(i) = 5.0f;
    }
}

}  // namespace korvel
