#pragma once
// The commands of the "&File" menu that manage the data file.

namespace korvel {

void DATAFF(bool checked);         // "O&pen datafile"
void CLOSEFILECALL(bool checked);  // "&Close datafile"
void NOTEPADCALL(bool checked);    // "C&reate datafile with NotePad"

}  // namespace korvel
