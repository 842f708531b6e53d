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

bool everyStageHasPeople(int n) {
    const int stage = STAGE_WITHOUT_PEOPLE(n);
    if (stage == 0) return true;
    SHOW_MESSAGE(" The row total of stage " + std::to_string(stage) + " is zero: matrix P cannot be formed. ",
                 " Zero row total", MB_EXCLAMATION);
    return false;
}

// Shows X and derives P from it; false when P cannot be formed, leaving the model unchanged.
bool convertCounts(int n) {
    FILL_COUNTS_TABLE(n);
    PRINTNNN(n + 2, n + 2, INITIAL_DATA_TABLE, false, COLUMN_LABELS);
    if (!everyStageHasPeople(n)) return false;
    DERIVE_P_FROM_COUNTS(n);
    X_HOLDS_P = true;
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

void DERIVE_P_FROM_COUNTS(int n) {
    static Matrix<float, MAX_STAGES, MAX_STAGES> p;
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j) p(i, j) = MATRIX_X(i, j) / RESULT_TABLE(i, n + 2);
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j) MATRIX_X(i, j) = p(i, j);
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
    if (!X_HOLDS_P && !convertCounts(n)) return;
    FILL_P_TABLE(n);
    PRINTNNN(n + 2, P_FROM_FILE ? n + 2 : n, TRANSITION_MATRIX_TABLE, false, COLUMN_LABELS);

    // Stability of P
    int lda = n, ldevec = n, order = n;
    EIGEN(lda, ldevec, order);

    NAME_SERIES(n);
    CONTROL_SOLVED = false;
}

}  // namespace korvel
