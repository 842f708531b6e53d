#pragma once
// A scripted layer installed and the model state returned to its start for every test.

#include "base/fixed_text.h"
#include "base/program_exit.h"
#include "model/model_state.h"
#include "present/tables/cell_texts.h"
#include "present/window/script/scripted_window_layer.h"
#include "shell/exit_routines.h"

#include <gtest/gtest.h>

#include <algorithm>
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

// A value cell of a table as the transcript shows it.
inline std::string cellText(float value, int kind) { return TRIM_RIGHT(VALUE_CELL_TEXT(value, kind)); }
// A row-number cell: a blank and the number right-aligned in 12 characters.
inline std::string rowNumberText(int number) { return " " + RIGHT_ALIGNED(number, 12); }

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
        RESET_MODEL_FLAGS();
        INSTALL_SCRIPTED_LAYER(nullptr);
    }

    std::vector<std::string> lines() const { return m_layer.transcript().lines(); }
    std::vector<std::string> linesStartingWith(const std::string& start) const {
        std::vector<std::string> found;
        for (const std::string& line : lines())
            if (line.rfind(start, 0) == 0) found.push_back(line);
        return found;
    }

    std::vector<ShownPage> pages() const { return pagesOf(lines()); }

    ScriptedWindowLayer m_layer;
};

}  // namespace korvel
