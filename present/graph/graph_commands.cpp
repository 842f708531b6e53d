#include "present/graph/graph_commands.h"

namespace korvel {

// The graph requests are not built yet; their menu entries are bound to these already.
void PLOTSTOCK(bool) {}
void PLOTWASTE(bool) {}
void PLOTSTOCK_Q(bool) {}

}  // namespace korvel
