#include "present/window/window_layer.h"

#include <cassert>

namespace korvel {

namespace {
WindowLayer* g_layer = nullptr;
}

WindowLayer& LAYER() {
    assert(g_layer != nullptr && "no window layer installed");
    return *g_layer;
}

void INSTALL_LAYER(WindowLayer* layer) { g_layer = layer; }

void IDLE_FOREVER() {
    for (;;) LAYER().idleForever();
}

void WAIT_FOR_LEFT_BUTTON() {
    for (;;) {
        const MOUSE_RESULT click = WAIT_MOUSE_EVENT(MOUSE_LEFT_DOWN);
        if (click.key_state == KEY_LEFT_BUTTON || click.event == 0) return;
    }
}

void WIN_NONE(bool) {}
void WIN_EXIT(bool) { LAYER().standardCommand(StandardCommand::Exit); }
void WIN_SELECT_TEXT(bool) { LAYER().standardCommand(StandardCommand::SelectText); }
void WIN_SELECT_AREA(bool) { LAYER().standardCommand(StandardCommand::SelectArea); }
void WIN_SELECT_ALL(bool) { LAYER().standardCommand(StandardCommand::SelectAll); }
void WIN_COPY(bool) { LAYER().standardCommand(StandardCommand::Copy); }
void WIN_PASTE(bool) { LAYER().standardCommand(StandardCommand::Paste); }
void WIN_SIZE_TO_FIT(bool) { LAYER().standardCommand(StandardCommand::SizeToFit); }
void WIN_FULL_SCREEN(bool) { LAYER().standardCommand(StandardCommand::FullScreen); }

}  // namespace korvel
