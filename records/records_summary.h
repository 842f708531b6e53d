#pragma once
// What the records held, for standard error: persons, snapshots, transitions, and per stage its
// stock at each snapshot and its stayers, movers, leavers and recruits over all transitions.

#include "records/record_counts.h"
#include "records/snapshots.h"

#include <string>

namespace korvel {

std::string RECORDS_SUMMARY(const Snapshots& snapshots, const RecordCounts& counts);

}  // namespace korvel
