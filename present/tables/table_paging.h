#pragma once
// The arithmetic of splitting a table into pages and sizing a page's window: pure, no drawing.

#include "present/tables/table_kinds.h"

#include <vector>

namespace korvel {

// Data columns on one page; the row-label column comes in front of them.
inline constexpr int PAGE_DATA_COLUMNS = 11;
inline constexpr int MAX_PAGE_COLUMNS = PAGE_DATA_COLUMNS + 1;

// A run of rows or columns shown on one page, counted from 1.
struct PageSpan {
    int first = 1;
    int count = 0;
    int last() const { return first + count - 1; }
};

// `total` items in runs of at most `per_page`, in order.
std::vector<PageSpan> PAGE_SPANS(int total, int per_page);

// The window's text columns for a page of `page_columns` (C, the row-label column included);
// -1 asks for the largest.
int PAGE_TEXT_COLUMNS(int page_columns);

// The window's text rows for a page of `page_rows` rows.
int PAGE_TEXT_ROWS(int page_rows);

// Where the prompt starts across, by page columns and layout.
int PROMPT_X(int page_columns, TableLayout layout);

}  // namespace korvel
