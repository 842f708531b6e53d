#pragma once
// A scripted window layer for the solver's tests, the lines the solver printed, and the
// solver run on a matrix.

#include "analysis/eigen/eigen_solver.h"
#include "base/program_exit.h"
#include "frontends/headless/script/scripted_window_layer.h"
#include "shell/exit_routines.h"

#include <Eigen/Core>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace korvel {

// The roots, the vectors column by column (leading dimension n) and the performance index.
struct Solution {
    std::vector<ComplexDouble> eval;
    std::vector<ComplexDouble> evec;
    double index = 0.0;
};

inline Solution solve(const Eigen::MatrixXd& a) {
    const int n = static_cast<int>(a.rows());
    Solution s{std::vector<ComplexDouble>(static_cast<std::size_t>(n)), std::vector<ComplexDouble>(static_cast<std::size_t>(n * n)), 0.0};
    DEVCRG(n, a.data(), n, s.eval.data(), s.evec.data(), n);
    s.index = DEPIRG(n, n, a.data(), n, s.eval.data(), s.evec.data(), n);
    return s;
}

class SolverTest : public ::testing::Test {
protected:
    void SetUp() override {
        INSTALL_SCRIPTED_LAYER(&m_layer);
        INSTALL_EXIT_ROUTINE(USEREXIT);
    }
    void TearDown() override { INSTALL_SCRIPTED_LAYER(nullptr); }

    std::vector<std::string> transcript() const { return m_layer.transcript().lines(); }

    // The texts written to the "Solver messages" window, in order.
    std::vector<std::string> printedLines() const {
        const std::string prefix = "write 6 ";
        std::vector<std::string> printed;
        for (const std::string& line : m_layer.transcript().linesStartingWith(prefix)) {
            const std::size_t open = line.find('"');
            printed.push_back(line.substr(open + 1, line.size() - open - 2));
        }
        return printed;
    }

    ScriptedWindowLayer m_layer;
};

}  // namespace korvel
