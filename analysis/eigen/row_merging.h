#pragma once
// A row that is a multiple f of an earlier row, up to the rounding of f, is made zero by
// subtracting f times that row, and the inverse step adds f times its column to the earlier
// row's column: a similarity that gives one exact zero root per such row, which the isolation
// then moves out of the way. The subtraction leaves at most the rounding of f, which is dropped:
// a change below the rounding the iteration itself makes. Many stages that move people alike,
// or in the same proportions, give a P of many such rows; iterated on, their zero roots became
// rounding noise that did not always settle.

#include "analysis/eigen/work_arrays.h"

#include <vector>

namespace korvel {

// Row `row` equalled `factor` times row `earlier`, up to the rounding of the factor, and was made
// zero; `factor` times column `row` was added to column `earlier`.
struct RowMerge {
    int row;
    int earlier;
    double factor;
    bool operator==(const RowMerge&) const = default;
};

// Appends the merges to `merged` in the order made.
void MERGE_PROPORTIONAL_ROWS(WorkMatrix& a, double epsilon, std::vector<RowMerge>& merged);

}  // namespace korvel
