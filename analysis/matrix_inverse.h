#pragma once
// The inverse of a double-precision matrix by Gauss-Jordan elimination without row exchanges,
// its two working matrices kept row by row in the direct-access working file XINVF.

#include "base/fixed_array.h"

namespace korvel {

// Row buffers limit the order.
inline constexpr int MATINV_MAX_ORDER = 400;

// Outcomes in `ierr`.
inline constexpr int MATINV_INVERTED = 1;
inline constexpr int MATINV_SINGULAR = 0;       // a zero pivot
inline constexpr int MATINV_FILE_FAILED = -1;  // XINVF could not be made

// `a` holds lda rows of ncol values each, row by row; its leading n x n part is inverted in
// place when `ierr` is MATINV_INVERTED and left unchanged otherwise. A working file that fails
// is reported in a message box; a singular matrix only through `ierr`.
void MATINV(double* a, int n, int& ierr, int lda, int ncol);

template <int ROWS, int COLUMNS>
void MATINV(Matrix<double, ROWS, COLUMNS>& a, int n, int& ierr) {
    MATINV(&a(1, 1), n, ierr, ROWS, COLUMNS);
}

// The 2n working rows of one inversion, n values each: rhs[i] the rows of the right-hand side
// (the identity at the start, the inverse at the end), reduced[i] those of the matrix being
// reduced. MATINV keeps them in XINVF; the elimination does not mind where they are.
struct WORKING_ROWS {
    double* const* rhs;
    double* const* reduced;
};

// MATINV's elimination on working rows held by the caller: returns MATINV_INVERTED or
// MATINV_SINGULAR and leaves `a` as MATINV does.
int GAUSS_JORDAN(double* a, int n, int ncol, const WORKING_ROWS& rows);

}  // namespace korvel
