#pragma once
// Balancing: rows and columns that isolate a root are exchanged out of the way, then the rest is
// scaled by powers of 16 so that its rows and columns have comparable norms. The exchanges are
// a permutation and the scaling is exact in binary: neither changes a root.

#include "analysis/eigen/work_arrays.h"

namespace korvel {

// The rows and columns low..high that are left to the iteration.
struct ActiveBlock {
    int low = 1;
    int high = 1;
};

// Rows whose off-diagonal part within the block is zero go to the bottom, then columns whose
// part is zero to the left. For each j outside the block returned, scale(j) is set to the row
// and column exchanged with j.
ActiveBlock ISOLATE_ROOTS(WorkMatrix& a, WorkVector<double>& scale);

// Sweeps over the block until one changes nothing: row i is divided and column i multiplied by
// the power of 16 that best evens out their off-diagonal norms, when that gains 5 %; the factor
// is multiplied into scale(i).
void SCALE_BY_POWERS_OF_16(WorkMatrix& a, ActiveBlock block, WorkVector<double>& scale);

}  // namespace korvel
