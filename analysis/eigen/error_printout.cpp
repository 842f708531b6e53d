#include "analysis/eigen/error_printout.h"

#include "base/fixed_text.h"

#include <algorithm>
#include <array>

namespace korvel {

namespace {

constexpr std::array<const char*, 6> TYPE_WORDS{"", "NOTE", "ALERT", "WARNING", "FATAL", "TERMINAL"};
constexpr const char* CONTINUATION = " ***          ";
constexpr int LINE_WIDTH = 14 + MESSAGE_CHUNK;  // a continuation line's width

std::string typeWord(int type) {
    const bool known = type >= 1 && type < static_cast<int>(TYPE_WORDS.size());
    return PAD_TEXT(known ? TYPE_WORDS[static_cast<std::size_t>(type)] : "", 8);
}

std::string firstLinePrefix(int type, int code, const std::string& routine) {
    return " *** " + typeWord(type) + " ERROR " + std::to_string(code) + " from " + routine + ".  ";
}

}  // namespace

std::vector<std::string> ERROR_MESSAGE_LINES(int type, int code, const std::string& routine,
                                             const std::string& message) {
    const std::string prefix = firstLinePrefix(type, code, routine);
    const std::size_t first_share = static_cast<std::size_t>(std::max(1, LINE_WIDTH - static_cast<int>(prefix.size())));
    std::vector<std::string> lines{prefix + message.substr(0, first_share)};
    for (std::size_t start = first_share; start < message.size(); start += MESSAGE_CHUNK)
        lines.push_back(CONTINUATION + message.substr(start, MESSAGE_CHUNK));
    return lines;
}

std::vector<std::string> TRACEBACK_LINES(const std::vector<TracebackEntry>& entries) {
    std::vector<std::string> lines{
        "Here is a traceback of subprogram calls in reverse order:",
        "     " + PAD_TEXT("Routine name", 27) + " " + "    Error type  Error code",
        "     ------------" + std::string(16, ' ') + "    ----------  ----------",
    };
    for (const TracebackEntry& entry : entries) {
        const std::string name = entry.routine + (entry.called_internally ? " (Called internally)" : "");
        lines.push_back("     " + PAD_TEXT(name, 27) + " " + RIGHT_ALIGNED(entry.type, 14) + RIGHT_ALIGNED(entry.code, 12));
    }
    return lines;
}

}  // namespace korvel
