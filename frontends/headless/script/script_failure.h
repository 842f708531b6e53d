#pragma once
// A scenario that cannot go on: a wait it does not answer, an answer that does not fit the wait,
// or a line that does not fit the program's state. It unwinds to the scenario runner.

#include <stdexcept>

namespace korvel {

class ScriptFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace korvel
