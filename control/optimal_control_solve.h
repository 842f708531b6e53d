#pragma once
// CALC_OPT_CONTR: the solve of the optimal control as the command runs it.

namespace korvel {

// The solve with its rules parked in the working files "FEEDBACK" and "g_vector", both removed
// before it returns, whatever the outcome. A failure is told in a message box while the files
// are still there; false then.
bool CALC_OPT_CONTR(int n, int m, int period_count);

}  // namespace korvel
