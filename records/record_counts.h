#pragma once
// The flows between neighbouring snapshots, counted person by person.

#include "records/snapshots.h"

#include <cstdint>
#include <vector>

namespace korvel {

// One transition, from a snapshot to the next; stages are counted from 0 here.
struct TransitionCounts {
    std::vector<int64_t> moves;     // moves[i * N + j]: in stage i, then in stage j (i = j: stayed)
    std::vector<int64_t> leavers;   // in stage i, then absent
    std::vector<int64_t> recruits;  // absent, then in stage j

    int64_t move(size_t from, size_t to) const { return moves[from * leavers.size() + to]; }
};

struct RecordCounts {
    std::vector<std::vector<int64_t>> stocks;  // stocks[s][i]: the persons in stage i at snapshot s
    std::vector<TransitionCounts> transitions;
};

RecordCounts COUNT_RECORDS(const Snapshots& snapshots);

}  // namespace korvel
