// The sort with its permutation that orders the roots: equal keys keep their order, which no
// property of the roots shows. The order within conjugate pairs and the normalisation are the
// oracle test's properties.

#include "analysis/eigen/eigen_ordering.h"

#include <gtest/gtest.h>

#include <vector>

namespace korvel {
namespace {

// Ascending, equal keys keep their order, and the permutation follows the values.
TEST(EigenOrderingTest, StableSortWithPermutation) {
    const std::vector<double> keys{-0.5, -0.9, -0.5, -0.2, -0.9};
    std::vector<double> sorted(5);
    std::vector<int> order{1, 2, 3, 4, 5};
    DSVRGP(5, keys.data(), sorted.data(), order.data());
    EXPECT_EQ((std::vector<double>{-0.9, -0.9, -0.5, -0.5, -0.2}), sorted);
    EXPECT_EQ((std::vector<int>{2, 5, 1, 3, 4}), order);
}

}  // namespace
}  // namespace korvel
