#include "analysis/eigen/error_stack.h"

#include "analysis/eigen/error_printout.h"
#include "analysis/eigen/solver_messages.h"
#include "base/replace_all.h"

#include <array>
#include <cstdio>
#include <optional>
#include <vector>

namespace korvel {

namespace {

struct StackEntry {
    std::string routine;
    int type = NO_ERROR;
    int code = 0;
};

// A printed message waiting for the routine the program called to return.
struct PendingMessage {
    std::vector<std::string> lines;
    bool stops = false;
};

struct Placeholders {
    std::array<std::optional<int>, 2> integers;
    std::optional<double> real;
    std::array<std::optional<std::string>, 2> texts;
};

std::vector<StackEntry> ERROR_STACK;
std::vector<PendingMessage> PENDING_MESSAGES;
Placeholders PLACEHOLDERS;
int LAST_TYPE = NO_ERROR;
int LAST_CODE = 0;

std::string formatDouble(double value) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.7g", value);
    return buffer;
}

// The message with its placeholders filled; the values are used up.
std::string filledMessage(std::string message) {
    for (std::size_t k = 0; k < 2; ++k) {
        const std::string number = std::to_string(k + 1);
        if (PLACEHOLDERS.integers[k]) {
            message = REPLACE_ALL(message, "%(I" + number + ")", std::to_string(*PLACEHOLDERS.integers[k]));
            message = REPLACE_ALL(message, "%(i" + number + ")", std::to_string(*PLACEHOLDERS.integers[k]));
        }
        if (PLACEHOLDERS.texts[k]) message = REPLACE_ALL(message, "%(L" + number + ")", *PLACEHOLDERS.texts[k]);
    }
    if (PLACEHOLDERS.real) message = REPLACE_ALL(message, "%(D1)", formatDouble(*PLACEHOLDERS.real));
    PLACEHOLDERS = Placeholders{};
    return message;
}

std::vector<TracebackEntry> tracebackOfStack() {
    std::vector<TracebackEntry> entries;
    for (std::size_t level = ERROR_STACK.size(); level-- > 0;) {
        const StackEntry& entry = ERROR_STACK[level];
        entries.push_back({entry.routine, level > 0, entry.type, entry.code});
    }
    return entries;
}

void printMessage(const PendingMessage& message) {
    PRINT_SOLVER_LINES(message.lines);
    if (message.stops) STOP_AFTER_SOLVER_MESSAGE();
}

void recordCondition(const std::string& routine, int type, int code, const std::string& message) {
    LAST_TYPE = type;
    LAST_CODE = code;
    if (!ERROR_STACK.empty() && ERROR_STACK.back().routine == routine) {
        ERROR_STACK.back().type = type;
        ERROR_STACK.back().code = code;
    }
    if (type < WARNING) return;
    PendingMessage printed{ERROR_MESSAGE_LINES(type, code, routine, filledMessage(message)), type >= FATAL};
    if (printed.stops) {
        const std::vector<std::string> traceback = TRACEBACK_LINES(tracebackOfStack());
        printed.lines.insert(printed.lines.end(), traceback.begin(), traceback.end());
    }
    if (type == TERMINAL || ERROR_STACK.empty())
        printMessage(printed);
    else
        PENDING_MESSAGES.push_back(std::move(printed));
}

// When the routine the program called has returned, its messages are printed.
void printPendingMessages() {
    std::vector<PendingMessage> pending;
    pending.swap(PENDING_MESSAGES);
    for (const PendingMessage& message : pending) printMessage(message);
}

}  // namespace

// A push past the limit is reported and still made, so that the routine's own pop matches.
void E1PSH(const std::string& routine) {
    if (ERROR_STACK.size() >= static_cast<std::size_t>(ERROR_STACK_LIMIT)) {
        E1STI(1, ERROR_STACK_LIMIT);
        recordCondition("E1PSH", TERMINAL, 0, "Error condition in E1PSH.  Push would cause stack level to exceed %(I1).");
    }
    if (ERROR_STACK.empty()) {
        LAST_TYPE = NO_ERROR;
        LAST_CODE = 0;
    }
    ERROR_STACK.push_back({routine});
}

void E1POP(const std::string& routine) {
    if (ERROR_STACK.empty()) {
        E1STL(1, routine);
        recordCondition("E1POP", TERMINAL, 0, "Error condition in E1POP.  Cannot pop from %(L1) because stack is empty.");
        return;
    }
    if (ERROR_STACK.back().routine != routine) {
        E1STL(1, routine);
        E1STL(2, ERROR_STACK.back().routine);
        recordCondition("E1POP", TERMINAL, 0, "Error condition in E1POP.  %(L1) does not match the name %(L2) in the stack.");
    }
    ERROR_STACK.pop_back();
    if (ERROR_STACK.empty()) printPendingMessages();
}

void E1STI(int index, int value) {
    if (index == 1 || index == 2) PLACEHOLDERS.integers[static_cast<std::size_t>(index - 1)] = value;
}

void E1STD(int index, double value) {
    if (index == 1) PLACEHOLDERS.real = value;
}

void E1STL(int index, const std::string& text) {
    if (index == 1 || index == 2) PLACEHOLDERS.texts[static_cast<std::size_t>(index - 1)] = text;
}

void E1MES(int type, int code, const std::string& message) {
    recordCondition(ERROR_STACK.empty() ? std::string() : ERROR_STACK.back().routine, type, code, message);
}

int ERROR_TYPE() { return LAST_TYPE; }

int ERROR_CODE() { return LAST_CODE; }

bool SOLVER_STOPPED() { return LAST_TYPE >= FATAL; }

int ERROR_STACK_LEVEL() { return static_cast<int>(ERROR_STACK.size()); }

}  // namespace korvel
