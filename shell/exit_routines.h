#pragma once

namespace korvel {

// End the program in an orderly way: confirm, reset the model flags and queue the frame's exit
// command. They return to their caller, whose command goes on to its end before the exit runs.
void USEREXIT();
void USEREXIT1();

}  // namespace korvel
