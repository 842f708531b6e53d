#pragma once
// The working storage of one DEVCRG call, obtained at its start and released on its return.

#include "analysis/eigen/hessenberg.h"
#include "analysis/eigen/schur_iteration.h"
#include "analysis/eigen/schur_vectors.h"
#include "analysis/eigen/work_arrays.h"

namespace korvel {

struct EigenWorkspace {
    explicit EigenWorkspace(int n);
    WorkMatrix h;          // the matrix, then its Hessenberg and quasi-triangular forms
    WorkMatrix z;          // the accumulated transformations
    WorkMatrix solution;   // the eigenvectors of the quasi-triangular form
    WorkMatrix vectors;    // the eigenvectors of the matrix, in real form
    HessenbergScratch hessenberg;
    BackSubstitutionScratch back_substitution;
    SchurForm form;
    WorkVector<double> keys;
    WorkVector<double> sorted;
    WorkVector<int> order;
};

}  // namespace korvel
