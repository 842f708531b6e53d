#pragma once
// Direct-access working files: a fixed number of fixed-length unformatted records, addressed by
// record number (from 1). They live in a private directory of the temporary directory, made
// for the run with a unique name and open to its owner only, so a working file can neither
// overwrite nor follow a link to a user's file; the window layer is told its short name when
// it is created and deleted.
//
// A record is read and written where it lies in the file, mapped into memory, without a system
// call per record. Mapping fresh pages is dear (tens of microseconds a page on a virtual
// machine), so the contents of the working files of one name stay in one file that stays
// mapped for the whole run: between two working files of that name it waits under a hidden
// name in the private directory, and making the working file renames it to its own name,
// every record zero; deleting the working file takes that name away again. At the end of the
// process the hidden files and the directory are removed; a run that ended without removing
// them (killed, or ended at once) has them removed by the next run that makes a working file.

#include <cstddef>
#include <string>

namespace korvel {

struct RECORD_FILE {
    std::string name;  // the short name told to the window layer
    std::size_t record_length = 0;  // bytes
    int record_count = 0;
    void* mapping = nullptr;  // the first record; nullptr while the file does not exist
};

enum class RecordFileStatus {
    Made,
    NotCreated,  // no file could be made (no private directory, no file there)
    NotWritten,  // the file was made, but its records cannot be written out (a full disk, a
                 // file-size limit, no room to map them)
};

// Makes the working file `name` of `record_count` records of `record_length` bytes, every
// record zero. Unless it is Made, nothing is then made. Only one working file of a name exists
// at a time.
RecordFileStatus OPEN_RECORD_FILE(RECORD_FILE& file, const std::string& name, std::size_t record_length,
                                  int record_count);

// The place of a record in the mapped file: what is written there is the record.
void* RECORD_AT(RECORD_FILE& file, int record);

// Each transfers one whole record of `record_length` bytes.
void WRITE_RECORD(RECORD_FILE& file, int record, const void* values);
void READ_RECORD(RECORD_FILE& file, int record, void* values);

// Deletes the file. Does nothing for a file never made.
void DELETE_RECORD_FILE(RECORD_FILE& file);

}  // namespace korvel
