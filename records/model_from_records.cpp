#include "records/model_from_records.h"

namespace korvel {

std::optional<RecordsError> MODEL_FROM_RECORDS(std::FILE* file, const RecordsRequest& request, const DataFileNotes& notes,
                                               ModelFromRecords& result) {
    if (auto error = READ_SNAPSHOTS(file, request, result.snapshots)) return error;
    result.counts = COUNT_RECORDS(result.snapshots);
    result.model = RECORDS_MODEL(result.counts, notes.rule);
    if (!HAS_FLOWS(result.model))
        return RecordsError{0, "no one stayed or moved between two snapshots: a matrix of zeros would be read as P"};
    result.data_file = DATA_FILE_TEXT(result.snapshots, result.model, notes);
    result.stage_names = STAGE_NAMES_CSV(result.snapshots.stages);
    return std::nullopt;
}

}  // namespace korvel
