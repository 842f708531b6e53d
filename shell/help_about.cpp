#include "shell/help_about.h"

namespace korvel {

// Not built yet; the menu entries are bound to these routines already.
void ABOUTCALL(bool) {}
void GET_HELP(bool) {}

}  // namespace korvel
