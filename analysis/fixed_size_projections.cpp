// "&Fixed-size projections (matrix Q)": an organisation of constant size, where everyone who
// leaves stage i is replaced at once by recruits spread over the stages in the proportions of
// the inflows. Its transitions are Q = P + w* r; the stocks move by Q alone.

#include "analysis/analysis_commands.h"
#include "analysis/numbered_label.h"
#include "analysis/projection_table.h"
#include "analysis/show_details.h"
#include "model/messages.h"
#include "model/model_state.h"
#include "present/tables/result_tables.h"
#include "present/tables/table_kinds.h"
#include "present/window/window_records.h"

namespace korvel {

namespace {

// This command speaks Greek in its prerequisites.
bool dataAreRead() {
    if (DATA_READ) return true;
    SHOW_MESSAGE(" Προηγείται η ανάγνωση των δεδομένων. ", " Δεν διαβάστηκαν τα δεδομένα ", MB_EXCLAMATION);
    return false;
}

bool pIsFormed() {
    if (X_HOLDS_P) return true;
    SHOW_MESSAGE(" Προηγείται ο υπολογισμός της μήτρας Α των συντελεστών. ",
                 " Εμφάνισε τα δεδομένα για τον υπολογισμό της μήτρας Α ", MB_INFORMATION);
    return false;
}

// Without any recruits there is nothing to spread the leavers' places over.
bool someoneIsRecruited() {
    if (TOTAL_INFLOW != 0.0f) return true;
    SHOW_MESSAGE(" All inflows are zero: the recruits cannot be distributed over the stages. ", " No recruits",
                 MB_EXCLAMATION);
    return false;
}

// r(j) = inflows(j) / total inflow, and Q(i, j) = P(i, j) + w*(i) r(j). P and w* are taken
// from the P in MATRIX_X, not from MATRIX_P and OUTFLOWS: a file that gave P may be projected
// before the details have been shown, and then those hold another model's values or none.
void formQ(int n) {
    static Matrix<float, MAX_STAGES, MAX_STAGES> replacements;
    for (int j = 1; j <= n; ++j) RECRUIT_DISTRIBUTION(j) = INFLOWS(j) / TOTAL_INFLOW;
    replacements.fill(0.0f);
    for (int i = 1; i <= n; ++i) {
        const float w = W_STAR(n, i);
        for (int j = 1; j <= n; ++j) replacements(i, j) = w * RECRUIT_DISTRIBUTION(j);
    }
    MATRIX_Q.fill(0.0f);
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j) MATRIX_Q(i, j) = MATRIX_X(i, j) + replacements(i, j);
}

// A recruit share beyond the range of 32-bit reals (a total inflow near zero) leaves Q not finite.
bool Q_IS_FINITE(int n) {
    RESULT_TABLE.fill(0.0f);
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j) RESULT_TABLE(i, j) = MATRIX_Q(i, j);
    return PROJECTION_IS_FINITE(n, n);
}

void showQ(int n) {
    RESULT_TABLE.fill(0.0f);
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j) RESULT_TABLE(i, j) = MATRIX_Q(i, j);
        ROW_NUMBERS(i) = i;
        ROW_LABELS(i) = NUMBERED_LABEL("Row_", i);
        COLUMN_LABELS(i) = NUMBERED_LABEL("   Column", i);
    }
    PRINTNNN(n, n, MATRIX_Q_TABLE, false, COLUMN_LABELS);
}

void drawRequestedGraph(int n, int rows) {
    KEEP_STOCK_SERIES(n, rows);
    DRAW_PROJECTION_GRAPH(n, rows, STOCK_SERIES);
    Q_GRAPH_MODE = false;
}

}  // namespace

void COMPUTE_PROJECTIONS_Q(bool) {
    if (!dataAreRead() || !pIsFormed()) return;
    const int n = STAGE_COUNT;
    const int periods = PERIOD_COUNT;
    if (!PROJECTION_TABLE_FITS(n) || !someoneIsRecruited()) return;
    const int rows = periods + 1;

    formQ(n);
    if (!Q_IS_FINITE(n)) return;
    showQ(n);

    // Projection by Q: no recruits are added, so the total stays that of period 0.
    for (int t = 1; t <= rows; ++t) ROW_NUMBERS(t) = t - 1;
    PROJECT_STOCKS(n, periods, MATRIX_Q, false);
    FILL_PROJECTION_COLUMNS(n, rows);
    LABEL_PROJECTION_COLUMNS(n, "Total inflows");
    if (!PROJECTION_IS_FINITE(rows, 2 * n + 3)) return;
    PRINTNNN(2 * n + 2, rows, PROJECTIONS_TABLE, false, COLUMN_LABELS);

    if (Q_GRAPH_MODE) drawRequestedGraph(n, rows);
}

}  // namespace korvel
