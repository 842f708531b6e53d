#pragma once
// Files bound to numbered channels (units), as the data file, the working files and the stray
// files of earlier runs are handled. Files created or deleted are told to the recording observer.

#include <cstdio>
#include <string>

namespace korvel {

enum class UnitAccess {
    ReadOnly,  // an existing file, never written
    Unknown,   // opened if it exists, created otherwise; read and write
};

bool FILE_EXISTS(const std::string& path);

// Opens `path` on `unit`, closing what the unit held before. False when it cannot be opened.
bool OPEN_UNIT(int unit, const std::string& path, UnitAccess access);
bool UNIT_IS_OPEN(int unit);
// Closing a unit that is not open does nothing.
void CLOSE_UNIT(int unit, bool delete_file = false);
void REWIND_UNIT(int unit);
// Opens the unit's file again by its name, at its beginning, so that what is read is the file
// as it now stands, also when an editor has replaced it. False, with the unit closed, when it
// cannot be opened any more; false too for a unit that is not open.
bool REOPEN_UNIT(int unit);
// The open file of `unit`, or nullptr.
std::FILE* UNIT_FILE(int unit);

}  // namespace korvel
