// Merging rows that are multiples of an earlier row.

#include "analysis/eigen/row_merging.h"
#include "tests/analysis/eigen/oracle_roots.h"

namespace korvel {
namespace {

TEST(RowMergingTest, KeepsTheRoots) {
    expectStepKeepsRoots([](WorkMatrix& a) {
        std::vector<RowMerge> merged;
        MERGE_PROPORTIONAL_ROWS(a, std::numeric_limits<double>::epsilon(), merged);
    });
}

// Row 3 is merged into row 1 when it is a multiple of it up to the rounding of the factor: the
// row is made zero and the factor times column 3 is added to column 1. A difference at the
// rounding of 32-bit data is a real one and is kept.
TEST(RowMergingTest, MultiplesUpToTheRoundingOfTheFactor) {
    struct Case {
        std::vector<double> row3;
        double factor;  // 0 when row 3 must stay
    };
    // 0.7 / 0.3 times 0.3 is not 0.7 in doubles, but within the rounding of the factor.
    const std::vector<Case> cases{{{0.6, 0.6, 1.2}, 2.0}, {{0.7, 0.7, 1.4}, 0.7 / 0.3}, {{0.7, 0.7, 1.4000001}, 0.0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row3[0]);
        WorkMatrix a = fromRows({{0.3, 0.3, 0.6}, {0.1, 0.2, 0.1}, c.row3});
        std::vector<RowMerge> merged;
        MERGE_PROPORTIONAL_ROWS(a, 0x1p-52, merged);
        if (c.factor == 0.0) {
            EXPECT_TRUE(merged.empty());
            continue;
        }
        EXPECT_EQ((std::vector<RowMerge>{{3, 1, c.factor}}), merged);
        expectMatrix({{0.3 + 0.6 * c.factor, 0.3, 0.6}, {0.1 + 0.1 * c.factor, 0.2, 0.1}, {0.0, 0.0, 0.0}}, a);
    }
}

}  // namespace
}  // namespace korvel
