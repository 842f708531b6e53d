#pragma once
// The model the records give, written as a data file in the X form: N and T, the N rows of X,
// the outflows, the initial stocks, the recruitments with a total of 0. Each line carries a
// short comment after its values, which the free format skips with the rest of the line.

#include "records/record_counts.h"
#include "records/snapshots.h"

#include <string>
#include <vector>

namespace korvel {

// The data file's limit on the projection periods, which its reader enforces.
inline constexpr int RECORDS_MAX_HORIZON = 198;

enum class RecruitsRule { Mean, Last };  // per transition: their mean, or the last one's

// The values of the data file, as its reader will hold them (32-bit reals).
struct RecordsModel {
    std::vector<float> flows;  // X, row by row: flows[i * N + j]
    std::vector<float> outflows;
    std::vector<float> stocks;  // those of the last snapshot
    std::vector<float> recruits;
};

RecordsModel RECORDS_MODEL(const RecordCounts& counts, RecruitsRule rule);

// False when no one stayed or moved: the reader would take a matrix of zeros for P.
bool HAS_FLOWS(const RecordsModel& model);

struct DataFileNotes {
    int horizon = 10;
    RecruitsRule rule = RecruitsRule::Mean;
    std::string source;  // the records' file name
};

std::string DATA_FILE_TEXT(const Snapshots& snapshots, const RecordsModel& model, const DataFileNotes& notes);

// The stage names in order, a CSV file with a header: number,name.
std::string STAGE_NAMES_CSV(const std::vector<std::string>& stages);

}  // namespace korvel
