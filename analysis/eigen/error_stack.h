#pragma once
// The eigen-solver's error machinery: a stack of the routines now running and typed, numbered
// messages. WARNING, FATAL and TERMINAL messages are printed in the "Solver messages" window; a
// FATAL or TERMINAL one then ends the program through the exit routine. A TERMINAL message is
// printed at once, any other when the routine the program called returns.

#include <string>
#include <utility>

namespace korvel {

enum ErrorType : int {
    NO_ERROR = 0,
    NOTE = 1,
    ALERT = 2,
    WARNING = 3,
    FATAL = 4,
    TERMINAL = 5,
};

// The deepest the stack may grow.
inline constexpr int ERROR_STACK_LIMIT = 10;

// Registers a routine when it starts, and removes it when it returns.
void E1PSH(const std::string& routine);
void E1POP(const std::string& routine);

// Values for the placeholders of the next message: %(I1), %(I2) (and %(i1)) integers, %(D1) a
// double, %(L1), %(L2) texts. A message uses them and clears them.
void E1STI(int index, int value);
void E1STD(int index, double value);
void E1STL(int index, const std::string& text);

// Records a condition of the routine on top of the stack.
void E1MES(int type, int code, const std::string& message);

// The type and code of the last condition recorded since the program last called a routine of
// the solver (NO_ERROR and 0 when there was none).
int ERROR_TYPE();
int ERROR_CODE();
// True when the last call met a FATAL or TERMINAL condition: the program is ending.
bool SOLVER_STOPPED();

// The number of routines on the stack.
int ERROR_STACK_LEVEL();

// Keeps a routine on the stack for the lifetime of the scope, so it leaves on every path.
class ErrorScope {
public:
    explicit ErrorScope(std::string routine) : m_routine(std::move(routine)) { E1PSH(m_routine); }
    ~ErrorScope() { E1POP(m_routine); }
    ErrorScope(const ErrorScope&) = delete;
    ErrorScope& operator=(const ErrorScope&) = delete;

private:
    std::string m_routine;
};

}  // namespace korvel
