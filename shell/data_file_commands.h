#pragma once
// The commands of the "&File" menu that manage the data file.

namespace korvel {

void DATAFF(bool checked);         // "O&pen datafile"
void CLOSEFILECALL(bool checked);  // "&Close datafile": `checked` is the entry's check state
void NOTEPADCALL(bool checked);    // "C&reate datafile with NotePad"

// Runs the selection and shows its outcome in the indications window.
void DATAF_NEW();
// The file dialog, the checks and the opening on DATA_UNIT; `exists` tells whether the
// chosen file exists.
void DATAFILEOPEN_NEW(bool& exists);

}  // namespace korvel
