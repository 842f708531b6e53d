#pragma once
// Balancing: rows that are a multiple of an earlier row are made zero, rows and columns that
// isolate an eigenvalue are permuted out of the way, the rest is ordered by its classes and scaled
// by powers of 16 so that rows and columns have comparable norms. All four change the
// eigenvectors, not the eigenvalues; BACK_TRANSFORM_BALANCING undoes them on the vectors.

#include "analysis/eigen/work_arrays.h"

#include <vector>

namespace korvel {

struct Balancing {
    int low = 1;   // the block low..high is left to the iteration
    int high = 1;
    // For j outside low..high, the row and column exchanged with j; inside, its scale factor.
    WorkVector<double> scale;
    // Position p of the block holds the state that stood at state(p) before the class ordering.
    WorkVector<int> state;
    // In the order made: row `row` equalled `factor` times row `earlier`, up to the rounding of
    // the factor, and was made zero; `factor` times column `row` was added to column `earlier`.
    struct Merge {
        int row;
        int earlier;
        double factor;
        bool operator==(const Merge&) const = default;
    };
    std::vector<Merge> merged;
};

Balancing BALANCE(WorkMatrix& a, double epsilon);

// Multiplies row i of `vectors` by the scale factor of i, then undoes the class ordering, the
// exchanges and the merging of proportional rows.
void BACK_TRANSFORM_BALANCING(const Balancing& balancing, WorkMatrix& vectors);

}  // namespace korvel
