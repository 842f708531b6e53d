// Balancing on small matrices worked out by hand.

#include "analysis/eigen/balancing.h"

#include <gtest/gtest.h>

#include <vector>

namespace korvel {
namespace {

WorkMatrix fromRows(const std::vector<std::vector<double>>& rows) {
    WorkMatrix a(static_cast<int>(rows.size()));
    for (int i = 1; i <= a.order(); ++i)
        for (int j = 1; j <= a.order(); ++j) a(i, j) = rows[static_cast<std::size_t>(i - 1)][static_cast<std::size_t>(j - 1)];
    return a;
}

void expectMatrix(const std::vector<std::vector<double>>& expected, const WorkMatrix& a) {
    for (int i = 1; i <= a.order(); ++i)
        for (int j = 1; j <= a.order(); ++j)
            EXPECT_EQ(expected[static_cast<std::size_t>(i - 1)][static_cast<std::size_t>(j - 1)], a(i, j))
                << "element (" << i << ", " << j << ")";
}

// Row 1 has no off-diagonal element: its root 1 goes to the bottom by exchanging 1 and 3.
TEST(BalancingTest, IsolatedRowMovesToTheBottom) {
    WorkMatrix a = fromRows({{1, 0, 0}, {2, 3, 4}, {5, 6, 7}});
    const Balancing b = BALANCE(a, 0x1p-52);
    EXPECT_EQ(1, b.low);
    EXPECT_EQ(2, b.high);
    expectMatrix({{7, 6, 5}, {4, 3, 2}, {0, 0, 1}}, a);
    EXPECT_EQ(1.0, b.scale(3));  // exchanged with row 1
}

// Column 1 holds 1/4096 against 4096 in row 1 gives f = 16³ = 4096, after which
// both off-diagonal elements are 1. Undoing it scales row 1 of the vectors by 4096.
TEST(BalancingTest, ScalingByPowersOfSixteen) {
    WorkMatrix a = fromRows({{2, 4096}, {1.0 / 4096, 1}});
    const Balancing b = BALANCE(a, 0x1p-52);
    EXPECT_EQ(1, b.low);
    EXPECT_EQ(2, b.high);
    expectMatrix({{2, 1}, {1, 1}}, a);
    EXPECT_EQ(4096.0, b.scale(1));
    EXPECT_EQ(1.0, b.scale(2));

    WorkMatrix vectors(2);
    vectors.setIdentity();
    BACK_TRANSFORM_BALANCING(b, vectors);
    expectMatrix({{4096, 0}, {0, 1}}, vectors);
}

// The 0.95 test at its boundary. Column 1 holds 1 against 16.5 or 17 in row 1: f = 16 would
// make the sum 16 + 16.5/16 = 17.03, under 5 % below 17.5, so it is not taken; with 17 it is
// 16 + 17/16 = 17.06 against 0.95 · 18 = 17.1, and row 1 is divided and column 1 multiplied by 16.
TEST(BalancingTest, ScalingOnlyWhenItGainsFivePercent) {
    struct Case {
        double element;
        std::vector<std::vector<double>> balanced;
        double scale;
    };
    const std::vector<Case> cases{
        {16.5, {{1, 16.5}, {1, 1}}, 1.0},
        {17.0, {{1, 1.0625}, {16, 1}}, 16.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.element);
        WorkMatrix a = fromRows({{1, c.element}, {1, 1}});
        const Balancing b = BALANCE(a, 0x1p-52);
        expectMatrix(c.balanced, a);
        EXPECT_EQ(c.scale, b.scale(1));
        EXPECT_EQ(1.0, b.scale(2));
    }
}

// Row 3 is merged into row 1 when it is a multiple of it up to the rounding of the factor: the
// row is made zero, the factor times column 3 is added to column 1, the zero row stays at the
// bottom, isolated, and the back-transform adds the factor times row 1 of the vectors to row 3.
// A difference at the rounding of 32-bit data is a real one and is kept.
TEST(BalancingTest, ProportionalRowsGiveZeroRows) {
    struct Case {
        std::vector<double> row3;
        double factor;  // 0 when row 3 must stay
    };
    // 0.7 / 0.3 times 0.3 is not 0.7 in doubles, but within the rounding of the factor.
    const std::vector<Case> cases{{{0.6, 0.6, 1.2}, 2.0}, {{0.7, 0.7, 1.4}, 0.7 / 0.3}, {{0.7, 0.7, 1.4000001}, 0.0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row3[0]);
        WorkMatrix a = fromRows({{0.3, 0.3, 0.6}, {0.1, 0.2, 0.1}, c.row3});
        const Balancing b = BALANCE(a, 0x1p-52);
        if (c.factor == 0.0) {
            EXPECT_TRUE(b.merged.empty());
            EXPECT_EQ(3, b.high);
            continue;
        }
        EXPECT_EQ((std::vector<Balancing::Merge>{{3, 1, c.factor}}), b.merged);
        EXPECT_EQ(2, b.high);
        expectMatrix({{0.3 + 0.6 * c.factor, 0.3, 0.6}, {0.1 + 0.1 * c.factor, 0.2, 0.1}, {0.0, 0.0, 0.0}}, a);
        WorkMatrix vectors(3);
        vectors.setIdentity();
        BACK_TRANSFORM_BALANCING(b, vectors);
        EXPECT_EQ(c.factor, vectors(3, 1));
        EXPECT_EQ(0.0, vectors(3, 2));
        EXPECT_EQ(1.0, vectors(3, 3));
    }
}

// The cycle 2-3 feeds state 1, which feeds the cycle 4-5: they go in that order, and nothing
// is left below the blocks. An element from 4 back to 2 joins all five states into one class,
// unless it is below ε times its row's and its column's sums (0.5 each): 1e-30 is dropped,
// 1e-15 stays.
TEST(BalancingTest, ClassesInTheOrderTheyFeedEachOther) {
    struct Case {
        double back;
        std::vector<int> state;
    };
    const std::vector<Case> cases{{0.0, {2, 3, 1, 4, 5}}, {1e-30, {2, 3, 1, 4, 5}}, {1e-15, {1, 2, 3, 4, 5}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.back);
        WorkMatrix a = fromRows({{0, 0, 0, 0.25, 0},
                                 {0, 0, 0.5, 0, 0},
                                 {0.25, 0.5, 0, 0, 0},
                                 {0, c.back, 0, 0, 0.5},
                                 {0, 0, 0, 0.5, 0.1}});
        const Balancing b = BALANCE(a, 0x1p-52);
        for (int p = 1; p <= 5; ++p) EXPECT_EQ(c.state[static_cast<std::size_t>(p - 1)], b.state(p)) << "position " << p;
        if (c.state.front() == 1) continue;
        expectMatrix({{0, 0.5, 0, 0, 0}, {0.5, 0, 0.25, 0, 0}, {0, 0, 0, 0.25, 0}, {0, 0, 0, 0, 0.5}, {0, 0, 0, 0.5, 0.1}}, a);
        WorkMatrix vectors(5);
        vectors.setIdentity();
        BACK_TRANSFORM_BALANCING(b, vectors);
        expectMatrix({{0, 0, 1, 0, 0}, {1, 0, 0, 0, 0}, {0, 1, 0, 0, 0}, {0, 0, 0, 1, 0}, {0, 0, 0, 0, 1}}, vectors);
    }
}

}  // namespace
}  // namespace korvel
