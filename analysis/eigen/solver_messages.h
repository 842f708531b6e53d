#pragma once
// Where the solver's printed lines appear: a text window of its own.

#include <string>
#include <vector>

namespace korvel {

// The solver's standard output.
inline constexpr int SOLVER_MESSAGES_CHANNEL = 6;

// Writes the lines in the "Solver messages" window, opening it when needed.
void PRINT_SOLVER_LINES(const std::vector<std::string>& lines);

// After a FATAL or TERMINAL message: leaves the messages in view and ends the program through
// the exit routine, which returns; the calling command then returns without its results.
void STOP_AFTER_SOLVER_MESSAGE();

}  // namespace korvel
