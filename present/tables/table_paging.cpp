#include "present/tables/table_paging.h"

#include <algorithm>
#include <cassert>
#include <iterator>

namespace korvel {

namespace {

// Text rows for pages of up to `rows` rows, in rising order.
struct RowsStep {
    int rows;
    int text_rows;
};

constexpr RowsStep TEXT_ROWS[] = {
    {8, 20},    {15, 35},   {25, 40},   {35, 55},   {45, 70},   {65, 90},   {85, 115},
    {100, 135}, {120, 165}, {140, 183}, {160, 208}, {180, 232}, {200, 257},
};

// Prompt positions for C = 2 .. 12; C = 2 differs between the layouts.
constexpr int PROMPT_POSITIONS[] = {12, 50, 90, 132, 175, 218, 258, 298, 310, 354, 385};
constexpr int LAYOUT_A_TWO_COLUMNS = 9;

}  // namespace

std::vector<PageSpan> PAGE_SPANS(int total, int per_page) {
    assert(per_page > 0);
    std::vector<PageSpan> spans;
    for (int first = 1; first <= total; first += per_page) spans.push_back({first, std::min(per_page, total - first + 1)});
    return spans;
}

int PAGE_TEXT_COLUMNS(int page_columns) {
    if (page_columns <= 5) return 80;
    if (page_columns <= 8) return 95;
    if (page_columns <= 10) return 105;
    return -1;
}

int PAGE_TEXT_ROWS(int page_rows) {
    for (const RowsStep& step : TEXT_ROWS)
        if (page_rows <= step.rows) return step.text_rows;
    assert(false && "a page holds at most 200 rows");
    return std::end(TEXT_ROWS)[-1].text_rows;
}

int PROMPT_X(int page_columns, TableLayout layout) {
    assert(page_columns >= 2 && page_columns <= MAX_PAGE_COLUMNS);
    if (page_columns == 2 && layout == TableLayout::A) return LAYOUT_A_TWO_COLUMNS;
    return PROMPT_POSITIONS[page_columns - 2];
}

}  // namespace korvel
