#pragma once
// The printed form of the solver's messages and of the traceback of routines.

#include <string>
#include <vector>

namespace korvel {

// Characters of message on each continuation line; a first line holds as much as fits in the
// width of a continuation line.
inline constexpr int MESSAGE_CHUNK = 64;

// " *** WARNING  ERROR 3 from DE2IRG.  " followed by the message, continued on lines that
// begin " *** " and nine blanks.
std::vector<std::string> ERROR_MESSAGE_LINES(int type, int code, const std::string& routine,
                                             const std::string& message);

struct TracebackEntry {
    std::string routine;
    bool called_internally = false;
    int type = 0;
    int code = 0;
};

// The traceback of `entries`, innermost routine first.
std::vector<std::string> TRACEBACK_LINES(const std::vector<TracebackEntry>& entries);

}  // namespace korvel
