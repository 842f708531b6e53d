#include "analysis/prerequisites.h"

#include "model/messages.h"
#include "model/model_state.h"

namespace korvel {

// The program's own texts, kept exactly as it shows them, misspellings included: never correct them.
bool DATA_ARE_READ() {
    if (DATA_READ) return true;
    SHOW_MESSAGE(" Firest you have to read in your data. ", " Data have not been read", MB_EXCLAMATION);
    return false;
}

bool P_IS_FORMED() {
    if (X_HOLDS_P) return true;
    SHOW_MESSAGE(" The computation of matrix P is preceded. ", " Activate the command to show the input data ", MB_INFORMATION);
    return false;
}

}  // namespace korvel
