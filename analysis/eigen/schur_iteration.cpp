#include "analysis/eigen/schur_iteration.h"

#include "analysis/eigen/error_stack.h"

#include <algorithm>
#include <cmath>

namespace korvel {

namespace {

// The coefficients that fix the double shift: x and y its diagonal terms, w the product of the
// off-diagonal ones, as in the last 2 x 2 block of the active part.
struct Shift {
    double x = 0.0;
    double y = 0.0;
    double w = 0.0;
};

struct Iteration {
    WorkMatrix& h;
    WorkMatrix& z;
    int low;
    int high;
    double epsilon;
    SchurForm& form;
    double shift_total = 0.0;  // what the exceptional shifts took off the diagonal
};

double hessenbergNorm(const WorkMatrix& h) {
    const int n = h.order();
    double norm = 0.0;
    for (int j = 1; j <= n; ++j)
        for (int i = 1; i <= std::min(n, j + 1); ++i) norm += std::abs(h(i, j));
    return norm;
}

// The last l in low+1..en whose subdiagonal element is negligible, or low. Negligible is below
// ε times its two diagonal neighbours; where they are zero, or so small that ε times them
// underflows to zero, the norm stands in for them, so that an exact zero always splits. An
// element below ε² times the norm is negligible too, whatever its neighbours: the reduction's
// own rounding changed the matrix far more. Without these two, the rounding noise in which the
// zero roots of a P with a zero row end up is iterated on for its own sake, down to subnormal
// numbers, and never splits.
int findSmallSubdiagEntry(const Iteration& it, int en) {
    const double floor = it.epsilon * it.epsilon * it.form.norm;
    for (int l = en; l > it.low; --l) {
        double neighbours = std::abs(it.h(l - 1, l - 1)) + std::abs(it.h(l, l));
        if (it.epsilon * neighbours == 0.0) neighbours = it.form.norm;
        const double subdiagonal = std::abs(it.h(l, l - 1));
        if (subdiagonal < it.epsilon * neighbours || subdiagonal < floor) return l;
    }
    return it.low;
}

void splitOffOneRow(Iteration& it, int en) {
    it.h(en, en) += it.shift_total;
    it.form.wr(en) = it.h(en, en);
    it.form.wi(en) = 0.0;
}

// A plane rotation of rows and columns na and en = na+1 that makes the block upper triangular.
void rotatePair(Iteration& it, int na, double c, double s) {
    const int n = it.h.order();
    const int en = na + 1;
    for (int j = na; j <= n; ++j) {
        const double upper = it.h(na, j);
        it.h(na, j) = c * upper + s * it.h(en, j);
        it.h(en, j) = c * it.h(en, j) - s * upper;
    }
    for (int i = 1; i <= en; ++i) {
        const double left = it.h(i, na);
        it.h(i, na) = c * left + s * it.h(i, en);
        it.h(i, en) = c * it.h(i, en) - s * left;
    }
    for (int i = it.low; i <= it.high; ++i) {
        const double left = it.z(i, na);
        it.z(i, na) = c * left + s * it.z(i, en);
        it.z(i, en) = c * it.z(i, en) - s * left;
    }
    it.h(en, na) = 0.0;
}

// The 2 x 2 block of rows na, en: its roots are x + p ± sqrt(p² + w) with p = (y - x)/2. A real
// pair is rotated to triangular form; a complex pair keeps its block.
void splitOffTwoRows(Iteration& it, int en, const Shift& shift) {
    const int na = en - 1;
    const double p = (shift.y - shift.x) / 2.0;
    const double q = p * p + shift.w;
    const double root = std::sqrt(std::abs(q));
    it.h(en, en) = shift.x + it.shift_total;
    it.h(na, na) = shift.y + it.shift_total;
    const double x = it.h(en, en);
    if (q < 0.0) {
        it.form.wr(na) = it.form.wr(en) = x + p;
        it.form.wi(na) = root;
        it.form.wi(en) = -root;
        return;
    }
    // The larger root first, the smaller from the product so as not to lose it to cancellation.
    const double zz = p + std::copysign(root, p);
    it.form.wr(na) = x + zz;
    it.form.wr(en) = zz != 0.0 ? x - shift.w / zz : x + zz;
    it.form.wi(na) = it.form.wi(en) = 0.0;
    // The rotation's first column is the eigenvector (zz, h(en,na)) of the larger root.
    const double sub = it.h(en, na);
    const double scale = std::abs(sub) + std::abs(zz);
    const double c0 = zz / scale;
    const double s0 = sub / scale;
    const double r = std::sqrt(c0 * c0 + s0 * s0);
    rotatePair(it, na, c0 / r, s0 / r);
}

Shift computeShift(const Iteration& it, int en) {
    const int na = en - 1;
    return {it.h(en, en), it.h(na, na), it.h(en, na) * it.h(na, en)};
}

// Breaks a cycle the ordinary shifts can fall into: the diagonal is moved by its last entry
// and a shift built from the size of the last two subdiagonal elements is used.
Shift exceptionalShift(Iteration& it, int en, const Shift& ordinary) {
    it.shift_total += ordinary.x;
    for (int i = it.low; i <= en; ++i) it.h(i, i) -= ordinary.x;
    const double s = std::abs(it.h(en, en - 1)) + std::abs(it.h(en - 1, en - 2));
    return {0.75 * s, 0.75 * s, -0.4375 * s * s};
}

// The first column of (H - σ1)(H - σ2), divided by h(m+1,m), starting at row m.
struct BulgeStart {
    int m = 0;
    double p = 0.0;
    double q = 0.0;
    double r = 0.0;
};

// The step may start at a row m > l when h(m,m-1) is small enough that the step would leave
// it negligible.
BulgeStart findBulgeStart(const Iteration& it, int l, int en, const Shift& shift) {
    const WorkMatrix& h = it.h;
    BulgeStart start;
    for (int m = en - 2; m >= l; --m) {
        const double zz = h(m, m);
        const double r = shift.x - zz;
        const double s = shift.y - zz;
        double p = (r * s - shift.w) / h(m + 1, m) + h(m, m + 1);
        double q = h(m + 1, m + 1) - zz - r - s;
        double rr = h(m + 2, m + 1);
        const double size = std::abs(p) + std::abs(q) + std::abs(rr);
        p /= size;
        q /= size;
        rr /= size;
        start = {m, p, q, rr};
        if (m == l) break;
        const double diagonal = std::abs(p) * (std::abs(h(m - 1, m - 1)) + std::abs(zz) + std::abs(h(m + 1, m + 1)));
        if (std::abs(h(m, m - 1)) * (std::abs(q) + std::abs(rr)) < it.epsilon * diagonal) break;
    }
    return start;
}

// A reflector of the step in working form: applied to (v₁, v₂, v₃) it takes t = v₁ + q v₂ + r v₃
// and subtracts t·x, t·y, t·zz; applied from the right, t = x v₁ + y v₂ + zz v₃ and it
// subtracts t, t·q, t·r.
struct Reflector {
    double x, y, zz, q, r;
};

template <int ROWS>
void applyReflector(Iteration& it, int k, int en, const Reflector& f) {
    WorkMatrix& h = it.h;
    const int n = h.order();
    for (int j = k; j <= n; ++j) {
        double t = h(k, j) + f.q * h(k + 1, j);
        if constexpr (ROWS == 3) t += f.r * h(k + 2, j);
        h(k, j) -= t * f.x;
        h(k + 1, j) -= t * f.y;
        if constexpr (ROWS == 3) h(k + 2, j) -= t * f.zz;
    }
    const auto fromRight = [&](WorkMatrix& a, int first, int last) {
        for (int i = first; i <= last; ++i) {
            double t = f.x * a(i, k) + f.y * a(i, k + 1);
            if constexpr (ROWS == 3) t += f.zz * a(i, k + 2);
            a(i, k) -= t;
            a(i, k + 1) -= t * f.q;
            if constexpr (ROWS == 3) a(i, k + 2) -= t * f.r;
        }
    };
    fromRight(h, 1, std::min(en, k + 3));
    fromRight(it.z, it.low, it.high);
}

// One implicit double-shift step on rows and columns l..en: a bulge is made at row m by the
// shift and chased down the subdiagonal by reflectors of three rows (two in the last place).
// The matrix is Hessenberg before and after; the bulge elements are cleared as they are chased.
void performFrancisQRStep(Iteration& it, int l, int en, const Shift& shift) {
    WorkMatrix& h = it.h;
    const BulgeStart start = findBulgeStart(it, l, en, shift);
    double p = start.p;
    double q = start.q;
    double r = start.r;
    for (int k = start.m; k <= en - 1; ++k) {
        const bool last = k == en - 1;
        double size = 1.0;
        if (k != start.m) {
            p = h(k, k - 1);
            q = h(k + 1, k - 1);
            r = last ? 0.0 : h(k + 2, k - 1);
            size = std::abs(p) + std::abs(q) + std::abs(r);
            if (size == 0.0) continue;
            p /= size;
            q /= size;
            r /= size;
        }
        const double s = std::copysign(std::sqrt(p * p + q * q + r * r), p);
        if (k != start.m) {
            h(k, k - 1) = -s * size;
            h(k + 1, k - 1) = 0.0;
            if (!last) h(k + 2, k - 1) = 0.0;
        } else if (l != start.m) {
            h(k, k - 1) *= -p / s;
        }
        p += s;
        const Reflector f{p / s, q / s, r / s, q / p, r / p};
        if (last)
            applyReflector<2>(it, k, en, f);
        else
            applyReflector<3>(it, k, en, f);
    }
}

}  // namespace

SchurStatus REDUCE_TO_SCHUR_FORM(WorkMatrix& h, int low, int high, WorkMatrix& z, double epsilon, SchurForm& form) {
    // The iteration registers under a name of its own, so that its message tells where it arose.
    const ErrorScope scope("DHQRRG");
    const int n = h.order();
    form.norm = hessenbergNorm(h);
    // Roots isolated by the balancing.
    for (int i = 1; i <= n; ++i) {
        if (i >= low && i <= high) continue;
        form.wr(i) = h(i, i);
        form.wi(i) = 0.0;
    }
    Iteration it{h, z, low, high, epsilon, form};
    // Rows en+1..high hold finished roots; the iterations work on rows low..en.
    int en = high;
    while (en >= low) {
        // The count starts afresh for each root; every tenth step uses the exceptional shift.
        for (int iteration = 1;; ++iteration) {
            const int l = findSmallSubdiagEntry(it, en);
            if (l == en) {
                splitOffOneRow(it, en);
                en -= 1;
                break;
            }
            Shift shift = computeShift(it, en);
            if (l == en - 1) {
                splitOffTwoRows(it, en, shift);
                en -= 2;
                break;
            }
            if (iteration > QR_ITERATION_LIMIT) {
                E1STI(1, QR_ITERATION_LIMIT);
                E1MES(FATAL, 1, "The iteration for the eigenvalues did not converge after %(I1) iterations.");
                return SchurStatus::NotConverged;
            }
            if (iteration % 10 == 0) shift = exceptionalShift(it, en, shift);
            performFrancisQRStep(it, l, en, shift);
        }
    }
    return SchurStatus::Converged;
}

}  // namespace korvel
