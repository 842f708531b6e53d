#include "model/messages.h"

#include "model/model_state.h"
#include "present/window/window_layer.h"

namespace korvel {

int SHOW_MESSAGE(const std::string& text, const std::string& caption, int style) {
    MSG_TEXT.assign(text + '\0');
    MSG_CAPTION.assign(caption + '\0');
    return MESSAGE_BOX(MSG_TEXT.text(), MSG_CAPTION.text(), style);
}

void RESET_MESSAGE_BUFFERS() {
    MSG_TEXT.reset();
    MSG_CAPTION.reset();
}

void SHOW_NOTICE(const char* font, bool clear_first, std::initializer_list<NoticeLine> lines, int milliseconds) {
    FOCUS_CHANNEL(INDICATIONS_WINDOW);
    SET_FONT(font);
    if (clear_first) CLEAR_WINDOW();
    for (const NoticeLine& line : lines) DRAW_TEXT_AT(line.x, line.y, line.text);
    SLEEP(milliseconds);
    CLEAR_WINDOW();
}

}  // namespace korvel
