#include "shell/exit_routines.h"

#include "model/messages.h"
#include "model/model_state.h"
#include "present/window/window_layer.h"

namespace korvel {

namespace {

constexpr const char* TERMINATED_CAPTION = " Program is terminated";

void confirmAndQueueExit(const char* text) {
    SHOW_MESSAGE(text, TERMINATED_CAPTION, MB_PLAIN);  // OK is the only answer
    DATA_READ = false;
    X_HOLDS_P = true;
    Q_GRAPH_MODE = false;
    CONTROL_SOLVED = false;
    WINDOW_MENU_COMMAND(WIN_EXIT);
}

}  // namespace

// "ΟΚ" here is the Greek capitals omicron and kappa.
void USEREXIT() { confirmAndQueueExit(" Press \u039F\u039A to exit"); }

void USEREXIT1() { confirmAndQueueExit(" You have not pressed Enter"); }

}  // namespace korvel
