#pragma once
// Direct-access working files: fixed-length unformatted records read and written by record
// number (from 1). Each file is made afresh in a private temporary directory of its own, so it
// can neither overwrite nor follow a link to a user's file; the window layer is told its short
// name when it is created and deleted.

#include <cstddef>
#include <string>

namespace korvel {

struct RECORD_FILE {
    std::string name;       // the short name told to the window layer
    std::string directory;  // the private directory holding it
    int descriptor = -1;
    std::size_t record_length = 0;  // bytes
    bool failed = false;  // a make, read or write went wrong; later transfers do nothing
};

// Makes the working file `name` with records of `record_length` bytes. False when it cannot.
bool OPEN_RECORD_FILE(RECORD_FILE& file, const std::string& name, std::size_t record_length);

// Each transfers one whole record of `record_length` bytes; false (and `failed` set) when it
// cannot, including a read of a record never written.
bool WRITE_RECORD(RECORD_FILE& file, int record, const void* values);
bool READ_RECORD(RECORD_FILE& file, int record, void* values);

// Closes the file and deletes it with its directory. Does nothing for a file never made.
void DELETE_RECORD_FILE(RECORD_FILE& file);

}  // namespace korvel
