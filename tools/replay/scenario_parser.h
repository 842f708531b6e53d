#pragma once
// Reads the scenario language: one command a line, '#' starting a comment.

#include "tools/replay/scenario.h"

#include <string>

namespace korvel {

// A scenario, or the message naming the first line that cannot be read.
struct ParsedScenario {
    Scenario scenario;
    std::string error;
};

ParsedScenario parseScenario(const std::string& text);

}  // namespace korvel
