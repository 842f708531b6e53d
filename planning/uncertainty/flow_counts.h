#pragma once
// The flows a data file counted: who moved from stage i to stage j in one period, and who left
// stage i. P and w* are these counts over their row totals.

#include <optional>
#include <vector>

namespace korvel {

struct FLOW_COUNTS {
    int n = 0;
    std::vector<double> moves;    // n x n, row by row: X(i, j) at (i - 1) n + (j - 1)
    std::vector<double> leavers;  // the outflows of stage i at i - 1

    double move(int i, int j) const { return moves[static_cast<size_t>((i - 1) * n + (j - 1))]; }
    double leaving(int i) const { return leavers[static_cast<size_t>(i - 1)]; }
    // The people in stage i at the start of the period: its moves and its leavers.
    double rowTotal(int i) const;
    // A row P can be formed from and sampled: finite counts, none negative, a positive total.
    bool rowIsCounted(int i) const;
    bool everyRowIsCounted() const;
};

// The counts of the model just read, while matrix X still holds them (before the details are
// shown, which write P over them); nothing when the data file gave P itself.
std::optional<FLOW_COUNTS> FLOW_COUNTS_OF_MODEL();

// P formed from the counts in double, row by row (n x n).
std::vector<double> ESTIMATED_TRANSITION(const FLOW_COUNTS& counts);

}  // namespace korvel
