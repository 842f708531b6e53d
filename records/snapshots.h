#pragma once
// Personnel records (one row per person per period, saying the person's stage) read into
// snapshots: for each period, the stage of every person present. Memory grows with the persons
// and the periods, never with the size of the file: ids and stage names are kept once each.

#include "records/csv_rows.h"
#include "records/period.h"

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace korvel {

// The data file's limit on the stages, which its reader enforces.
inline constexpr int RECORDS_MAX_STAGES = 55;

struct PeriodRange {
    Period from;
    Period to;
};

// What shapes the reading, from the command line.
struct RecordsRequest {
    std::vector<std::string> stages;   // the stages in the model's order; empty: as they appear
    std::vector<std::string> columns;  // the person, period and stage columns; empty: found by name
    std::optional<PeriodRange> periods;  // the periods kept; nothing: all
};

struct Snapshots {
    // In the model's order: as requested, or the order of first appearance in the earliest
    // snapshot, then the others by first appearance in the file.
    std::vector<std::string> stages;
    std::vector<Period> periods;  // ascending
    size_t persons = 0;
    // stage_at[s][p]: the stage (from 1) of person p at snapshot s, 0 when absent. A column may
    // end before the last person; those after its end are absent.
    std::vector<std::vector<uint8_t>> stage_at;

    int stageOf(size_t snapshot, size_t person) const {
        const std::vector<uint8_t>& column = stage_at[snapshot];
        return person < column.size() ? column[person] : 0;
    }
};

// Reads the records of `file` into `snapshots`; the first fault of the records when they
// cannot make a model.
std::optional<RecordsError> READ_SNAPSHOTS(std::FILE* file, const RecordsRequest& request, Snapshots& snapshots);

}  // namespace korvel
