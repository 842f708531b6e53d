#include "present/graph/picked_names.h"

#include <algorithm>

namespace korvel {

std::vector<Label> KEEP_LAST_PICKS(const std::vector<Label>& picks) {
    std::vector<Label> kept;
    for (auto pick = picks.begin(); pick != picks.end(); ++pick) {
        const bool picked_later = std::any_of(pick + 1, picks.end(), [&](const Label& later) { return later.text() == pick->text(); });
        if (!picked_later) kept.push_back(*pick);
    }
    return kept;
}

}  // namespace korvel
