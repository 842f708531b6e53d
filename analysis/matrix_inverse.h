#pragma once
// The inverse of a double-precision matrix by Gauss-Jordan elimination without row exchanges,
// its two working matrices kept row by row in the direct-access working file XINVF.

#include "base/fixed_array.h"

namespace korvel {

// Row buffers limit the order.
inline constexpr int MATINV_MAX_ORDER = 400;

// Outcomes in `ierr`.
inline constexpr int MATINV_INVERTED = 1;
inline constexpr int MATINV_SINGULAR = 0;          // a zero pivot
inline constexpr int MATINV_FILE_FAILED = -1;      // XINVF could not be made
inline constexpr int MATINV_NO_CORRECT_DIGIT = 2;  // singular within the rounding of the data

// The relative rounding of the values a matrix was formed from: 32-bit or 64-bit reals.
inline constexpr double SINGLE_ROUNDING = 0x1p-24;
inline constexpr double DOUBLE_ROUNDING = 0x1p-53;

// `a` holds lda rows of ncol values each, row by row; its leading n x n part, formed from
// values of relative rounding `rounding`, is inverted in place when `ierr` is MATINV_INVERTED.
// Values with a relative error of `rounding` can give an inverse off by κ = ‖A‖₁ ‖A⁻¹‖₁ times
// that: from κ · rounding = 1 on no digit of it is known, and a finite matrix is then taken as
// singular (MATINV_NO_CORRECT_DIGIT). A tiny pivot that is not exactly zero gives such an
// inverse: the rows of a closed system's P that sum to 1 only up to their rounding.
// On MATINV_NO_CORRECT_DIGIT it holds the computed inverse, for a caller that reports its
// condition; otherwise it is left unchanged. A working file that fails is reported in a message
// box; a singular matrix only through `ierr`.
void MATINV(double* a, int n, int& ierr, int lda, int ncol, double rounding);

template <int ROWS, int COLUMNS>
void MATINV(Matrix<double, ROWS, COLUMNS>& a, int n, int& ierr, double rounding) {
    MATINV(&a(1, 1), n, ierr, ROWS, COLUMNS, rounding);
}

// The 2n working rows of one inversion, n values each: rhs[i] the rows of the right-hand side
// (the identity at the start, the inverse at the end), reduced[i] those of the matrix being
// reduced. MATINV keeps them in XINVF; the elimination does not mind where they are.
struct WORKING_ROWS {
    double* const* rhs;
    double* const* reduced;
};

// MATINV's elimination on working rows held by the caller: returns MATINV_INVERTED,
// MATINV_SINGULAR or MATINV_NO_CORRECT_DIGIT and leaves `a` as MATINV does.
int GAUSS_JORDAN(double* a, int n, int ncol, const WORKING_ROWS& rows, double rounding);

// ‖A‖₁ of the leading n x n part of `a`, ncol values a row; not a number wins, so a broken
// matrix is never taken for a well-conditioned one.
double ONE_NORM(const double* a, int n, int ncol);

}  // namespace korvel
