#pragma once
// The steps of "Sho&w details" (SHOWDATA), each on the shared model state and result table.

#include "base/fixed_array.h"
#include "model/model_state.h"

namespace korvel {

using TransitionMatrix = Matrix<float, MAX_STAGES, MAX_STAGES>;

// The tables of X and of P need n + 2 columns.
inline constexpr int MAX_DETAILS_STAGES = 53;

// Clears the result table, numbers its rows and writes the stage labels of rows and columns.
void LABEL_DETAILS_TABLE(int n);
// Matrix X with the outflows, the inflows, row and column totals and an empty 2 x 2 corner.
void FILL_COUNTS_TABLE(int n);
// The stage whose row total in the counts table is zero (the first), or 0 when there is none.
int STAGE_WITHOUT_PEOPLE(int n);
// P(i, j) = X(i, j) / T(i), into `p`.
void DERIVE_P_FROM_COUNTS(int n, TransitionMatrix& p);
// w*(i) = 1 - (P(i, 1) + ... + P(i, n)), subtracted in column order in single precision.
float WASTAGE_PROPORTION(int n, const TransitionMatrix& p, int i);
// P, the initial conditions and the inflows, w* (kept in OUTFLOWS) and the rounded row check
// totals; P is copied to MATRIX_P.
void FILL_P_TABLE(int n);
// w*(i) = 1 - P(i, 1) - ... - P(i, n) of the P held in MATRIX_X, subtracted in column order.
float W_STAR(int n, int i);
// The series names of the graphs.
void NAME_SERIES(int n);

}  // namespace korvel
