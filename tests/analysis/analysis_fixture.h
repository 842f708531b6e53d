#pragma once
// The shared fixture of the analysis and control tests: a scripted layer installed and the
// model state returned to its start for every test, data files read as "Rea&d data" reads
// them, and the transcript's message boxes and table pages.

#include "base/program_exit.h"
#include "model/model_state.h"
#include "model/read_data.h"
#include "present/window/file_units.h"
#include "frontends/headless/script/scripted_window_layer.h"
#include "shell/exit_routines.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace korvel {

// A table page as the transcript shows it.
struct ShownPage {
    int kind = 0;
    std::vector<std::string> headings;
    std::vector<std::vector<std::string>> rows;
};

// The texts in double quotes on a transcript line.
inline std::vector<std::string> quotedTexts(const std::string& line) {
    std::vector<std::string> texts;
    size_t open = line.find('"');
    while (open != std::string::npos) {
        const size_t close = line.find('"', open + 1);
        texts.push_back(line.substr(open + 1, close - open - 1));
        open = line.find('"', close + 1);
    }
    return texts;
}

inline std::vector<ShownPage> pagesOf(const std::vector<std::string>& lines) {
    std::vector<ShownPage> pages;
    for (const std::string& line : lines) {
        if (line.rfind("page ", 0) == 0) pages.push_back(ShownPage{std::stoi(line.substr(5)), {}, {}});
        else if (pages.empty()) continue;
        else if (line.rfind("headings", 0) == 0) pages.back().headings = quotedTexts(line);
        else if (line.rfind("row ", 0) == 0) pages.back().rows.push_back(quotedTexts(line));
    }
    return pages;
}

inline std::string examplePath(const std::string& name) { return std::string(KORVEL_EXAMPLES_DIR) + "/" + name; }

class AnalysisTest : public ::testing::Test {
protected:
    void SetUp() override {
        INSTALL_SCRIPTED_LAYER(&m_layer);
        INSTALL_EXIT_ROUTINE(USEREXIT);
        RESET_MODEL_FLAGS();
        I_MINUS_P_SINGULAR = false;
        STAGE_COUNT = 0;
        MATRIX_X.fill(0.0f);
        MATRIX_P.fill(0.0f);
        OUTFLOWS.fill(0.0f);
        INFLOWS.fill(0.0f);
        INITIAL_STOCKS.fill(0.0f);
        RESULT_TABLE.fill(0.0f);
    }
    void TearDown() override {
        CLOSE_UNIT(DATA_CHANNEL);
        RESET_MODEL_FLAGS();
        INSTALL_SCRIPTED_LAYER(nullptr);
    }

    // The data file at `path` opened as "O&pen datafile" leaves it and read.
    void readFile(const std::string& path) {
        DATA_UNIT = DATA_CHANNEL;
        ASSERT_TRUE(OPEN_UNIT(DATA_UNIT, path, UnitAccess::ReadOnly)) << path;
        DATAFILE_OPEN = true;
        READ_DATA(false);
        ASSERT_TRUE(DATA_READ) << path;
    }
    void readText(const std::string& text) {
        const std::string path = ::testing::TempDir() + "korvel_analysis_" + std::to_string(::getpid()) + ".d";
        std::ofstream(path, std::ios::trunc) << text;
        readFile(path);
        std::remove(path.c_str());
    }

    std::vector<std::string> lines(size_t from = 0) const {
        const std::vector<std::string> all = m_layer.transcript().lines();
        return {all.begin() + static_cast<long>(std::min(from, all.size())), all.end()};
    }
    std::vector<std::string> linesStartingWith(const std::string& start, size_t from = 0) const {
        return m_layer.transcript().linesStartingWith(start, from);
    }
    std::vector<std::string> messages(size_t from = 0) const { return linesStartingWith("msgbox", from); }
    std::vector<ShownPage> pages(size_t from = 0) const { return pagesOf(lines(from)); }

    ScriptedWindowLayer m_layer;
};

}  // namespace korvel
