#pragma once

#include "model/model_state.h"

#include <string>

namespace korvel {

// `stem` followed by `number` right-aligned in two characters (three from 100 on), blank-padded
// to a label: NUMBERED_LABEL("Row_", 7) is "Row_ 7" and blanks.
Label NUMBERED_LABEL(const std::string& stem, int number);

}  // namespace korvel
