#include "shell/data_file_commands.h"

namespace korvel {

// Not built yet; the menu entries are bound to these routines already.
void DATAFF(bool) {}
void CLOSEFILECALL(bool) {}
void NOTEPADCALL(bool) {}

}  // namespace korvel
