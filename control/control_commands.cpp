#include "control/control_commands.h"

namespace korvel {

// The optimal control is not built yet; its menu entries are bound to these routines already.
void OPTIMAL_CONTROL(bool) {}
void GET_ESTIM_NAMES_FORPLOT(bool) {}

}  // namespace korvel
