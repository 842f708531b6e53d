#include "analysis/eigen/eigen_ordering.h"

#include "analysis/eigen/work_arrays.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <utility>
#include <vector>

namespace korvel {

namespace {

using Complex = std::complex<double>;

double modulus(Complex value) { return std::sqrt(std::norm(value)); }

// The complex vector of root j from its real form.
void complexVector(const SchurForm& form, const WorkMatrix& vectors, int j, Complex* target) {
    const int n = vectors.order();
    const double wi = form.wi(j);
    for (int i = 1; i <= n; ++i) {
        Complex& element = target[i - 1];
        if (wi == 0.0)
            element = vectors(i, j);
        else if (wi > 0.0)
            element = Complex(vectors(i, j), vectors(i, j + 1));
        else
            element = Complex(vectors(i, j - 1), -vectors(i, j));
    }
}

void scaleToUnitLength(int n, Complex* x) {
    double sum = 0.0;
    for (int i = 0; i < n; ++i) sum += std::norm(x[i]);
    const double length = std::sqrt(sum);
    if (length > 0.0)
        for (int i = 0; i < n; ++i) x[i] /= length;
}

// The first component of largest modulus becomes real and positive, its imaginary part
// exactly 0.
void turnLargestComponentReal(int n, Complex* x) {
    int largest = 0;
    double size = 0.0;
    for (int i = 0; i < n; ++i) {
        if (modulus(x[i]) > size) {
            size = modulus(x[i]);
            largest = i;
        }
    }
    if (size == 0.0) return;
    const Complex turn = std::conj(x[largest]) / size;
    for (int i = 0; i < n; ++i) x[i] *= turn;
    x[largest] = Complex(x[largest].real(), 0.0);
}

}  // namespace

void DSVRGP(int n, const double* ra, double* rb, int* iperm) {
    std::vector<int> positions(static_cast<std::size_t>(n));
    std::iota(positions.begin(), positions.end(), 0);
    std::stable_sort(positions.begin(), positions.end(), [&](int a, int b) { return ra[a] < ra[b]; });
    const std::vector<int> entry(iperm, iperm + n);
    for (int k = 0; k < n; ++k) {
        rb[k] = ra[positions[static_cast<std::size_t>(k)]];
        iperm[k] = entry[static_cast<std::size_t>(positions[static_cast<std::size_t>(k)])];
    }
}

void ORDER_EIGENPAIRS(const SchurForm& form, const WorkMatrix& vectors, WorkVector<double>& keys,
                      WorkVector<double>& sorted, WorkVector<int>& order, Complex* eval, Complex* evec, int ldevec) {
    const int n = vectors.order();
    for (int i = 1; i <= n; ++i) {
        keys(i) = -modulus(Complex(form.wr(i), form.wi(i)));
        order(i) = i;
    }
    DSVRGP(n, &keys(1), &sorted(1), &order(1));
    for (int j = 1; j <= n; ++j) {
        const int source = order(j);
        eval[j - 1] = Complex(form.wr(source), form.wi(source));
        complexVector(form, vectors, source, COLUMN_OF(evec, ldevec, j));
    }
    ORDER_CONJUGATE_PAIRS(n, eval, evec, ldevec);
    NORMALISE_EIGENVECTORS(n, evec, ldevec);
}

void ORDER_CONJUGATE_PAIRS(int n, Complex* eval, Complex* evec, int ldevec) {
    for (int j = 1; j < n; ++j) {
        const Complex first = eval[j - 1];
        if (first.imag() == 0.0 || eval[j] != std::conj(first)) continue;
        if (first.imag() < 0.0) {
            std::swap(eval[j - 1], eval[j]);
            std::swap_ranges(COLUMN_OF(evec, ldevec, j), COLUMN_OF(evec, ldevec, j) + n, COLUMN_OF(evec, ldevec, j + 1));
        }
        ++j;
    }
}

void NORMALISE_EIGENVECTORS(int n, Complex* evec, int ldevec) {
    for (int j = 1; j <= n; ++j) {
        Complex* x = COLUMN_OF(evec, ldevec, j);
        scaleToUnitLength(n, x);
        turnLargestComponentReal(n, x);
    }
}

}  // namespace korvel
