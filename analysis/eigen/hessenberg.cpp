#include "analysis/eigen/hessenberg.h"

#include <cmath>

namespace korvel {

namespace {

// The reflector I - u uᵀ / h that maps column m-1 of rows m..high onto its first element, with
// u in rows m..high of `u`. Returns h, or 0 when the column is zero already and no reflector is
// needed.
double makeReflector(WorkMatrix& a, int m, int high, WorkVector<double>& u) {
    double scale = 0.0;
    for (int i = m; i <= high; ++i) scale += std::abs(a(i, m - 1));
    if (scale == 0.0) return 0.0;
    double h = 0.0;
    for (int i = m; i <= high; ++i) {
        u(i) = a(i, m - 1) / scale;
        h += u(i) * u(i);
    }
    const double g = -std::copysign(std::sqrt(h), u(m));
    h -= u(m) * g;
    u(m) -= g;
    a(m, m - 1) = scale * g;
    for (int i = m + 1; i <= high; ++i) a(i, m - 1) = 0.0;
    return h;
}

// a := (I - u uᵀ/h) a on rows m..high, columns m..last.
void reflectRows(WorkMatrix& a, const WorkVector<double>& u, int m, int high, double h, int last) {
    for (int j = m; j <= last; ++j) {
        double f = 0.0;
        for (int i = m; i <= high; ++i) f += u(i) * a(i, j);
        f /= h;
        for (int i = m; i <= high; ++i) a(i, j) -= f * u(i);
    }
}

// a := a (I - u uᵀ/h) on rows 1..high, columns m..high.
void reflectColumns(WorkMatrix& a, const WorkVector<double>& u, int m, int high, double h, WorkVector<double>& products) {
    for (int i = 1; i <= high; ++i) products(i) = 0.0;
    for (int j = m; j <= high; ++j)
        for (int i = 1; i <= high; ++i) products(i) += a(i, j) * u(j);
    for (int j = m; j <= high; ++j) {
        const double factor = u(j) / h;
        for (int i = 1; i <= high; ++i) a(i, j) -= products(i) * factor;
    }
}

// Builds z from the reflectors kept in its columns, from the last reflector back: each acts on
// rows and columns m..high of what the later ones made, which is the identity in column m.
void accumulate(WorkMatrix& z, int low, int high, HessenbergScratch& scratch) {
    for (int m = high - 1; m >= low + 1; --m) {
        if (scratch.factors(m) == 0.0) continue;
        for (int i = m; i <= high; ++i) {
            scratch.reflector(i) = z(i, m);
            z(i, m) = i == m ? 1.0 : 0.0;
        }
        reflectRows(z, scratch.reflector, m, high, scratch.factors(m), high);
    }
}

}  // namespace

void REDUCE_TO_HESSENBERG(WorkMatrix& a, int low, int high, WorkMatrix& z, HessenbergScratch& scratch) {
    const int n = a.order();
    z.setIdentity();
    for (int m = low + 1; m <= high - 1; ++m) {
        WorkVector<double>& u = scratch.reflector;
        scratch.factors(m) = makeReflector(a, m, high, u);
        if (scratch.factors(m) == 0.0) continue;
        reflectRows(a, u, m, high, scratch.factors(m), n);
        reflectColumns(a, u, m, high, scratch.factors(m), scratch.products);
        // Column m of z keeps the reflector until the accumulation.
        for (int i = m; i <= high; ++i) z(i, m) = u(i);
    }
    accumulate(z, low, high, scratch);
}

}  // namespace korvel
