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

}  // namespace korvel
