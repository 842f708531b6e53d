#include "shell/help_about.h"

#include "model/messages.h"
#include "model/model_state.h"
#include "present/window/file_units.h"
#include "present/window/window_layer.h"
#include "resources/dialog_ids.h"
#include "shell/exit_routines.h"

namespace korvel {

namespace {
constexpr const char* HELP_FILE = "HelpText.htm";
}  // namespace

// A missing template is not reported: the About box simply does not appear.
void ABOUTCALL(bool) {
    DIALOG about;
    if (!DIALOG_INIT(ABOUT_DIALOG, about)) return;
    DIALOG_MODAL(about);
    DIALOG_UNINIT(about);
}

void GET_HELP(bool) {
    RESET_MESSAGE_BUFFERS();
    if (WAITING_FOR_ENTER) USEREXIT1();
    if (!FILE_EXISTS(HELP_FILE))
        SHOW_MESSAGE("  Better to see user instruction before opening any data file. ",
                     " You've better to close the program and to start from the very biginning.", MB_INFORMATION);
    const int focused = FOCUSED_CHANNEL();
    FOCUS_CHANNEL(focused < 0 ? INDICATIONS_WINDOW : focused);
    CLEAR_WINDOW();
    MOVE_TO(30, 60);
    DRAW_TEXT("....Please wait.....");
    SLEEP(95);
    OPEN_DOCUMENT(HELP_FILE);  // the browser reports a missing file itself
    CLEAR_WINDOW();
}

}  // namespace korvel
