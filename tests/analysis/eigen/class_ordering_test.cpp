// Dropping the elements below rounding and ordering by classes.

#include "analysis/eigen/class_ordering.h"
#include "tests/analysis/eigen/oracle_roots.h"

namespace korvel {
namespace {

TEST(ClassOrderingTest, DroppingKeepsTheRoots) {
    expectStepKeepsRoots([](WorkMatrix& a) { DROP_NEGLIGIBLE_ELEMENTS(a, 1, a.order(), std::numeric_limits<double>::epsilon()); });
}

TEST(ClassOrderingTest, OrderingKeepsTheRoots) {
    expectStepKeepsRoots([](WorkMatrix& a) {
        WorkVector<int> state(a.order());
        ORDER_BY_CLASSES(a, 1, a.order(), state);
    });
}

// The cycle 2-3 feeds state 1, which feeds the cycle 4-5: they go in that order, and nothing
// is left below the blocks. An element from 4 back to 2 joins all five states into one class,
// unless it is below ε times its row's and its column's sums (0.5 each): 1e-30 is dropped,
// 1e-15 stays.
TEST(ClassOrderingTest, ClassesInTheOrderTheyFeedEachOther) {
    struct Case {
        double back;
        std::vector<int> state;
    };
    const std::vector<Case> cases{{0.0, {2, 3, 1, 4, 5}}, {1e-30, {2, 3, 1, 4, 5}}, {1e-15, {1, 2, 3, 4, 5}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.back);
        WorkMatrix a = fromRows({{0, 0, 0, 0.25, 0}, {0, 0, 0.5, 0, 0}, {0.25, 0.5, 0, 0, 0}, {0, c.back, 0, 0, 0.5}, {0, 0, 0, 0.5, 0.1}});
        WorkVector<int> state(5);
        DROP_NEGLIGIBLE_ELEMENTS(a, 1, 5, 0x1p-52);
        EXPECT_EQ(c.state.front() != 1, ORDER_BY_CLASSES(a, 1, 5, state));
        for (int p = 1; p <= 5; ++p) EXPECT_EQ(c.state[static_cast<std::size_t>(p - 1)], state(p)) << "position " << p;
        if (c.state.front() == 1) continue;
        expectMatrix({{0, 0.5, 0, 0, 0}, {0.5, 0, 0.25, 0, 0}, {0, 0, 0, 0.25, 0}, {0, 0, 0, 0, 0.5}, {0, 0, 0, 0.5, 0.1}}, a);
    }
}

}  // namespace
}  // namespace korvel
