#include "present/graph/graph_commands.h"

namespace korvel {

// The graph requests are not built yet; their menu entries are bound to these already.
void PLOTSTOCK(bool) {}
void PLOTWASTE(bool) {}
void PLOTSTOCK_Q(bool) {}
void PLOTVARCALL0(int) {}
void GRAPHS(const GraphValues&, const GraphNames&, int, int, int, const FixedText<20>&, bool,
            const FixedText<60>&, const FixedText<25>&) {}

}  // namespace korvel
