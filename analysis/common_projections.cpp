// "&Common projections": the stocks of every stage over the horizon of the open model,
// n(t) = n(t-1) P + r, with the steady state they approach, the percentages, the growth of the
// total and the total inflow, then the graphs the user has asked for.

#include "analysis/analysis_commands.h"
#include "analysis/i_minus_p.h"
#include "analysis/prerequisites.h"
#include "analysis/projection_table.h"
#include "analysis/show_details.h"
#include "model/model_state.h"
#include "present/tables/result_tables.h"
#include "present/tables/table_kinds.h"

#include <cmath>

namespace korvel {

namespace {

// Rows 1..T+1 are periods 0..T; the last row is the steady state.
void numberRows(int periods) {
    for (int t = 1; t <= periods + 2; ++t) ROW_NUMBERS(t) = t - 1;
    ROW_NUMBERS(periods + 2) = STEADY_STATE_ROW;
}

// Without an inverse of [I - P] the steady state is not known: its row shows the missing mark
// rather than what an earlier model left in STEADY_STATE.
void addSteadyState(int n, int row) {
    for (int k = 1; k <= n; ++k) RESULT_TABLE(row, 2 * k - 1) = I_MINUS_P_SINGULAR ? MISSING_VALUE : STEADY_STATE(k);
}

// The stocks with their total, and the outflows they give, w*(k) of stage k's stock. w* is
// formed from P here: a file that gave P may be projected before the details have been shown,
// and then OUTFLOWS holds no w*.
void fillSeries(int n, int rows) {
    KEEP_STOCK_SERIES(n, rows);
    OUTFLOW_SERIES.fill(0.0f);
    for (int t = 1; t <= rows; ++t) {
        bool known = true;
        float total = 0.0f;
        for (int k = 1; k <= n; ++k) {
            const float stock = STOCK_SERIES(t, k);
            known = known && stock != MISSING_VALUE;
            OUTFLOW_SERIES(t, k) = stock == MISSING_VALUE ? MISSING_VALUE : std::round(stock * W_STAR(n, k));
            if (known) total += OUTFLOW_SERIES(t, k);
        }
        OUTFLOW_SERIES(t, n + 1) = known ? total : MISSING_VALUE;
    }
}

// Each requested graph is drawn once and its request cleared before the next, so the outflow
// graph offers the outflow series. A pending request for the fixed-size graph is held back
// meanwhile: it would cut these graphs' steady state and name their series as stocks.
void drawRequestedGraphs(int n, int rows) {
    const Logical fixed_size_request = Q_GRAPH_MODE;
    Q_GRAPH_MODE = false;
    if (STOCK_GRAPH_REQUESTED) {
        DRAW_PROJECTION_GRAPH(n, rows, STOCK_SERIES);
        STOCK_GRAPH_REQUESTED = false;
    }
    if (OUTFLOW_GRAPH_REQUESTED) {
        DRAW_PROJECTION_GRAPH(n, rows, OUTFLOW_SERIES);
        OUTFLOW_GRAPH_REQUESTED = false;
    }
    Q_GRAPH_MODE = fixed_size_request;
}

}  // namespace

void COMPUTE_PROJECTIONS_T(bool) {
    if (!DATA_ARE_READ() || !P_IS_FORMED()) return;
    const int n = STAGE_COUNT;
    const int periods = PERIOD_COUNT;
    if (!PROJECTION_TABLE_FITS(n)) return;
    const int rows = periods + 2;

    // Steady state
    GETMATRIXIMA(n, STEADY_STATE, false);
    numberRows(periods);

    // Projection, then the steady state under it
    PROJECT_STOCKS(n, periods, MATRIX_X, true);
    addSteadyState(n, rows);
    FILL_PROJECTION_COLUMNS(n, rows);
    LABEL_PROJECTION_COLUMNS(n, "Tot. inflows");

    if (!PROJECTION_IS_FINITE(rows, 2 * n + 3)) return;
    fillSeries(n, rows);
    PRINTNNN(2 * n + 3, rows, PROJECTIONS_TABLE, false, COLUMN_LABELS);
    drawRequestedGraphs(n, rows);
}

}  // namespace korvel
