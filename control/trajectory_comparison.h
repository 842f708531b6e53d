#pragma once
// The trajectory comparison: the nominal and the optimal stock path of one stage, drawn as a
// graph and measured by the root mean square error and Theil's inequality coefficient U.

#include "model/model_state.h"
#include "present/window/window_records.h"

#include <string>

namespace korvel {

// The callback of dialog 112: a pick in the list is kept as the selected name; OK ends it.
void GETESTIMNAME(DIALOG& dialog, int control_id, int callback_kind);

// Draws the trajectories of the stage named `name` (one of the first `n` stock series names)
// and writes the statistics in the indications window.
void PLOT_ESTIM(int n, const Label& name);

// The graph's main title: the literal and the first 13 characters of the stage's name.
FixedText<60> TRAJECTORY_TITLE(const Label& name);

struct TrajectoryStatistics {
    float rmse = 0.0f;
    float u = 0.0f;
    bool u_defined = false;  // false when both series are zero at every point
};

// RMSE = sqrt(sum of (d - o)^2 / P) and U = RMSE / (R_o + R_d), R the root mean square of a
// series, over the P points of the nominal series d and the optimal series o; in 32-bit.
TrajectoryStatistics COMPARE_TRAJECTORIES(const float* nominal, const float* optimal, int point_count);

// A statistic as written: exponent form 17 wide with 6 decimals and 3 blanks; a statistic
// without value reads "undefined" in the same field.
std::string STATISTIC_TEXT(float value, bool defined = true);

}  // namespace korvel
