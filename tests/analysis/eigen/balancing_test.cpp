// Isolation and scaling: the roots kept on every family, and the scaling's 5 % rule worked out
// by hand.

#include "analysis/eigen/balancing.h"
#include "tests/analysis/eigen/oracle_roots.h"

namespace korvel {
namespace {

TEST(BalancingTest, IsolationKeepsTheRoots) {
    expectStepKeepsRoots([](WorkMatrix& a) {
        WorkVector<double> scale(a.order());
        ISOLATE_ROOTS(a, scale);
    });
}

TEST(BalancingTest, ScalingKeepsTheRoots) {
    expectStepKeepsRoots([](WorkMatrix& a) {
        WorkVector<double> scale(a.order());
        SCALE_BY_POWERS_OF_16(a, {1, a.order()}, scale);
    });
}

// Column 1 holds 1 against 16.5, 17 or 4096 in row 1: f = 16 would make the sum
// 16 + 16.5/16 = 17.03, under 5 % below 17.5, so it is not taken; with 17 it is 16 + 17/16 =
// 17.06 against 0.95 · 18 = 17.1, and row 1 is divided and column 1 multiplied by 16; 4096
// against 1/4096 is evened out by 16³ at once.
TEST(BalancingTest, ScalingOnlyWhenItGainsFivePercent) {
    struct Case {
        double element;
        double below;
        std::vector<std::vector<double>> balanced;
        double scale;
    };
    const std::vector<Case> cases{
        {16.5, 1.0, {{1, 16.5}, {1, 1}}, 1.0},
        {17.0, 1.0, {{1, 1.0625}, {16, 1}}, 16.0},
        {4096.0, 1.0 / 4096, {{1, 1}, {1, 1}}, 4096.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.element);
        WorkMatrix a = fromRows({{1, c.element}, {c.below, 1}});
        WorkVector<double> scale(2);
        scale(1) = scale(2) = 1.0;
        SCALE_BY_POWERS_OF_16(a, {1, 2}, scale);
        expectMatrix(c.balanced, a);
        EXPECT_EQ(c.scale, scale(1));
        EXPECT_EQ(1.0, scale(2));
    }
}

}  // namespace
}  // namespace korvel
