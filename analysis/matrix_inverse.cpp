#include "analysis/matrix_inverse.h"

#include "analysis/record_file.h"
#include "model/messages.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <vector>

namespace korvel {

namespace {

using Row = std::array<double, MATINV_MAX_ORDER>;

struct Elimination {
    RECORD_FILE file;
    int n = 0;
    // Records 1..n: the right-hand side, rows of the identity at the start and of the inverse
    // at the end; records n+1..2n: the rows of the matrix being reduced.
    bool readRhs(int i, Row& row) { return READ_RECORD(file, i, row.data()); }
    bool writeRhs(int i, const Row& row) { return WRITE_RECORD(file, i, row.data()); }
    bool readReduced(int i, Row& row) { return READ_RECORD(file, n + i, row.data()); }
    bool writeReduced(int i, const Row& row) { return WRITE_RECORD(file, n + i, row.data()); }
};

double& element(double* a, int ncol, int i, int j) { return a[(i - 1) * ncol + (j - 1)]; }

bool writeStart(Elimination& work, double* a, int ncol, Row& row) {
    const int n = work.n;
    row.fill(0.0);
    for (int i = 1; i <= n; ++i) work.writeRhs(i, row);
    for (int i = 1; i <= n; ++i) {
        work.readRhs(i, row);
        row[static_cast<size_t>(i - 1)] = 1.0;
        work.writeRhs(i, row);
    }
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j) row[static_cast<size_t>(j - 1)] = element(a, ncol, i, j);
        work.writeReduced(i, row);
    }
    return !work.file.failed;
}

// Subtracts f times the pivot rows from row i of both matrices, f = Ai(k), so that column k of
// the reduced matrix is zero outside row k.
void eliminate(Elimination& work, int i, int k, const Row& ak, const Row& ik, Row& ai, Row& ii) {
    work.readReduced(i, ai);
    work.readRhs(i, ii);
    const double f = ai[static_cast<size_t>(k - 1)];
    for (size_t j = 0; j < static_cast<size_t>(work.n); ++j) {
        ai[j] = ai[j] - f * ak[j];
        ii[j] = ii[j] - f * ik[j];
    }
    work.writeReduced(i, ai);
    work.writeRhs(i, ii);
}

// Reduces column by column; returns MATINV_SINGULAR at the first pivot that is exactly zero.
int reduce(Elimination& work) {
    const int n = work.n;
    Row ak, ik, ai, ii;
    for (int k = 1; k <= n; ++k) {
        work.readReduced(k, ak);
        work.readRhs(k, ik);
        if (work.file.failed) return MATINV_FILE_FAILED;
        const double pivot = ak[static_cast<size_t>(k - 1)];
        if (pivot == 0.0) return MATINV_SINGULAR;
        for (size_t j = 0; j < static_cast<size_t>(n); ++j) {
            ak[j] = ak[j] / pivot;
            ik[j] = ik[j] / pivot;
        }
        work.writeRhs(k, ik);
        work.writeReduced(k, ak);
        for (int i = 1; i <= n; ++i)
            if (i != k) eliminate(work, i, k, ak, ik, ai, ii);
    }
    return work.file.failed ? MATINV_FILE_FAILED : MATINV_INVERTED;
}

// Copies the inverse into `a` only once every record has been read, so a failed read leaves
// `a` as it was.
bool readInverse(Elimination& work, double* a, int ncol) {
    const int n = work.n;
    std::vector<double> inverse(static_cast<size_t>(n) * static_cast<size_t>(n));
    Row row;
    for (int i = 1; i <= n; ++i) {
        if (!work.readRhs(i, row)) return false;
        std::copy_n(row.begin(), n, inverse.begin() + (i - 1) * n);
    }
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j) element(a, ncol, i, j) = inverse[static_cast<size_t>((i - 1) * n + (j - 1))];
    return true;
}

int invert(Elimination& work, double* a, int ncol) {
    Row row;
    if (!OPEN_RECORD_FILE(work.file, "XINVF", sizeof(double) * static_cast<size_t>(work.n))) return MATINV_FILE_FAILED;
    if (!writeStart(work, a, ncol, row)) return MATINV_FILE_FAILED;
    const int outcome = reduce(work);
    if (outcome != MATINV_INVERTED) return outcome;
    return readInverse(work, a, ncol) ? MATINV_INVERTED : MATINV_FILE_FAILED;
}

}  // namespace

void MATINV(double* a, int n, int& ierr, int lda, int ncol) {
    assert(n >= 1 && n <= MATINV_MAX_ORDER && n <= lda && n <= ncol);
    Elimination work;
    work.n = n;
    ierr = invert(work, a, ncol);
    DELETE_RECORD_FILE(work.file);
    if (ierr == MATINV_FILE_FAILED)
        SHOW_MESSAGE(" The working file XINVF cannot be written: the matrix is not inverted. ", " Matrix inversion failed", 48);
}

}  // namespace korvel
