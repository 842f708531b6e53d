#include "analysis/eigen/argument_checks.h"
#include "analysis/eigen/eigen_ordering.h"
#include "analysis/eigen/eigen_solver.h"
#include "analysis/eigen/eigen_workspace.h"
#include "analysis/eigen/error_stack.h"
#include "analysis/eigen/hessenberg.h"
#include "analysis/eigen/machine_constants.h"
#include "analysis/eigen/preparation.h"
#include "analysis/eigen/schur_iteration.h"
#include "analysis/eigen/schur_vectors.h"

namespace korvel {

namespace {

// Copies the n x n matrix a (leading dimension lda) into the work matrix.
void DCRGRG(int n, const double* a, int lda, WorkMatrix& copy) {
    for (int j = 1; j <= n; ++j)
        for (int i = 1; i <= n; ++i) copy(i, j) = a[(i - 1) + static_cast<std::ptrdiff_t>(j - 1) * lda];
}

bool argumentsAreValid(int n, int lda, int ldevec) {
    return ORDER_IS_VALID(n) &&
           LEADING_DIMENSION_IS_VALID(lda, n, 2,
                                      "The argument LDA = %(I1).  The leading dimension of the matrix must be at least "
                                      "equal to the order of the matrix, N = %(I2).") &&
           LEADING_DIMENSION_IS_VALID(ldevec, n, 3,
                                      "The argument LDEVEC = %(I1).  The leading dimension of the eigenvector matrix "
                                      "must be at least equal to the order of the matrix, N = %(I2).");
}

void DE8CRG(int n, const double* a, int lda, ComplexDouble* eval, ComplexDouble* evec, int ldevec, EigenWorkspace& work) {
    const ErrorScope scope("DE8CRG");
    if (!argumentsAreValid(n, lda, ldevec)) return;
    const double epsilon = DMACH(4);
    const double smallest = DMACH(1);
    DCRGRG(n, a, lda, work.h);
    // Prepare: merge, isolate, drop, order by classes, scale
    const Preparation preparation = PREPARE_FOR_ITERATION(work.h, epsilon);
    const auto [low, high] = preparation.block;
    // Reduce to Hessenberg form
    REDUCE_TO_HESSENBERG(work.h, low, high, work.z, work.hessenberg);
    // Iterate to the quasi-triangular form
    if (REDUCE_TO_SCHUR_FORM(work.h, low, high, work.z, epsilon, work.form) != SchurStatus::Converged) return;
    // Eigenvectors, then back through the preparation
    COMPUTE_EIGENVECTORS(work.h, work.z, work.form, epsilon, smallest, work.solution, work.back_substitution, work.vectors);
    BACK_TRANSFORM_PREPARATION(preparation, work.vectors);
    // Sort, make complex, normalise
    ORDER_EIGENPAIRS(work.form, work.vectors, work.keys, work.sorted, work.order, eval, evec, ldevec);
}

}  // namespace

void DEVCRG(const int& n, const double* a, const int& lda, ComplexDouble* eval, ComplexDouble* evec, const int& ldevec) {
    const ErrorScope scope("DEVCRG");
    if (!ORDER_IS_VALID(n)) return;
    const auto work = OBTAIN_STORAGE<EigenWorkspace>(n);
    if (!work) {
        REPORT_STORAGE_FAILURE(n);
        return;
    }
    DE8CRG(n, a, lda, eval, evec, ldevec, *work);
}

}  // namespace korvel
