#include "analysis/matrix_inverse.h"

#include "analysis/record_file.h"
#include "model/messages.h"
#include "present/window/window_records.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <vector>

namespace korvel {

namespace {

double& element(double* a, int ncol, int i, int j) { return a[(i - 1) * ncol + (j - 1)]; }

// The identity on the right-hand side, the matrix in the rows to reduce.
void writeStart(const double* a, int n, int ncol, const WORKING_ROWS& rows) {
    for (int i = 1; i <= n; ++i) {
        double* rhs = rows.rhs[i - 1];
        double* reduced = rows.reduced[i - 1];
        std::fill_n(rhs, n, 0.0);
        rhs[i - 1] = 1.0;
        std::copy_n(a + (i - 1) * ncol, n, reduced);
    }
}

// Subtracts f times the pivot rows from row i of both matrices, f = Ai(k), so that column k of
// the reduced matrix is zero outside row k.
void eliminate(int n, int k, const double* ak, const double* ik, double* ai, double* ii) {
    const double f = ai[k - 1];
    for (int j = 0; j < n; ++j) {
        ai[j] = ai[j] - f * ak[j];
        ii[j] = ii[j] - f * ik[j];
    }
}

// Reduces column by column; returns MATINV_SINGULAR at the first pivot that is exactly zero.
int reduce(int n, const WORKING_ROWS& rows) {
    for (int k = 1; k <= n; ++k) {
        double* ak = rows.reduced[k - 1];
        double* ik = rows.rhs[k - 1];
        const double pivot = ak[k - 1];
        if (pivot == 0.0) return MATINV_SINGULAR;
        for (int j = 0; j < n; ++j) {
            ak[j] = ak[j] / pivot;
            ik[j] = ik[j] / pivot;
        }
        for (int i = 1; i <= n; ++i)
            if (i != k) eliminate(n, k, ak, ik, rows.reduced[i - 1], rows.rhs[i - 1]);
    }
    return MATINV_INVERTED;
}

// A matrix that is not finite has no condition to judge: its callers refuse what it gives.
bool hasNoCorrectDigit(double norm, double inverse_norm, double rounding) {
    return std::isfinite(norm) && !(norm * inverse_norm * rounding < 1.0);
}

}  // namespace

double ONE_NORM(const double* a, int n, int ncol) {
    double largest = 0.0;
    for (int j = 1; j <= n; ++j) {
        double sum = 0.0;
        for (int i = 1; i <= n; ++i) sum += std::abs(a[(i - 1) * ncol + (j - 1)]);
        if (!(sum <= largest)) largest = sum;
    }
    return largest;
}

int GAUSS_JORDAN(double* a, int n, int ncol, const WORKING_ROWS& rows, double rounding) {
    const double norm = ONE_NORM(a, n, ncol);
    writeStart(a, n, ncol, rows);
    const int outcome = reduce(n, rows);
    if (outcome != MATINV_INVERTED) return outcome;
    for (int i = 1; i <= n; ++i) std::copy_n(rows.rhs[i - 1], n, &element(a, ncol, i, 1));
    return hasNoCorrectDigit(norm, ONE_NORM(a, n, ncol), rounding) ? MATINV_NO_CORRECT_DIGIT : MATINV_INVERTED;
}

void MATINV(double* a, int n, int& ierr, int lda, int ncol, double rounding) {
    assert(n >= 1 && n <= MATINV_MAX_ORDER && n <= lda && n <= ncol);
    // Records 1..n: the right-hand side; records n+1..2n: the matrix being reduced.
    RECORD_FILE xinvf;
    const RecordFileStatus made = OPEN_RECORD_FILE(xinvf, "XINVF", sizeof(double) * static_cast<size_t>(n), 2 * n);
    if (made != RecordFileStatus::Made) {
        ierr = MATINV_FILE_FAILED;
        SHOW_MESSAGE(made == RecordFileStatus::NotCreated
                         ? " The working file XINVF cannot be created: the matrix is not inverted. "
                         : " The working file XINVF cannot be written: the matrix is not inverted. ",
                     " Matrix inversion failed", MB_EXCLAMATION);
        return;
    }
    std::vector<double*> rhs(static_cast<size_t>(n)), reduced(static_cast<size_t>(n));
    for (int i = 1; i <= n; ++i) {
        rhs[static_cast<size_t>(i - 1)] = static_cast<double*>(RECORD_AT(xinvf, i));
        reduced[static_cast<size_t>(i - 1)] = static_cast<double*>(RECORD_AT(xinvf, n + i));
    }
    ierr = GAUSS_JORDAN(a, n, ncol, WORKING_ROWS{rhs.data(), reduced.data()}, rounding);
    DELETE_RECORD_FILE(xinvf);
}

}  // namespace korvel
