#include "analysis/analysis_commands.h"

namespace korvel {

// The analysis is not built yet; its menu entries are bound to these routines already.
void SHOWDATA(bool) {}
void COMPUTE_PROJECTIONS_T(bool) {}
void COMPUTE_PROJECTIONS_Q(bool) {}

}  // namespace korvel
