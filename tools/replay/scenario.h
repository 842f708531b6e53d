#pragma once
// A scenario: the user's actions and answers, one line each, as the replay tool reads them.

#include "frontends/headless/script/answer_queue.h"

#include <string>
#include <vector>

namespace korvel {

enum class ScenarioCommand {
    File,        // file NAME ... end: a file made in the working directory
    Copy,        // copy PATH NAME: a file copied in, PATH relative to the scenario file
    Move,        // move NAME NEW: a file renamed over NEW, as most editors save
    Start,       // start [quiet]: the menu bar, then the main routine up to its wait for Enter
    Enter,       // enter: Enter pressed where the main routine waits for it, up to the idle state
    Menu,        // menu TEXT: the menu entry with that text chosen
    Answer,      // answer ...: an answer queued for a wait of the commands that follow
    ExpectExit,  // expect-exit: the program must have ended by now
};

struct ScenarioLine {
    int number = 0;
    std::string text;  // the line as written, without its comment
    ScenarioCommand command = ScenarioCommand::Start;
    std::string name;     // File, Copy and Move: the file made; Menu: the entry's text
    std::string source;   // Copy: the file copied; Move: the file renamed
    std::string content;  // File: its lines
    Answer answer;        // Answer
    bool quiet = false;   // Start: the start-up, and the Enter that ends it, are left out of the transcript
};

struct Scenario {
    std::vector<ScenarioLine> lines;
};

}  // namespace korvel
