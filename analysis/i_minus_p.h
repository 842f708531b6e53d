#pragma once
// The matrix [I - P] of the current model, its inverse and the steady state n* = r [I - P]^-1.

#include "model/model_state.h"

namespace korvel {

extern Matrix<float, MAX_STAGES, MAX_STAGES> I_MINUS_P;          // n x n used
extern Matrix<float, MAX_STAGES, MAX_STAGES> I_MINUS_P_INVERSE;  // n x n used; 0 when not inverted

// Forms [I - P] from P in MATRIX_X and inverts it. Unless `no_steady_state`, fills steady_state
// with the sum over j of rnd(INFLOWS(j) x inverse(j, i)); a failed inversion sets
// I_MINUS_P_SINGULAR and leaves steady_state as it was.
void GETMATRIXIMA(int n, Vector<float, MAX_STAGES>& steady_state, bool no_steady_state);

}  // namespace korvel
