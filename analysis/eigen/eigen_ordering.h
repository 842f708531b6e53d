#pragma once
// The last steps of the solver: the roots sorted by decreasing modulus, the vectors made
// complex, of unit length, each pair with its positive imaginary part first and each vector
// turned so that its largest component is real and positive.

#include "analysis/eigen/schur_iteration.h"
#include "analysis/eigen/work_arrays.h"

#include <complex>

namespace korvel {

// Sorts ra(1..n) ascending into rb, stably, and permutes iperm alike: on return
// rb(k) = ra(iperm(k)) when iperm held 1..n on entry.
void DSVRGP(int n, const double* ra, double* rb, int* iperm);

// Fills eval and evec (leading dimension ldevec) from the roots of `form` and the real
// vectors in the form COMPUTE_EIGENVECTORS gives them. `keys`, `sorted` and `order` are
// working storage.
void ORDER_EIGENPAIRS(const SchurForm& form, const WorkMatrix& vectors, WorkVector<double>& keys,
                      WorkVector<double>& sorted, WorkVector<int>& order, std::complex<double>* eval,
                      std::complex<double>* evec, int ldevec);

// Steps that stand alone on a finished set of pairs: the positive imaginary part first in each
// adjacent conjugate pair, then unit length and the largest component real and positive.
void ORDER_CONJUGATE_PAIRS(int n, std::complex<double>* eval, std::complex<double>* evec, int ldevec);
void NORMALISE_EIGENVECTORS(int n, std::complex<double>* evec, int ldevec);

}  // namespace korvel
