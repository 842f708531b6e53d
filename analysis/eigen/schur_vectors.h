#pragma once
// Eigenvectors of the quasi-triangular form by back-substitution, carried back through the
// accumulated transformations.

#include "analysis/eigen/schur_iteration.h"
#include "analysis/eigen/work_arrays.h"

#include <complex>

namespace korvel {

// Vectors of the order of the matrix that the back-substitution works in.
struct BackSubstitutionScratch {
    explicit BackSubstitutionScratch(int n) : real_vector(n), real_rest(n), complex_vector(n), complex_rest(n) {}
    WorkVector<double> real_vector;
    WorkVector<double> real_rest;
    WorkVector<std::complex<double>> complex_vector;
    WorkVector<std::complex<double>> complex_rest;
};

// Column j of `vectors` becomes the eigenvector of root j of `form`, in real form: for a
// complex pair in columns j, j+1 the vector of the root with positive imaginary part is
// column j + i column j+1. `t` is the quasi-triangular form, `z` the accumulated
// transformations; `solution` is working storage of the same order.
void COMPUTE_EIGENVECTORS(const WorkMatrix& t, const WorkMatrix& z, const SchurForm& form, double epsilon,
                          double smallest, WorkMatrix& solution, BackSubstitutionScratch& scratch, WorkMatrix& vectors);

}  // namespace korvel
