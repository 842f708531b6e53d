#pragma once
// The texts of a table's cells, built from the numbers they show.

#include "present/tables/table_kinds.h"

#include <string>

namespace korvel {

// A value cell of a table of `kind`: F11.6 for magnitudes up to 1, otherwise one blank and
// G15.7 while that fits in 13 characters, else E13.5. Kind 1 shows a missing projection value
// as "?", kinds 20 and 22 an empty cell as "--".
std::string VALUE_CELL_TEXT(float value, int kind);

// A row-label cell: one blank and the number in I12, or the steady-state label of the layout.
std::string ROW_NUMBER_CELL_TEXT(int row_number, TableLayout layout);

// The length of `text` in characters without its trailing blanks; the text ends at its first
// zero byte.
void NAMELEN(int& length, const std::string& text);

}  // namespace korvel
