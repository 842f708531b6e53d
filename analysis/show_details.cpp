#include "analysis/show_details.h"

#include "analysis/analysis_commands.h"
#include "analysis/numbered_label.h"
#include "analysis/prerequisites.h"
#include "analysis/stability.h"
#include "model/messages.h"
#include "model/model_state.h"
#include "present/tables/result_tables.h"
#include "present/tables/table_kinds.h"

#include <cmath>
#include <string>

namespace korvel {

namespace {

Label label(const std::string& text) {
    Label result;
    result.assign(text);
    return result;
}

// A stage row's total includes the outflows: the people in the stage at the start of the period.
void addTotals(int n) {
    for (int i = 1; i <= n + 1; ++i) {
        float total = 0.0f;
        for (int j = 1; j <= n + 1; ++j) total += RESULT_TABLE(i, j);
        RESULT_TABLE(i, n + 2) = total;
    }
    for (int j = 1; j <= n + 1; ++j) {
        float total = 0.0f;
        for (int i = 1; i <= n + 1; ++i) total += RESULT_TABLE(i, j);
        RESULT_TABLE(n + 2, j) = total;
    }
}

// Both tables need n + 2 columns.
bool tablesFit(int n) {
    if (n <= MAX_DETAILS_STAGES) return true;
    SHOW_MESSAGE(" The tables of more than 53 stages cannot be shown. ", " Too many stages", MB_EXCLAMATION);
    return false;
}

// A stop before P is formed: the message names the stage.
void refuse(const std::string& before_stage, int stage, const std::string& after_stage, const std::string& caption) {
    SHOW_MESSAGE(before_stage + std::to_string(stage) + after_stage, caption, MB_EXCLAMATION);
}

bool everyStageHasPeople(int n) {
    const int stage = STAGE_WITHOUT_PEOPLE(n);
    if (stage == 0) return true;
    refuse(" The row total of stage ", stage, " is zero: matrix P cannot be formed. ", " Zero row total");
    return false;
}

// Counts too large for 32-bit reals overflow their totals; such a table is not shown, and no P
// is derived from it.
bool countsTotalsAreFinite(int n) {
    for (int i = 1; i <= n; ++i)
        if (!std::isfinite(RESULT_TABLE(i, n + 2))) {
            refuse(" The row total of stage ", i, " is not finite: matrix P cannot be formed. ", " Row total not finite");
            return false;
        }
    for (int j = 1; j <= n; ++j)
        if (!std::isfinite(RESULT_TABLE(n + 2, j))) {
            refuse(" The column total of stage ", j, " is not finite: matrix P cannot be formed. ",
                   " Column total not finite");
            return false;
        }
    return true;
}

// Shows X; false when P cannot be derived from it.
bool showCounts(int n) {
    FILL_COUNTS_TABLE(n);
    if (!countsTotalsAreFinite(n)) return false;
    PRINTNNN(n + 2, n + 2, INITIAL_DATA_TABLE, false, COLUMN_LABELS);
    return everyStageHasPeople(n);
}

// A row total that is tiny but not zero makes P infinite; nothing that is not finite may reach
// the tables or the eigen-solver.
bool transitionIsFinite(int n, const TransitionMatrix& p) {
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j)
            if (!std::isfinite(p(i, j))) {
                refuse(" Matrix P is not finite in the row of stage ", i, ": its row total is too near zero. ",
                       " Matrix P not finite");
                return false;
            }
        if (!std::isfinite(WASTAGE_PROPORTION(n, p, i))) {
            refuse(" The vector w* is not finite for stage ", i, ": matrix P cannot be formed. ", " Vector w* not finite");
            return false;
        }
    }
    return true;
}

}  // namespace

void LABEL_DETAILS_TABLE(int n) {
    RESULT_TABLE.fill(EMPTY_CELL);
    for (int k = 1; k <= MAX_ROWS; ++k) ROW_NUMBERS(k) = k;
    for (int i = 1; i <= n; ++i) ROW_LABELS(i) = NUMBERED_LABEL("Row_", i);
    ROW_LABELS(n + 1) = label("Initial cond.");
    ROW_LABELS(n + 2) = label("Inflows");
    for (int j = 1; j <= n; ++j) COLUMN_LABELS(j) = NUMBERED_LABEL("   Column", j);
}

void FILL_COUNTS_TABLE(int n) {
    COLUMN_LABELS(n + 1) = label("Outflows");
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j) RESULT_TABLE(i, j) = MATRIX_X(i, j);
        RESULT_TABLE(i, n + 1) = OUTFLOWS(i);
    }
    ROW_LABELS(n + 1) = label("Inflows");
    for (int j = 1; j <= n; ++j) RESULT_TABLE(n + 1, j) = INFLOWS(j);
    addTotals(n);
    ROW_LABELS(n + 2) = label("Total");
    COLUMN_LABELS(n + 2) = label("Total");
    for (int i = n + 1; i <= n + 2; ++i)
        for (int j = n + 1; j <= n + 2; ++j) RESULT_TABLE(i, j) = EMPTY_CELL;
}

int STAGE_WITHOUT_PEOPLE(int n) {
    for (int i = 1; i <= n; ++i)
        if (RESULT_TABLE(i, n + 2) == 0.0f) return i;
    return 0;
}

void DERIVE_P_FROM_COUNTS(int n, TransitionMatrix& p) {
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j) p(i, j) = MATRIX_X(i, j) / RESULT_TABLE(i, n + 2);
}

float WASTAGE_PROPORTION(int n, const TransitionMatrix& p, int i) {
    float w = 1.0f;
    for (int j = 1; j <= n; ++j) w -= p(i, j);
    return w;
}

void FILL_P_TABLE(int n) {
    COLUMN_LABELS(n + 1) = label("  Vector w*");
    COLUMN_LABELS(n + 2) = label(" Totals");
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j) {
            RESULT_TABLE(i, j) = MATRIX_X(i, j);
            MATRIX_P(i, j) = MATRIX_X(i, j);
        }
    for (int j = 1; j <= n; ++j) {
        RESULT_TABLE(n + 1, j) = INITIAL_STOCKS(j);
        RESULT_TABLE(n + 2, j) = INFLOWS(j);
    }
    for (int i = 1; i <= n; ++i) {
        const float w = W_STAR(n, i);
        OUTFLOWS(i) = w;
        RESULT_TABLE(i, n + 1) = w;
        // Rounded, a sound row shows 1 whatever its w*.
        float total = 0.0f;
        for (int j = 1; j <= n + 1; ++j) total += RESULT_TABLE(i, j);
        RESULT_TABLE(i, n + 2) = std::round(total);
    }
}

float W_STAR(int n, int i) {
    float w = 1.0f;
    for (int j = 1; j <= n; ++j) w -= MATRIX_X(i, j);
    return w;
}

void NAME_SERIES(int n) {
    for (int j = 1; j <= n; ++j) {
        X_SERIES_NAMES(j) = NUMBERED_LABEL("    x_", j);
        W_SERIES_NAMES(j) = NUMBERED_LABEL("    w_", j);
    }
    X_SERIES_NAMES(n + 1) = label("   Total");
    W_SERIES_NAMES(n + 1) = label("   Total");
}

void SHOWDATA(bool) {
    if (!DATA_ARE_READ()) return;
    const int n = STAGE_COUNT;
    if (!tablesFit(n)) return;
    LABEL_DETAILS_TABLE(n);

    // Form P; the model changes only once P and w* are known to be finite.
    static TransitionMatrix p;
    if (X_HOLDS_P) {
        for (int i = 1; i <= n; ++i)
            for (int j = 1; j <= n; ++j) p(i, j) = MATRIX_X(i, j);
    } else {
        if (!showCounts(n)) return;
        DERIVE_P_FROM_COUNTS(n, p);
    }
    if (!transitionIsFinite(n, p)) return;
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j) MATRIX_X(i, j) = p(i, j);
    X_HOLDS_P = true;

    FILL_P_TABLE(n);
    PRINTNNN(n + 2, P_FROM_FILE ? n + 2 : n, TRANSITION_MATRIX_TABLE, false, COLUMN_LABELS);

    // Stability of P
    int lda = n, ldevec = n, order = n;
    EIGEN(lda, ldevec, order);

    NAME_SERIES(n);
    CONTROL_SOLVED = false;
}

}  // namespace korvel
