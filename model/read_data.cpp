#include "model/read_data.h"

namespace korvel {

// The data file reader is not built yet; the menu entry is bound to it already.
void READ_DATA(bool) {}

}  // namespace korvel
