#pragma once
// One page of a result table: the page's working buffers, its cell texts and its drawing in
// the "Table of results" window, up to the click that ends it.

#include "model/model_state.h"
#include "present/tables/table_paging.h"

namespace korvel {

inline constexpr int TABLE_CHANNEL = 63;
inline constexpr int SUBTITLE_LENGTH = 100;
inline constexpr int CELL_TEXT_LENGTH = 30;
inline constexpr int HEADING_TEXT_LENGTH = 50;
inline constexpr int MAX_PAGE_CELLS = MAX_ROWS * MAX_PAGE_COLUMNS;

// The page being shown. Column 1 of PAGE_VALUES holds the row numbers, columns 2.. the values;
// heading 1 is the kind's first-column heading. They persist between pages.
extern Matrix<float, MAX_ROWS, MAX_PAGE_COLUMNS> PAGE_VALUES;
extern Vector<Label, MAX_PAGE_COLUMNS> PAGE_HEADINGS;
extern FixedText<SUBTITLE_LENGTH> PAGE_SUBTITLE;
// Cell (r, c) of the page is entry (r - 1) x C + c.
extern Vector<FixedText<CELL_TEXT_LENGTH>, MAX_PAGE_CELLS> CELL_TEXTS;
extern Vector<FixedText<HEADING_TEXT_LENGTH>, MAX_PAGE_COLUMNS> HEADING_TEXTS;

// Shows a page of `rows` rows and `columns` page columns (the row-label column included) from
// the buffers above, in the layout of `kind`; `first_row` is the table row of the page's first
// row, whose ROW_LABELS name the rows of kinds 20 and 22. Returns after the click.
void DRAW_SHELLS(int rows, int columns, int first_row, bool wide, int kind);

}  // namespace korvel
