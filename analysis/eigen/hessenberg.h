#pragma once
// Reduction of rows and columns low..high to upper Hessenberg form by Householder similarity
// transformations, and the orthogonal matrix that accumulates them.

#include "analysis/eigen/work_arrays.h"

namespace korvel {

// Three vectors of the order of the matrix that the reduction works in.
struct HessenbergScratch {
    explicit HessenbergScratch(int n) : factors(n), reflector(n), products(n) {}
    WorkVector<double> factors;
    WorkVector<double> reflector;
    WorkVector<double> products;
};

// Overwrites `a` with its Hessenberg form (zeros stored below the subdiagonal) and `z` with the
// product of the transformations, so that the original `a` equals z · form · zᵀ.
void REDUCE_TO_HESSENBERG(WorkMatrix& a, int low, int high, WorkMatrix& z, HessenbergScratch& scratch);

}  // namespace korvel
