#pragma once

#include <string>

namespace korvel {

// Copies a message and its caption into MSG_TEXT and MSG_CAPTION, each ended by a zero byte,
// and shows them in a modal box of the given style. Returns the button pressed.
int SHOW_MESSAGE(const std::string& text, const std::string& caption, int style);

// Resets MSG_TEXT and MSG_CAPTION to a zero byte followed by blanks.
void RESET_MESSAGE_BUFFERS();

}  // namespace korvel
