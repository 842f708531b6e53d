#pragma once

namespace korvel {

// The main routine: sets up the frame and the indications window, shows the opening screen,
// waits for Enter, shows the instructions, then idles. It never returns.
[[noreturn]] void KORVEL_EN();

// Removes the files "fort.1" to "fort.200" that earlier runs may have left behind.
void TRY_TODELETE();

}  // namespace korvel
