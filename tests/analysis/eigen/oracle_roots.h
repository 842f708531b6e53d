#pragma once
// Roots against Eigen3's roots of a matrix, and the families of matrices a P file can give on
// which each step of the preparation must keep the roots.

#include "analysis/eigen/eigen_solver.h"
#include "analysis/eigen/work_arrays.h"

#include <Eigen/Eigenvalues>
#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace korvel {

inline double oneNorm(const Eigen::MatrixXd& a) { return a.cwiseAbs().colwise().sum().maxCoeff(); }

// Every root has an unused oracle root of `a` within the tolerance.
inline void expectSameRoots(const Eigen::MatrixXd& a, const std::vector<ComplexDouble>& roots, double tolerance,
                            const std::string& name) {
    const Eigen::VectorXcd oracle = Eigen::EigenSolver<Eigen::MatrixXd>(a, false).eigenvalues();
    std::vector<bool> used(static_cast<std::size_t>(oracle.size()), false);
    for (const ComplexDouble root : roots) {
        int nearest = -1;
        for (int k = 0; k < oracle.size(); ++k)
            if (!used[static_cast<std::size_t>(k)] &&
                (nearest < 0 || std::abs(oracle(k) - root) < std::abs(oracle(nearest) - root)))
                nearest = k;
        ASSERT_GE(nearest, 0) << name;
        used[static_cast<std::size_t>(nearest)] = true;
        EXPECT_LE(std::abs(oracle(nearest) - root), tolerance) << name << ": root " << root << " against " << oracle(nearest);
    }
}

inline WorkMatrix fromRows(const std::vector<std::vector<double>>& rows) {
    WorkMatrix a(static_cast<int>(rows.size()));
    for (int i = 1; i <= a.order(); ++i)
        for (int j = 1; j <= a.order(); ++j) a(i, j) = rows[static_cast<std::size_t>(i - 1)][static_cast<std::size_t>(j - 1)];
    return a;
}

inline void expectMatrix(const std::vector<std::vector<double>>& expected, const WorkMatrix& a) {
    for (int i = 1; i <= a.order(); ++i)
        for (int j = 1; j <= a.order(); ++j)
            EXPECT_EQ(expected[static_cast<std::size_t>(i - 1)][static_cast<std::size_t>(j - 1)], a(i, j))
                << "element (" << i << ", " << j << ")";
}

// Non-negative rows summing to less than 1, about half of the elements zero, then shaped by
// the family: rows equal to, or multiples of, the first; zero rows; a reducible matrix (the
// states split into two groups, the second never leading back to the first, then shuffled);
// elements far below, and just below, the rounding of their row.
inline Eigen::MatrixXd familyMember(const std::string& family, int n, std::mt19937& random) {
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    Eigen::MatrixXd a(n, n);
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) a(i, j) = unit(random) < 0.5 ? 0.0 : unit(random);
        a(i, i) = unit(random);
        a.row(i) *= (0.5 + 0.45 * unit(random)) / a.row(i).sum();
    }
    for (int i = 1; i < n; ++i) {
        if (family == "equal rows" && i % 2 == 1) a.row(i) = a.row(0);
        if (family == "proportional rows" && i % 3 != 2) a.row(i) = a.row(0) * (0.7 / 0.3) / static_cast<double>(i + 2);
        if (family == "zero rows" && i % 2 == 0) a.row(i).setZero();
        if (family == "tiny entries") a(i, (i * 7) % n) = i % 2 == 0 ? 1e-30 : 1e-17;
    }
    if (family == "reducible") {
        a.bottomLeftCorner(n - n / 2, n / 2).setZero();
        Eigen::PermutationMatrix<Eigen::Dynamic> shuffle(n);
        shuffle.setIdentity();
        std::shuffle(shuffle.indices().data(), shuffle.indices().data() + n, random);
        a = shuffle * a * shuffle.transpose();
    }
    return a;
}

// A step of the preparation applied to members of every family at orders from 1 to 55 leaves
// roots that equal the oracle's roots of the member within 100 n ε ‖A‖₁.
inline const char* const FAMILIES[] = {"random", "equal rows", "proportional rows", "zero rows", "reducible", "tiny entries"};

inline void expectStepKeepsRoots(const std::function<void(WorkMatrix&)>& step) {
    std::mt19937 random(2027);
    for (const std::string family : FAMILIES)
        for (const int n : {1, 2, 3, 5, 8, 13, 21, 34, 55}) {
            const Eigen::MatrixXd original = familyMember(family, n, random);
            WorkMatrix a(n);
            Eigen::Map<Eigen::MatrixXd>(&a(1, 1), n, n) = original;
            step(a);
            const Eigen::Map<const Eigen::MatrixXd> after(&a(1, 1), n, n);
            const Eigen::VectorXcd roots = Eigen::EigenSolver<Eigen::MatrixXd>(after, false).eigenvalues();
            expectSameRoots(original, {roots.data(), roots.data() + n},
                            100 * n * std::numeric_limits<double>::epsilon() * oneNorm(original),
                            family + " of order " + std::to_string(n));
        }
}

}  // namespace korvel
