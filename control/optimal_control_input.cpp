// "A&pplication of optimal control": reads the problem from "OPTIMAL_CONTROL.d", shows it,
// solves it and shows the solution, and keeps the stock series of the trajectory comparison.

#include "analysis/numbered_label.h"
#include "analysis/prerequisites.h"
#include "analysis/show_details.h"
#include "control/control_commands.h"
#include "control/control_state.h"
#include "control/optimal_control_solve.h"
#include "model/free_format_reader.h"
#include "model/messages.h"
#include "present/tables/result_tables.h"
#include "present/tables/table_kinds.h"
#include "present/window/recording_observer.h"
#include "present/window/window_layer.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <vector>

namespace korvel {

namespace {

constexpr const char* CONTROL_FILE = "OPTIMAL_CONTROL.d";

struct Message {
    const char* text;
    const char* caption;
};

constexpr Message PERIOD_FAILURE{" The total control period N has not read properly.",
                                 " Attention ! Error regarding the control period"};
constexpr Message NOMINAL_FAILURE{" The system nominal (desired) path has not read properly.",
                                  " Attention ! Error regarding the system nominal path"};
constexpr Message WEIGHTS_FAILURE{" The diagonal elements of matrises {R(t)}, are not read properly.",
                                  " Attention ! Error regarding the weighting matrices"};
// The state of 2n entries must fit 55, and the solution is kept for 55 periods.
constexpr Message TOO_MANY_STAGES{" The optimal control serves models of at most 27 stages. ",
                                  " Attention ! The model is too large for the optimal control"};
constexpr Message PERIOD_OUT_OF_RANGE{" The total control period N must lie between 1 and 55. ",
                                      " Attention ! Error regarding the control period"};

constexpr Message SOLUTION_NOT_FINITE{" The optimal control is not finite: the weights or the nominal path are too large. ",
                                      " Attention ! Solution not finite"};

void report(const Message& message) { SHOW_MESSAGE(message.text, message.caption, MB_EXCLAMATION); }

// The file in the working directory; a missing one is made empty (never over another file),
// so that it reads as an empty file.
std::FILE* openControlFile() {
    if (std::FILE* file = std::fopen(CONTROL_FILE, "r")) return file;
    if (errno != ENOENT) return nullptr;
    const int made = ::open(CONTROL_FILE, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (made < 0) return nullptr;
    ::close(made);
    TELL_FILE_CREATED(CONTROL_FILE);
    return std::fopen(CONTROL_FILE, "r");
}

// Reads N groups of m values, one group per period, into rows 1..N of `store`.
bool readPeriodGroups(std::FILE* file, int period_count, int m,
                      Matrix<float, MAX_CONTROL_PERIODS, MAX_STATE_ENTRIES>& store) {
    for (int t = 1; t <= period_count; ++t) {
        std::vector<ReadTarget> group;
        for (int i = 1; i <= m; ++i) group.emplace_back(store(t, i));
        if (READ_VALUES(file, group) != ReadStatus::Ok) return false;
    }
    return true;
}

// N, the nominal path and the weights. N is kept only once the whole problem is read, so a
// failed read leaves the solution shown before with its own period count.
bool readProblem(std::FILE* file, int m) {
    int32_t period_count = 0;
    if (READ_VALUES(file, std::vector<ReadTarget>{period_count}) != ReadStatus::Ok) {
        report(PERIOD_FAILURE);
        return false;
    }
    if (period_count < 1 || period_count > MAX_CONTROL_PERIODS) {
        report(PERIOD_OUT_OF_RANGE);
        return false;
    }
    if (!readPeriodGroups(file, period_count, m, NOMINAL_PATH)) {
        report(NOMINAL_FAILURE);
        return false;
    }
    if (!readPeriodGroups(file, period_count, m, PATH_WEIGHTS)) {
        report(WEIGHTS_FAILURE);
        return false;
    }
    CONTROL_PERIOD = period_count;
    return true;
}

bool readControlFile(int m) {
    std::FILE* file = openControlFile();
    const bool read = readProblem(file, m);
    if (file != nullptr) std::fclose(file);
    return read;
}

// Rows numbered from `first_row_number`, column i headed heading(i).
template <typename Values, typename Heading>
void showTable(const Values& values, int rows, int columns, int first_row_number, Heading heading, int kind) {
    for (int r = 1; r <= rows; ++r) {
        ROW_NUMBERS(r) = first_row_number + r - 1;
        for (int i = 1; i <= columns; ++i) RESULT_TABLE(r, i) = values(r, i);
    }
    for (int i = 1; i <= columns; ++i) COLUMN_LABELS(i) = heading(i);
    PRINTNNN(columns, rows, kind, false, COLUMN_LABELS);
}

auto numberedHeading(const char* stem) {
    return [stem](int i) { return NUMBERED_LABEL(stem, i); };
}

// "  R ( 1, 1)": the weight's place on the diagonal.
Label weightHeading(int i) {
    const std::string index = RIGHT_ALIGNED(i, i < 100 ? 2 : 3);
    Label label;
    label.assign("  R (" + index + "," + index + ")");
    return label;
}

// Weights or desired values near the 32-bit limit overflow in the solver; a solution that is not
// finite is no solution and is not shown.
bool solutionIsFinite(int n, int m, int period_count) {
    for (int t = 1; t <= period_count + 1; ++t)
        for (int i = 1; i <= m; ++i)
            if (!std::isfinite(OPTIMAL_STATES(t, i)) || (t <= period_count && i <= n && !std::isfinite(OPTIMAL_CONTROLS(t, i)))) {
                report(SOLUTION_NOT_FINITE);
                return false;
            }
    return true;
}

// Point t + 1 of stage i is the desired stock of period t; point 1 waits for x*(0).
void setNominalStocks(int n, int period_count) {
    NOMINAL_STOCKS.fill(0.0f);
    for (int t = 1; t <= period_count; ++t)
        for (int i = 1; i <= n; ++i) NOMINAL_STOCKS(t + 1, i) = NOMINAL_PATH(t, i);
}

void setOptimalStocks(int n, int period_count) {
    OPTIMAL_STOCKS.fill(0.0f);
    for (int t = 0; t <= period_count; ++t)
        for (int i = 1; i <= n; ++i) OPTIMAL_STOCKS(t + 1, i) = OPTIMAL_STATES(t + 1, i);
    for (int i = 1; i <= n; ++i) NOMINAL_STOCKS(1, i) = OPTIMAL_STATES(1, i);
}

}  // namespace

void OPTIMAL_CONTROL(bool) {
    // Prerequisites: the model, with P formed, small enough for the control's arrays
    if (!DATA_ARE_READ() || !P_IS_FORMED()) return;
    const int n = STAGE_COUNT;
    const int m = 2 * n;
    if (n > MAX_CONTROL_STAGES) {
        report(TOO_MANY_STAGES);
        return;
    }

    // The problem
    if (!readControlFile(m)) return;
    const int period_count = CONTROL_PERIOD;
    showTable(NOMINAL_PATH, period_count, m, 1, numberedHeading("    x_"), NOMINAL_PATH_TABLE);
    setNominalStocks(n, period_count);
    showTable(PATH_WEIGHTS, period_count, m, 1, weightHeading, RICCATI_DIAGONAL_TABLE);

    // The solution
    if (!CALC_OPT_CONTR(n, m, period_count) || !solutionIsFinite(n, m, period_count)) {
        CONTROL_SOLVED = false;
        return;
    }
    showTable(OPTIMAL_STATES, period_count + 1, m, 0, numberedHeading("   x*_"), OPTIMAL_STATE_TABLE);
    setOptimalStocks(n, period_count);
    showTable(OPTIMAL_CONTROLS, period_count, n, 1, numberedHeading("   u*_"), OPTIMAL_CONTROL_TABLE);
    // The comparison lists the stocks by the names the details give them; a model given as P
    // may not have been through the details.
    NAME_SERIES(n);
}

}  // namespace korvel
