#include "analysis/projection_table.h"

#include "analysis/numbered_label.h"
#include "model/messages.h"
#include "present/graph/graph_commands.h"
#include "present/window/window_records.h"

#include <cmath>

namespace korvel {

namespace {

Label label(const char* text) {
    Label result;
    result.assign(text);
    return result;
}

bool missing(float value) { return value == MISSING_VALUE; }

// A total of the row's stocks is known only when every stock is.
float rowTotal(int n, int t) {
    float total = 0.0f;
    for (int k = 1; k <= n; ++k) {
        if (missing(RESULT_TABLE(t, 2 * k - 1))) return MISSING_VALUE;
        total += RESULT_TABLE(t, 2 * k - 1);
    }
    return total;
}

// part x 100 / whole, unknown when either is unknown or the whole is zero.
float percentage(float part, float whole) {
    if (missing(part) || missing(whole) || whole == 0.0f) return MISSING_VALUE;
    return part * 100.0f / whole;
}

// whole / start x 100, in that order of operations.
float growth(float whole, float start) {
    if (missing(whole) || missing(start) || start == 0.0f) return MISSING_VALUE;
    return whole / start * 100.0f;
}

}  // namespace

bool PROJECTION_TABLE_FITS(int n) {
    if (n <= MAX_PROJECTION_STAGES) return true;
    SHOW_MESSAGE(" The projections of more than 26 stages cannot be shown. ", " Too many stages", MB_EXCLAMATION);
    return false;
}

bool PROJECTION_IS_FINITE(int rows, int columns) {
    for (int t = 1; t <= rows; ++t)
        for (int k = 1; k <= columns; ++k)
            if (!std::isfinite(RESULT_TABLE(t, k))) {
                SHOW_MESSAGE(" The projected values go beyond the range of the numbers: the table cannot be shown. ",
                             " Projection not finite", MB_EXCLAMATION);
                return false;
            }
    return true;
}

void FILL_PROJECTION_COLUMNS(int n, int rows) {
    const int total = 2 * n + 1;
    for (int t = 1; t <= rows; ++t) RESULT_TABLE(t, total) = rowTotal(n, t);
    const float start = RESULT_TABLE(1, total);
    const float inflow = std::round(TOTAL_INFLOW);
    for (int t = 1; t <= rows; ++t) {
        for (int k = 1; k <= n; ++k) RESULT_TABLE(t, 2 * k) = percentage(RESULT_TABLE(t, 2 * k - 1), RESULT_TABLE(t, total));
        // Period 0 is 100 % of itself, when it has people at all.
        RESULT_TABLE(t, total + 1) = t == 1 && !missing(start) && start != 0.0f ? 100.0f : growth(RESULT_TABLE(t, total), start);
        RESULT_TABLE(t, total + 2) = inflow;
    }
}

void LABEL_PROJECTION_COLUMNS(int n, const char* inflows_label) {
    for (int k = 1; k <= n; ++k) {
        COLUMN_LABELS(2 * k - 1) = NUMBERED_LABEL("    x_", k);
        COLUMN_LABELS(2 * k) = label("Percent (%)");
    }
    COLUMN_LABELS(2 * n + 1) = label("Total");
    COLUMN_LABELS(2 * n + 2) = label("Percent (%)");
    COLUMN_LABELS(2 * n + 3) = label(inflows_label);
}

void KEEP_STOCK_SERIES(int n, int rows) {
    STOCK_SERIES.fill(0.0f);
    for (int t = 1; t <= rows; ++t)
        for (int k = 1; k <= n + 1; ++k) STOCK_SERIES(t, k) = RESULT_TABLE(t, 2 * k - 1);
}

void DRAW_PROJECTION_GRAPH(int n, int points, const Matrix<float, MAX_ROWS, MAX_STAGES>& series) {
    if (n > MAX_GRAPHED_STAGES) {
        SHOW_MESSAGE(" The graph of more than 11 stages cannot be drawn. ", " The graph is not going to be presented ",
                     MB_INFORMATION);
        return;
    }
    // The points that exist come first; the slots after them stay marked missing.
    GRAPH_VALUES.fill(MISSING_VALUE);
    for (int k = 1; k <= n + 1; ++k) {
        int kept = 0;
        for (int t = 1; t <= points; ++t)
            if (!missing(series(t, k))) GRAPH_VALUES(++kept, k) = series(t, k);
    }
    PLOTVARCALL0(n);
}

}  // namespace korvel
