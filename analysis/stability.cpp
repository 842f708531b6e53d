#include "analysis/stability.h"

namespace korvel {

// The stability analysis is not built yet; the show-details command may already call it.
void EIGEN(int&, int&, int&) {}

}  // namespace korvel
