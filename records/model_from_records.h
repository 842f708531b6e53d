#pragma once
// From personnel records to the text of a data file and of its stage names: read, count, write.

#include "records/data_file_text.h"
#include "records/record_counts.h"
#include "records/snapshots.h"

#include <cstdio>
#include <optional>
#include <string>

namespace korvel {

struct ModelFromRecords {
    Snapshots snapshots;
    RecordCounts counts;
    RecordsModel model;
    std::string data_file;
    std::string stage_names;
};

// The model of the records in `file`; the fault of the records when they give none.
std::optional<RecordsError> MODEL_FROM_RECORDS(std::FILE* file, const RecordsRequest& request, const DataFileNotes& notes,
                                               ModelFromRecords& result);

}  // namespace korvel
