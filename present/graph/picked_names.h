#pragma once
// The names picked in the graph dialog, kept in memory while it is open: a name picked several
// times counts once, at its last pick.

#include "model/model_state.h"

#include <vector>

namespace korvel {

// The picks in order, each name kept only where no later pick repeats it.
std::vector<Label> KEEP_LAST_PICKS(const std::vector<Label>& picks);

}  // namespace korvel
