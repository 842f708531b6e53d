#pragma once
// The optimal control's stores: the problem read from "OPTIMAL_CONTROL.d", its solution and
// the two stock series the trajectory comparison draws. Only the control subsystem uses them.

#include "model/model_state.h"

#include <cstdint>

namespace korvel {

// The state of 2n entries (stocks, then recruitments) fits 55 entries, so 27 stages at most;
// the solution is kept for at most 55 periods.
inline constexpr int MAX_CONTROL_STAGES = 27;
inline constexpr int MAX_STATE_ENTRIES = 2 * MAX_CONTROL_STAGES;
inline constexpr int MAX_CONTROL_PERIODS = 55;

// N, the total control period of the latest problem read whole.
extern int32_t CONTROL_PERIOD;

// Period t (row), entry i (column): the nominal path a_i(t) and the weights r_i(t), the
// diagonal of R(t). Entries 1..n are stocks, n+1..2n recruitments.
extern Matrix<float, MAX_CONTROL_PERIODS, MAX_STATE_ENTRIES> NOMINAL_PATH;
extern Matrix<float, MAX_CONTROL_PERIODS, MAX_STATE_ENTRIES> PATH_WEIGHTS;

// The solution: x*_i(t) in row t + 1 (t = 0..N), u*_i(t) in row t (t = 1..N), and the values
// v_i(t) of the feedback rule that u*_i(t) rounds.
extern Matrix<float, MAX_CONTROL_PERIODS + 1, MAX_STATE_ENTRIES> OPTIMAL_STATES;
extern Matrix<float, MAX_CONTROL_PERIODS, MAX_CONTROL_STAGES> OPTIMAL_CONTROLS;
extern Matrix<float, MAX_CONTROL_PERIODS, MAX_CONTROL_STAGES> RULE_VALUES;
// The states the same rules give from x(0) when nothing is rounded to whole persons, x_i(t) in
// row t + 1, t = 0..N.
extern Matrix<float, MAX_CONTROL_PERIODS + 1, MAX_STATE_ENTRIES> UNROUNDED_STATES;

// Point p (period p - 1) of stage i: the nominal stocks (the initial stock, then a_i(1..N)) and
// the optimal stocks x*_i(0..N), for the trajectory graph.
extern Matrix<float, MAX_GRAPH_POINTS, MAX_STAGES> NOMINAL_STOCKS;
extern Matrix<float, MAX_GRAPH_POINTS, MAX_STAGES> OPTIMAL_STOCKS;

}  // namespace korvel
