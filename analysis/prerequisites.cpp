#include "analysis/prerequisites.h"

#include "model/messages.h"
#include "model/model_state.h"

namespace korvel {

bool DATA_ARE_READ() {
    if (DATA_READ) return true;
    SHOW_MESSAGE(" Firest you have to read in your data. ", " Data have not been read", 48);
    return false;
}

bool P_IS_FORMED() {
    if (X_HOLDS_P) return true;
    SHOW_MESSAGE(" The computation of matrix P is preceded. ", " Activate the command to show the input data ", 64);
    return false;
}

}  // namespace korvel
