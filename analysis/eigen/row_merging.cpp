#include "analysis/eigen/row_merging.h"

#include <cmath>

namespace korvel {

namespace {

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

}  // namespace

void MERGE_PROPORTIONAL_ROWS(WorkMatrix& a, double epsilon, std::vector<RowMerge>& merged) {
    const int n = a.order();
    for (int i = 2; i <= n; ++i) {
        if (rowIsZero(a, i)) continue;
        for (int j = 1; j < i; ++j) {
            const double f = rowFactor(a, i, j, epsilon);
            if (f == 0.0) continue;
            for (int k = 1; k <= n; ++k) a(i, k) = 0.0;
            for (int k = 1; k <= n; ++k) a(k, j) += f * a(k, i);
            merged.push_back({i, j, f});
            break;
        }
    }
}

}  // namespace korvel
