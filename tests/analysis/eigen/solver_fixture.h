#pragma once
// A scripted window layer for the solver's tests, and the lines the solver printed.

#include "base/program_exit.h"
#include "present/window/script/scripted_window_layer.h"
#include "shell/exit_routines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace korvel {

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
        for (const std::string& line : transcript()) {
            if (line.rfind(prefix, 0) != 0) continue;
            const std::size_t open = line.find('"');
            printed.push_back(line.substr(open + 1, line.size() - open - 2));
        }
        return printed;
    }

    ScriptedWindowLayer m_layer;
};

}  // namespace korvel
