#pragma once

#include "present/window/window_records.h"

#include <initializer_list>
#include <string>

namespace korvel {

// Copies a message and its caption into MSG_TEXT and MSG_CAPTION, each ended by a zero byte,
// and shows them in a modal box of the given style (MB_...). Returns the button pressed.
int SHOW_MESSAGE(const std::string& text, const std::string& caption, int style);

// A line of a notice: where it is drawn and what it says.
struct NoticeLine {
    int x;
    int y;
    std::string text;
};

// A notice on the indications window: its lines in `font`, shown for `milliseconds`, then
// erased. `clear_first` erases what the window showed before.
void SHOW_NOTICE(const char* font, bool clear_first, std::initializer_list<NoticeLine> lines, int milliseconds);

// Resets MSG_TEXT and MSG_CAPTION to a zero byte followed by blanks.
void RESET_MESSAGE_BUFFERS();

}  // namespace korvel
