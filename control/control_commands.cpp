#include "control/control_commands.h"

namespace korvel {

// The control computations are not built yet; their menu entries are bound to these already.
void SHOWI_A(bool) {}
void OPTIMAL_CONTROL(bool) {}
void GET_ESTIM_NAMES_FORPLOT(bool) {}

}  // namespace korvel
