// Paging arithmetic and the page window's size by rows and columns.

#include "present/tables/table_kinds.h"
#include "present/tables/table_paging.h"

#include <gtest/gtest.h>

namespace korvel {
namespace {

// A page ends at the page size, not before or after; the pages of 24 columns and of 22 and 24
// rows are the scenario tables_paging's.
TEST(PageSpansTest, NewPageOnlyPastThePageSize) {
    EXPECT_EQ(1u, PAGE_SPANS(11, 11).size());
    EXPECT_EQ(2u, PAGE_SPANS(12, 11).size());
    EXPECT_TRUE(PAGE_SPANS(0, 20).empty());
}

// The page window grows with its rows: never shrinking, and holding them with twelve lines or
// more to spare for titles, headings and prompt; the edges of the first step and the last.
TEST(PageTextRowsTest, GrowsWithThePagesRows) {
    for (int rows = 1; rows <= 200; ++rows) {
        EXPECT_GE(PAGE_TEXT_ROWS(rows), rows + 12) << rows << " rows";
        if (rows > 1) EXPECT_GE(PAGE_TEXT_ROWS(rows), PAGE_TEXT_ROWS(rows - 1)) << rows << " rows";
    }
    EXPECT_EQ(20, PAGE_TEXT_ROWS(8));
    EXPECT_EQ(35, PAGE_TEXT_ROWS(9));
    EXPECT_EQ(232, PAGE_TEXT_ROWS(180));
    EXPECT_EQ(257, PAGE_TEXT_ROWS(181));
}

// Each step of the text columns at its last page width and the next.
TEST(PageTextColumnsTest, StepsByPageColumns) {
    const int steps[][2] = {{2, 80}, {5, 80}, {6, 95}, {8, 95}, {9, 105}, {10, 105}, {11, -1}, {12, -1}};
    for (const auto& step : steps) EXPECT_EQ(step[1], PAGE_TEXT_COLUMNS(step[0])) << step[0] << " columns";
}

// The prompt's place where no scenario's page shows it: layout A at 3 and 9 page columns
// (2 is the Qt page test's), layout B at 7, 9 and 11.
TEST(PromptXTest, ByPageColumnsAndLayout) {
    const struct {
        int columns;
        TableLayout layout;
        int x;
    } places[] = {{3, TableLayout::A, 50}, {9, TableLayout::A, 298}, {7, TableLayout::B, 218},
                  {9, TableLayout::B, 298}, {11, TableLayout::B, 354}};
    for (const auto& place : places)
        EXPECT_EQ(place.x, PROMPT_X(place.columns, place.layout)) << place.columns << " columns, layout "
                                                                  << (place.layout == TableLayout::A ? 'A' : 'B');
}

// Which kinds name their rows is in every table of details_examples, and the layout and date
// line of kind 1 on the Qt page test's title; here the rest.
TEST(TableKindTest, LayoutRowsPerPageAndDateLine) {
    EXPECT_EQ(200, TABLE_KIND(1).rows_per_page);
    EXPECT_EQ(200, TABLE_KIND(20).rows_per_page);
    for (int kind : {7, 8, 9, 10, 13, 16, 17, 18, 19, 22}) {
        EXPECT_EQ(TableLayout::B, TABLE_KIND(kind).layout) << "kind " << kind;
        EXPECT_EQ(20, TABLE_KIND(kind).rows_per_page) << "kind " << kind;
    }
    EXPECT_FALSE(IS_TABLE_KIND(2));

    struct Date {
        int kind;
        const char* label;
        int label_x;
        int date_x;
    };
    const Date dates[] = {{20, "    Date : ", 265, 364},
                          {13, "    Date : ", 315, 415},
                          {16, "    Date : ", 265, 364},
                          {22, "            Date : ", 215, 315}};
    for (const Date& date : dates) {
        EXPECT_STREQ(date.label, DATE_LINE(date.kind).label) << "kind " << date.kind;
        EXPECT_EQ(date.label_x, DATE_LINE(date.kind).label_x) << "kind " << date.kind;
        EXPECT_EQ(date.date_x, DATE_LINE(date.kind).date_x) << "kind " << date.kind;
    }
}

}  // namespace
}  // namespace korvel
