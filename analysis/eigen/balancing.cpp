#include "analysis/eigen/balancing.h"

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

// Returns true when a row was moved.
bool isolateRow(WorkMatrix& a, ActiveBlock& b, WorkVector<double>& scale) {
    for (int j = b.high; j >= b.low; --j) {
        if (!rowIsolates(a, j, b.low, b.high)) continue;
        exchange(a, j, b.high, b.low, b.high);
        scale(b.high) = j;
        --b.high;
        return true;
    }
    return false;
}

bool isolateColumn(WorkMatrix& a, ActiveBlock& b, WorkVector<double>& scale) {
    for (int j = b.low; j <= b.high; ++j) {
        if (!columnIsolates(a, j, b.low, b.high)) continue;
        exchange(a, j, b.low, b.low, b.high);
        scale(b.low) = j;
        ++b.low;
        return true;
    }
    return false;
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
bool scaleSweep(WorkMatrix& a, ActiveBlock b, WorkVector<double>& scale) {
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
        scale(i) *= f;
        changed = true;
        for (int j = b.low; j <= n; ++j) a(i, j) /= f;
        for (int j = 1; j <= b.high; ++j) a(j, i) *= f;
    }
    return changed;
}

}  // namespace

ActiveBlock ISOLATE_ROOTS(WorkMatrix& a, WorkVector<double>& scale) {
    ActiveBlock b{1, a.order()};
    while (b.high >= 1 && isolateRow(a, b, scale)) {
    }
    // A block of one element is balanced already.
    if (b.high < 1) return {1, 1};
    while (b.low < b.high && isolateColumn(a, b, scale)) {
    }
    return b;
}

void SCALE_BY_POWERS_OF_16(WorkMatrix& a, ActiveBlock block, WorkVector<double>& scale) {
    if (block.low >= block.high) return;
    while (scaleSweep(a, block, scale)) {
    }
}

}  // namespace korvel
