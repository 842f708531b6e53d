#pragma once
// The preparation of the matrix for the QR iteration. None of its steps moves a root beyond the
// rounding the iteration makes itself; they run in this order:
//  1. Merging (row_merging.h): a row that is a multiple f of an earlier row, up to the rounding
//     of f, is made zero and f times its column is added to the earlier row's column. A
//     similarity, but for the rounding of f, which is dropped.
//  2. Isolation (balancing.h): rows, then columns, whose off-diagonal part within the block is
//     zero are exchanged to its bottom, or to its left, leaving the block low..high to the
//     iteration. A permutation similarity.
//  3. Dropping (class_ordering.h): an off-diagonal element of the block below ε times both its
//     row's and its column's sum of magnitudes is set to zero. A change below the rounding of
//     that row and that column.
//  4. Class ordering (class_ordering.h): the block's states are ordered by the classes of its
//     graph, so that it is block upper triangular. A permutation similarity.
//  5. Scaling (balancing.h): row i of the block is divided and column i multiplied by a power of
//     16, until the rows and columns have comparable norms. A diagonal similarity, exact in binary.
// The eigenvectors are taken back through the steps in the reverse order.

#include "analysis/eigen/balancing.h"
#include "analysis/eigen/row_merging.h"
#include "analysis/eigen/work_arrays.h"

#include <vector>

namespace korvel {

struct Preparation {
    ActiveBlock block;
    // For j outside the block, the row and column exchanged with j; inside, its scale factor.
    WorkVector<double> scale;
    // Position p of the block holds the state that stood at state(p) before the class ordering.
    WorkVector<int> state;
    std::vector<RowMerge> merged;
};

Preparation PREPARE_FOR_ITERATION(WorkMatrix& a, double epsilon);

// Multiplies row i of `vectors` by the scale factor of i, then undoes the class ordering, the
// exchanges and the merging of proportional rows.
void BACK_TRANSFORM_PREPARATION(const Preparation& preparation, WorkMatrix& vectors);

}  // namespace korvel
