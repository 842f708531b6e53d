#pragma once
// Balancing: rows equal to an earlier row are made zero, rows and columns that isolate an
// eigenvalue are permuted out of the way, the rest is ordered by its classes and scaled by powers
// of 16 so that rows and columns have comparable norms. All four change the eigenvectors, not the
// eigenvalues; BACK_TRANSFORM_BALANCING undoes them on the vectors.

#include "analysis/eigen/work_arrays.h"

#include <utility>
#include <vector>

namespace korvel {

struct Balancing {
    int low = 1;   // the block low..high is left to the iteration
    int high = 1;
    // For j outside low..high, the row and column exchanged with j; inside, its scale factor.
    WorkVector<double> scale;
    // Position p of the block holds the state that stood at state(p) before the class ordering.
    WorkVector<int> state;
    // Pairs (i, j), in the order made: row i equalled row j and was made zero by subtracting
    // it, and column i was added to column j.
    std::vector<std::pair<int, int>> merged;
};

Balancing BALANCE(WorkMatrix& a, double epsilon);

// Multiplies row i of `vectors` by the scale factor of i, then undoes the class ordering, the
// exchanges and the merging of equal rows.
void BACK_TRANSFORM_BALANCING(const Balancing& balancing, WorkMatrix& vectors);

}  // namespace korvel
