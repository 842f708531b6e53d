#include "analysis/eigen/balancing.h"

#include "analysis/eigen/class_ordering.h"

#include <cmath>
#include <utility>

namespace korvel {

namespace {

constexpr double RADIX = 16.0;
constexpr double RADIX_SQUARED = RADIX * RADIX;
constexpr double WORTHWHILE = 0.95;

// Exchanges rows and columns j and m inside the parts the isolated ones leave non-zero.
void exchange(WorkMatrix& a, int j, int m, int low, int high) {
    if (j == m) return;
    const int n = a.order();
    for (int i = 1; i <= high; ++i) std::swap(a(i, j), a(i, m));
    for (int i = low; i <= n; ++i) std::swap(a(j, i), a(m, i));
}

bool rowIsZero(const WorkMatrix& a, int i) {
    for (int k = 1; k <= a.order(); ++k)
        if (a(i, k) != 0.0) return false;
    return true;
}

// The factor f with row i = f x row j up to the rounding of f and of the product (at most
// epsilon of each element), or 0 when there is none. Zeros must match exactly.
double rowFactor(const WorkMatrix& a, int i, int j, double epsilon) {
    const int n = a.order();
    int first = 1;
    while (first <= n && a(j, first) == 0.0) ++first;
    if (first > n) return 0.0;
    const double f = a(i, first) / a(j, first);
    for (int k = 1; k <= n; ++k)
        if (!(std::fabs(f * a(j, k) - a(i, k)) <= epsilon * std::fabs(a(i, k)))) return 0.0;
    return f;
}

// A row that is a multiple f of an earlier one is made zero by subtracting f times that row,
// and the inverse step adds f times its column to the earlier row's column: a similarity that
// gives one exact zero root per such row, which the isolation then moves out of the way. The
// subtraction leaves at most the rounding of f, which is dropped: a change below the rounding
// the iteration itself makes. Many stages that move people alike, or in the same proportions,
// give a P of many such rows; iterated on, their zero roots became rounding noise that did not
// always settle.
void mergeProportionalRows(WorkMatrix& a, Balancing& b, double epsilon) {
    const int n = a.order();
    for (int i = 2; i <= n; ++i) {
        if (rowIsZero(a, i)) continue;
        for (int j = 1; j < i; ++j) {
            const double f = rowFactor(a, i, j, epsilon);
            if (f == 0.0) continue;
            for (int k = 1; k <= n; ++k) a(i, k) = 0.0;
            for (int k = 1; k <= n; ++k) a(k, j) += f * a(k, i);
            b.merged.push_back({i, j, f});
            break;
        }
    }
}

bool rowIsolates(const WorkMatrix& a, int j, int low, int high) {
    for (int i = low; i <= high; ++i)
        if (i != j && a(j, i) != 0.0) return false;
    return true;
}

bool columnIsolates(const WorkMatrix& a, int j, int low, int high) {
    for (int i = low; i <= high; ++i)
        if (i != j && a(i, j) != 0.0) return false;
    return true;
}

// Rows whose off-diagonal part in the block is zero go to the bottom; returns true when one
// was moved.
bool isolateRow(WorkMatrix& a, Balancing& b) {
    for (int j = b.high; j >= b.low; --j) {
        if (!rowIsolates(a, j, b.low, b.high)) continue;
        exchange(a, j, b.high, b.low, b.high);
        b.scale(b.high) = j;
        --b.high;
        return true;
    }
    return false;
}

// Columns whose off-diagonal part in the block is zero go to the left.
bool isolateColumn(WorkMatrix& a, Balancing& b) {
    for (int j = b.low; j <= b.high; ++j) {
        if (!columnIsolates(a, j, b.low, b.high)) continue;
        exchange(a, j, b.low, b.low, b.high);
        b.scale(b.low) = j;
        ++b.low;
        return true;
    }
    return false;
}

void permute(WorkMatrix& a, Balancing& b) {
    while (b.high >= 1 && isolateRow(a, b)) {
    }
    // A block of one element is balanced already.
    if (b.high < 1) {
        b.low = b.high = 1;
        return;
    }
    while (b.low < b.high && isolateColumn(a, b)) {
    }
}

// The power of 16 that best evens out row i and column i, or 1 when nothing is gained.
double scaleFactor(double column_norm, double row_norm) {
    if (!(column_norm > 0.0 && row_norm > 0.0 && std::isfinite(column_norm) && std::isfinite(row_norm)))
        return 1.0;
    const double sum = column_norm + row_norm;
    double c = column_norm;
    double f = 1.0;
    while (c < row_norm / RADIX) {
        f *= RADIX;
        c *= RADIX_SQUARED;
    }
    while (c >= row_norm * RADIX) {
        f /= RADIX;
        c /= RADIX_SQUARED;
    }
    return (c + row_norm) / f < WORTHWHILE * sum ? f : 1.0;
}

// One sweep over the block; returns true when it scaled anything.
bool scaleSweep(WorkMatrix& a, Balancing& b) {
    const int n = a.order();
    bool changed = false;
    for (int i = b.low; i <= b.high; ++i) {
        double column_norm = 0.0;
        double row_norm = 0.0;
        for (int j = b.low; j <= b.high; ++j) {
            if (j == i) continue;
            column_norm += std::abs(a(j, i));
            row_norm += std::abs(a(i, j));
        }
        const double f = scaleFactor(column_norm, row_norm);
        if (f == 1.0) continue;
        b.scale(i) *= f;
        changed = true;
        for (int j = b.low; j <= n; ++j) a(i, j) /= f;
        for (int j = 1; j <= b.high; ++j) a(j, i) *= f;
    }
    return changed;
}

}  // namespace

Balancing BALANCE(WorkMatrix& a, double epsilon) {
    const int n = a.order();
    Balancing b{1, n, WorkVector<double>(n), WorkVector<int>(n), {}};
    for (int i = 1; i <= n; ++i) b.scale(i) = 1.0;
    mergeProportionalRows(a, b, epsilon);
    permute(a, b);
    ORDER_BY_CLASSES(a, b.low, b.high, epsilon, b.state);
    if (b.low < b.high)
        while (scaleSweep(a, b)) {
        }
    return b;
}

void BACK_TRANSFORM_BALANCING(const Balancing& b, WorkMatrix& vectors) {
    const int n = vectors.order();
    for (int i = b.low; i <= b.high; ++i)
        for (int j = 1; j <= n; ++j) vectors(i, j) *= b.scale(i);
    const WorkMatrix ordered = vectors;
    for (int p = b.low; p <= b.high; ++p)
        for (int j = 1; j <= n; ++j) vectors(b.state(p), j) = ordered(p, j);
    // The exchanges in the reverse order of their making: the columns', then the rows'.
    const auto exchangeRows = [&](int i) {
        const int m = static_cast<int>(b.scale(i));
        if (m == i) return;
        for (int j = 1; j <= n; ++j) std::swap(vectors(i, j), vectors(m, j));
    };
    for (int i = b.low - 1; i >= 1; --i) exchangeRows(i);
    for (int i = b.high + 1; i <= n; ++i) exchangeRows(i);
    for (auto merge = b.merged.rbegin(); merge != b.merged.rend(); ++merge)
        for (int j = 1; j <= n; ++j) vectors(merge->row, j) += merge->factor * vectors(merge->earlier, j);
}

}  // namespace korvel
