#pragma once
// The orderly end of the program, reachable from every layer. The shell installs its exit
// routine at start-up, so a lower routine that must end the program (the reader chosen before
// Enter, the solver's fatal path) asks for the end without knowing the shell.

namespace korvel {

using EXIT_ROUTINE = void (*)();

void INSTALL_EXIT_ROUTINE(EXIT_ROUTINE routine);

// Runs the installed exit routine. It returns to its caller: the program ends once the command
// now running is over.
void REQUEST_EXIT();

}  // namespace korvel
