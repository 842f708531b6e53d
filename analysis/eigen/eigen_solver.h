#pragma once
// The eigen-solver: all eigenvalues and eigenvectors of a real general matrix (DEVCRG), and a
// performance index of how well the pairs satisfy A x = λ x (DEPIRG). Matrices are stored
// column by column: element (i, j) of a matrix with leading dimension LD is [(i-1) + (j-1)·LD].
// Conditions are reported through the error machinery (error_stack.h); after a FATAL or
// TERMINAL one, SOLVER_STOPPED() is true and the results are not to be used.

#include <complex>

namespace korvel {

using ComplexDouble = std::complex<double>;

// Fills eval(1..n) sorted by decreasing modulus, a conjugate pair with its positive imaginary
// part first, and the columns of evec with the eigenvectors of unit length whose largest
// component is real and positive. `a` is not changed.
void DEVCRG(const int& n, const double* a, const int& lda, ComplexDouble* eval, ComplexDouble* evec, const int& ldevec);

// The largest of ‖A x - λ x‖₁ / ‖A‖₁ / ‖x‖₁ / 10 / ε / n over the first `neval` pairs: below 1
// is excellent, up to 100 good.
double DEPIRG(const int& n, const int& neval, const double* a, const int& lda, const ComplexDouble* eval,
              const ComplexDouble* evec, const int& ldevec);

}  // namespace korvel
