#include "analysis/eigen/preparation.h"

#include "analysis/eigen/class_ordering.h"

#include <utility>

namespace korvel {

Preparation PREPARE_FOR_ITERATION(WorkMatrix& a, double epsilon) {
    const int n = a.order();
    Preparation p{{1, n}, WorkVector<double>(n), WorkVector<int>(n), {}};
    for (int i = 1; i <= n; ++i) p.scale(i) = 1.0;
    MERGE_PROPORTIONAL_ROWS(a, epsilon, p.merged);
    p.block = ISOLATE_ROOTS(a, p.scale);
    DROP_NEGLIGIBLE_ELEMENTS(a, p.block.low, p.block.high, epsilon);
    ORDER_BY_CLASSES(a, p.block.low, p.block.high, p.state);
    SCALE_BY_POWERS_OF_16(a, p.block, p.scale);
    return p;
}

void BACK_TRANSFORM_PREPARATION(const Preparation& p, WorkMatrix& vectors) {
    const int n = vectors.order();
    const auto [low, high] = p.block;
    for (int i = low; i <= high; ++i)
        for (int j = 1; j <= n; ++j) vectors(i, j) *= p.scale(i);
    const WorkMatrix ordered = vectors;
    for (int q = low; q <= high; ++q)
        for (int j = 1; j <= n; ++j) vectors(p.state(q), j) = ordered(q, j);
    // The exchanges in the reverse order of their making: the columns', then the rows'.
    const auto exchangeRows = [&](int i) {
        const int m = static_cast<int>(p.scale(i));
        if (m == i) return;
        for (int j = 1; j <= n; ++j) std::swap(vectors(i, j), vectors(m, j));
    };
    for (int i = low - 1; i >= 1; --i) exchangeRows(i);
    for (int i = high + 1; i <= n; ++i) exchangeRows(i);
    for (auto merge = p.merged.rbegin(); merge != p.merged.rend(); ++merge)
        for (int j = 1; j <= n; ++j) vectors(merge->row, j) += merge->factor * vectors(merge->earlier, j);
}

}  // namespace korvel
