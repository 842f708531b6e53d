#pragma once

namespace korvel {

// Computes the characteristic roots of MATRIX_P, shows them and the stability verdict.
// `lda` and `ldevec` are the leading dimensions of the work matrices; all three are N.
void EIGEN(int& lda, int& ldevec, int& n);

// The performance index of the roots of the last EIGEN run; kept, not shown.
extern double PERFORMANCE_INDEX;

}  // namespace korvel
