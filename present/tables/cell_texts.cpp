#include "present/tables/cell_texts.h"

#include "base/fixed_text.h"
#include "model/model_state.h"
#include "present/tables/number_formats.h"
#include "present/tables/table_kinds.h"

#include <cmath>

namespace korvel {

namespace {

constexpr int GENERAL_FORM_LONGEST = 13;

bool showsEmptyCells(int kind) { return kind == INITIAL_DATA_TABLE || kind == TRANSITION_MATRIX_TABLE; }

}  // namespace

std::string VALUE_CELL_TEXT(float value, int kind) {
    if (kind == PROJECTIONS_TABLE && value == MISSING_VALUE) return "          ?";
    if (showsEmptyCells(kind) && value == EMPTY_CELL) return "          --";
    if (std::fabs(value) <= 1.0f) return FORMAT_F(value, 11, 6);
    const std::string general = ' ' + FORMAT_G(value, 15, 7);
    if (static_cast<int>(TRIM_RIGHT(general).size()) <= GENERAL_FORM_LONGEST) return general;
    return FORMAT_E(value, 13, 5);
}

std::string ROW_NUMBER_CELL_TEXT(int row_number, TableLayout layout) {
    if (row_number == STEADY_STATE_ROW) return layout == TableLayout::A ? "         { > }" : "        { > }";
    return ' ' + FORMAT_I(row_number, 12);
}

void NAMELEN(int& length, const std::string& text) { length = CHARACTER_COUNT(TRIM_RIGHT(TEXT_BEFORE_ZERO(text))); }

}  // namespace korvel
