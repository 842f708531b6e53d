#include "analysis/eigen/argument_checks.h"
#include "analysis/eigen/eigen_solver.h"
#include "analysis/eigen/error_stack.h"
#include "analysis/eigen/machine_constants.h"
#include "analysis/eigen/work_arrays.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace korvel {

namespace {

constexpr double POOR_INDEX = 100.0;

double element(const double* a, int lda, int i, int j) { return a[(i - 1) + static_cast<std::ptrdiff_t>(j - 1) * lda]; }

double complexOneNorm(int n, const ComplexDouble* v) {
    double sum = 0.0;
    for (int k = 0; k < n; ++k) sum += std::abs(v[k].real()) + std::abs(v[k].imag());
    return sum;
}

// The largest column sum of magnitudes.
double matrixOneNorm(int n, const double* a, int lda) {
    double largest = 0.0;
    for (int j = 1; j <= n; ++j) {
        double sum = 0.0;
        for (int i = 1; i <= n; ++i) sum += std::abs(element(a, lda, i, j));
        largest = std::max(largest, sum);
    }
    return largest;
}

// residual = A x - λ x
void computeResidual(int n, const double* a, int lda, ComplexDouble lambda, const ComplexDouble* x,
                     std::vector<ComplexDouble>& residual) {
    for (int i = 0; i < n; ++i) residual[static_cast<std::size_t>(i)] = -lambda * x[i];
    for (int j = 1; j <= n; ++j) {
        const ComplexDouble xj = x[j - 1];
        for (int i = 1; i <= n; ++i) residual[static_cast<std::size_t>(i - 1)] += element(a, lda, i, j) * xj;
    }
}

bool argumentsAreValid(int n, int neval, int lda, int ldevec) {
    if (!ORDER_IS_VALID(n) ||
        !LEADING_DIMENSION_IS_VALID(lda, n, 2,
                                    "The argument LDA = %(I1).  The leading dimension of the matrix must be at least "
                                    "the order of the matrix, N = %(I2).") ||
        !LEADING_DIMENSION_IS_VALID(ldevec, n, 3,
                                    "The argument LDEVEC = %(I1).  The leading dimension of the eigenvector matrix "
                                    "must be at least the order of the matrix, N = %(I2)."))
        return false;
    if (neval < 1 || neval > n) {
        E1STI(1, neval);
        E1STI(2, n);
        E1MES(TERMINAL, 4,
              "The argument NEVAL = %(I1).  The number of eigenvalue/eigenvector pairs on which the calculation of "
              "the performance index is based must be greater than 0 and less than or equal to N = %(I2).");
        return false;
    }
    return true;
}

double DE2IRG(int n, int neval, const double* a, int lda, const ComplexDouble* eval, const ComplexDouble* evec,
              int ldevec, std::vector<ComplexDouble>& residual) {
    const ErrorScope scope("DE2IRG");
    if (!argumentsAreValid(n, neval, lda, ldevec)) return 0.0;
    const double epsilon = DMACH(4);
    const double largest = DMACH(2);
    const double a_norm = matrixOneNorm(n, a, lda);
    if (a_norm == 0.0) {
        E1MES(WARNING, 3, "The argument matrix A is zero.");
        return largest;
    }
    double index = 0.0;
    for (int j = 1; j <= neval; ++j) {
        const ComplexDouble* x = COLUMN_OF(evec, ldevec, j);
        const double x_norm = complexOneNorm(n, x);
        if (x_norm == 0.0) {
            E1STI(1, j);
            E1MES(WARNING, 2, "Eigenvector number %(I1) is zero.");
            return largest;
        }
        computeResidual(n, a, lda, eval[j - 1], x, residual);
        const double pair_index = complexOneNorm(n, residual.data()) / a_norm / x_norm / 10.0 / epsilon / n;
        index = std::max(index, pair_index);
    }
    if (index > POOR_INDEX) {
        E1STD(1, index);
        E1MES(WARNING, 1, "The performance index = %(D1).  A value greater than 100 is considered poor.");
    }
    return index;
}

}  // namespace

double DEPIRG(const int& n, const int& neval, const double* a, const int& lda, const ComplexDouble* eval,
              const ComplexDouble* evec, const int& ldevec) {
    const ErrorScope scope("DEPIRG");
    if (!ORDER_IS_VALID(n)) return 0.0;
    const auto residual = OBTAIN_STORAGE<std::vector<ComplexDouble>>(static_cast<std::size_t>(n));
    if (!residual) {
        REPORT_STORAGE_FAILURE(n);
        return 0.0;
    }
    return DE2IRG(n, neval, a, lda, eval, evec, ldevec, *residual);
}

}  // namespace korvel
