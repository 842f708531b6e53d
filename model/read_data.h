#pragma once

namespace korvel {

// "Rea&d data": reads the data file open on DATA_UNIT into the model state.
void READ_DATA(bool checked);

}  // namespace korvel
