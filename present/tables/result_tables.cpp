#include "present/tables/result_tables.h"

#include "present/tables/table_kinds.h"
#include "present/tables/table_page.h"
#include "present/tables/table_paging.h"
#include "present/window/recording_observer.h"

#include <cassert>
#include <vector>

namespace korvel {

namespace {

const char* continuationSubtitle(int kind) {
    return kind == PROJECTIONS_TABLE ? "(The presentation of the variables continues...)" : "(The presentation continues...)";
}

// PAGE_VALUES and PAGE_HEADINGS for the given rows and columns of RESULT_TABLE.
void fillPage(const PageSpan& rows, const PageSpan& columns, const Vector<Label, MAX_STAGES>& labels, int kind) {
    for (int r = 1; r <= rows.count; ++r) {
        const int row = rows.first + r - 1;
        PAGE_VALUES(r, 1) = static_cast<float>(ROW_NUMBERS(row));
        for (int c = 1; c <= columns.count; ++c) PAGE_VALUES(r, c + 1) = RESULT_TABLE(row, columns.first + c - 1);
    }
    PAGE_HEADINGS(1).assign(TABLE_KIND(kind).first_heading);
    for (int c = 1; c <= columns.count; ++c) PAGE_HEADINGS(c + 1) = labels(columns.first + c - 1);
}

}  // namespace

void PRINTNNN(int column_count, int row_count, int kind, bool wide, const Vector<Label, MAX_STAGES>& column_labels) {
    assert(column_count <= MAX_STAGES && row_count <= MAX_ROWS && IS_TABLE_KIND(kind));
    const Vector<Label, MAX_STAGES> labels = column_labels;
    const std::vector<PageSpan> row_pages = PAGE_SPANS(row_count, TABLE_KIND(kind).rows_per_page);
    TELL_TABLE_START();
    // Column pages of 11, each shown in row pages from the first row.
    for (const PageSpan& columns : PAGE_SPANS(column_count, PAGE_DATA_COLUMNS)) {
        for (size_t page = 0; page < row_pages.size(); ++page) {
            if (page > 0) PAGE_SUBTITLE.assign(continuationSubtitle(kind));
            fillPage(row_pages[page], columns, labels, kind);
            DRAW_SHELLS(row_pages[page].count, columns.count + 1, row_pages[page].first, wide, kind);
            if (page > 0) PAGE_SUBTITLE.assign("");
        }
    }
}

}  // namespace korvel
