// The solver's last steps on hand-made pairs: the sort with its permutation, the order within
// conjugate pairs, and the normalisation.

#include "analysis/eigen/eigen_ordering.h"

#include <gtest/gtest.h>

#include <cmath>
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

// A pair given with its negative imaginary part first is exchanged with its vector; a real
// root and a pair in the right order stay.
TEST(EigenOrderingTest, PositiveImaginaryPartFirst) {
    using C = std::complex<double>;
    std::vector<C> eval{C(2, 0), C(0.5, -1), C(0.5, 1), C(0.1, 0.3), C(0.1, -0.3)};
    std::vector<C> evec(25);
    for (int j = 0; j < 5; ++j) evec[static_cast<std::size_t>(5 * j)] = C(j + 1, 0);
    ORDER_CONJUGATE_PAIRS(5, eval.data(), evec.data(), 5);
    EXPECT_EQ((std::vector<C>{C(2, 0), C(0.5, 1), C(0.5, -1), C(0.1, 0.3), C(0.1, -0.3)}), eval);
    const std::vector<double> first_components{1, 3, 2, 4, 5};
    for (int j = 0; j < 5; ++j) EXPECT_EQ(first_components[static_cast<std::size_t>(j)], evec[static_cast<std::size_t>(5 * j)].real());
}

// (3i, -4, 0) has length 5; its largest component, -4, is turned to 4 and the rest with it.
// Of two largest components of equal modulus the first is made real. A zero vector stays zero.
TEST(EigenOrderingTest, UnitLengthAndLargestComponentRealPositive) {
    using C = std::complex<double>;
    std::vector<C> evec{C(0, 3), C(-4, 0), C(0, 0), C(0, 1), C(1, 0), C(0, 0), C(0, 0), C(0, 0), C(0, 0)};
    NORMALISE_EIGENVECTORS(3, evec.data(), 3);
    EXPECT_EQ(C(0, -0.6), evec[0]);
    EXPECT_EQ(C(0.8, 0), evec[1]);
    EXPECT_EQ(C(0, 0), evec[2]);
    EXPECT_NEAR(std::sqrt(0.5), evec[3].real(), 2e-16);
    EXPECT_EQ(0.0, evec[3].imag());
    EXPECT_NEAR(0.0, evec[4].real(), 2e-16);
    EXPECT_NEAR(-std::sqrt(0.5), evec[4].imag(), 2e-16);
    for (std::size_t k = 6; k < 9; ++k) EXPECT_EQ(C(0, 0), evec[k]);
}

}  // namespace
}  // namespace korvel
