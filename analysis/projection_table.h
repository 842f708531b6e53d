#pragma once
// What the common and the fixed-size projections share: the projection of the stocks, the
// table of stocks with their percentages, totals and growth, its labels, and the graph of a
// series of it.
//
// The table's row t is period t - 1. Stage k's stock stands in column 2k - 1 and its share of
// the period's total in column 2k; column 2N + 1 holds the total, 2N + 2 the total as a
// percentage of period 0's and 2N + 3 the total inflow.

#include "model/model_state.h"

#include <cmath>

namespace korvel {

// The table fills 2N + 3 of the result table's columns.
inline constexpr int MAX_PROJECTION_STAGES = (MAX_STAGES - 3) / 2;
// A graph holds the stages and their total.
inline constexpr int MAX_GRAPHED_STAGES = MAX_GRAPH_SERIES - 1;

// Refuses, with a message, a model too large for the projection table.
bool PROJECTION_TABLE_FITS(int n);

// Refuses, with a message, a table of `rows` x `columns` of RESULT_TABLE holding a cell that is
// not finite: stocks or recruit shares beyond the range of 32-bit reals.
bool PROJECTION_IS_FINITE(int rows, int columns);

// Clears the result table, then writes the stocks of periods 0..periods, each rounded to whole
// persons, in rows 1..periods + 1: S = n(0), then S = S M (+ r) period by period. The unrounded
// S carries on from period to period.
template <typename TransitionMatrix>
void PROJECT_STOCKS(int n, int periods, const TransitionMatrix& m, bool recruits) {
    static Vector<float, MAX_STAGES> s;
    static Vector<float, MAX_STAGES> next;
    RESULT_TABLE.fill(0.0f);
    for (int j = 1; j <= n; ++j) {
        s(j) = INITIAL_STOCKS(j);
        RESULT_TABLE(1, 2 * j - 1) = std::round(s(j));
    }
    for (int t = 1; t <= periods; ++t) {
        for (int j = 1; j <= n; ++j) {
            float sum = 0.0f;
            for (int i = 1; i <= n; ++i) sum += s(i) * m(i, j);
            next(j) = recruits ? sum + INFLOWS(j) : sum;
        }
        for (int j = 1; j <= n; ++j) {
            s(j) = next(j);
            RESULT_TABLE(t + 1, 2 * j - 1) = std::round(s(j));
        }
    }
}

// From the stocks of rows 1..rows: the totals, the percentages, the growth of the total and the
// rounded total inflow. A value that cannot be known (a missing stock, a share of a zero total)
// is written as MISSING_VALUE.
void FILL_PROJECTION_COLUMNS(int n, int rows);

// The column labels of the projection table; the total inflow's column gets `inflows_label`.
void LABEL_PROJECTION_COLUMNS(int n, const char* inflows_label);

// STOCK_SERIES from the table: the stocks of stage k (k = 1..N) and the total (k = N + 1) in
// rows 1..rows, zero elsewhere.
void KEEP_STOCK_SERIES(int n, int rows);

// Draws the graph of series 1..N + 1 of `series` (points 1..points) through PLOTVARCALL0, the
// missing values left out; refused with a message when N is above MAX_GRAPHED_STAGES.
void DRAW_PROJECTION_GRAPH(int n, int points, const Matrix<float, MAX_ROWS, MAX_STAGES>& series);

}  // namespace korvel
