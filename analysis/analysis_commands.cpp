#include "analysis/analysis_commands.h"

namespace korvel {

// The projections are not built yet; their menu entries are bound to these routines already.
void COMPUTE_PROJECTIONS_T(bool) {}
void COMPUTE_PROJECTIONS_Q(bool) {}

}  // namespace korvel
