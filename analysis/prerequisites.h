#pragma once
// The tests a command makes before it works on the model: each shows its own message and
// returns false when its prerequisite is missing.

namespace korvel {

// The data file has been read.
bool DATA_ARE_READ();
// The stored matrix holds P: given by the file, or derived by "Sho&w details".
bool P_IS_FORMED();

}  // namespace korvel
