#include "present/tables/table_page.h"

#include "present/tables/cell_texts.h"
#include "present/tables/table_kinds.h"
#include "present/window/recording_observer.h"
#include "present/window/window_layer.h"

#include <cassert>
#include <cmath>

namespace korvel {

Matrix<float, MAX_ROWS, MAX_PAGE_COLUMNS> PAGE_VALUES;
Vector<Label, MAX_PAGE_COLUMNS> PAGE_HEADINGS;
FixedText<SUBTITLE_LENGTH> PAGE_SUBTITLE;
Vector<FixedText<CELL_TEXT_LENGTH>, MAX_PAGE_CELLS> CELL_TEXTS;
Vector<FixedText<HEADING_TEXT_LENGTH>, MAX_PAGE_COLUMNS> HEADING_TEXTS;

namespace {

// What sets the two layouts apart.
struct PageLayout {
    RGB_VALUE title_colour;
    int subtitle_y;
    int top;  // of the grid; the headings stand 20 pixels above it
    int heading_characters;
    int prompt_below_rows;
};

constexpr PageLayout LAYOUT_A = {RGB(160, 0, 41), 21, 60, 12, 70};
constexpr PageLayout LAYOUT_B = {RGB(0, 0, 255), 47, 90, 14, 100};

constexpr const char* TITLE_FONT = "t'Times New Roman'h18w7b";
constexpr const char* CELL_FONT = "t'Arial'h15b";
constexpr const char* WIDE_CELL_FONT = "t'Arial'h17b";
constexpr const char* PROMPT = " (Press the left mouse button)";

constexpr RGB_VALUE CAPTION_COLOUR = RGB(160, 0, 41);
constexpr RGB_VALUE SUBTITLE_COLOUR = RGB(255, 0, 0);
constexpr RGB_VALUE DATE_COLOUR = RGB(0, 0, 100);
constexpr RGB_VALUE FIRST_HEADING_COLOUR = RGB(0, 140, 0);
constexpr RGB_VALUE HEADING_COLOUR = RGB(0, 0, 130);
constexpr RGB_VALUE BOX_COLOUR = RGB(0, 165, 255);
constexpr RGB_VALUE CELL_TEXT_COLOUR = RGB(0, 0, 0);
constexpr RGB_VALUE PROMPT_COLOUR = RGB(255, 133, 0);

constexpr int CELL_WIDTH_PX = 80;
constexpr int CELL_HEIGHT_PX = 20;
constexpr int GRID_LEFT = 15;
constexpr int TEXT_INSET_X = 3;
constexpr int TEXT_INSET_Y = 3;
constexpr int WIDE_HEADING_CHARACTERS = 30;

const PageLayout& layoutOf(int kind) { return TABLE_KIND(kind).layout == TableLayout::A ? LAYOUT_A : LAYOUT_B; }

int headingCharacters(const PageLayout& layout, bool wide) { return wide ? WIDE_HEADING_CHARACTERS : layout.heading_characters; }

// A text as a record shows it: up to its first zero byte, without trailing blanks.
std::string withoutPadding(const std::string& text) {
    int length = 0;
    NAMELEN(length, text);
    return FIRST_CHARACTERS(TEXT_BEFORE_ZERO(text), length);
}

void drawAt(int x, int y, RGB_VALUE colour, const std::string& text) {
    SET_COLOR_RGB(colour);
    DRAW_TEXT_AT(x, y, text);
}

// Cell texts: the row label in page column 1, the values after it.
void buildCellTexts(int rows, int columns, int first_row, int kind) {
    const TableKind& table = TABLE_KIND(kind);
    for (int r = 1; r <= rows; ++r) {
        const int row_number = static_cast<int>(std::lround(PAGE_VALUES(r, 1)));
        const std::string label = table.named_rows ? ROW_LABELS(first_row + r - 1).text()
                                                   : ROW_NUMBER_CELL_TEXT(row_number, table.layout);
        CELL_TEXTS((r - 1) * columns + 1).assign(label);
        for (int c = 2; c <= columns; ++c) CELL_TEXTS((r - 1) * columns + c).assign(VALUE_CELL_TEXT(PAGE_VALUES(r, c), kind));
    }
    for (int c = 1; c <= columns; ++c) HEADING_TEXTS(c).assign(PAGE_HEADINGS(c).text());
}

TABLE_PAGE pageRecord(int rows, int columns, int first_row, bool wide, int kind) {
    const TableKind& table = TABLE_KIND(kind);
    TABLE_PAGE page;
    page.kind = kind;
    page.first_row = first_row;
    page.title = table.title;
    page.caption = table.caption;
    page.subtitle = withoutPadding(PAGE_SUBTITLE.text());
    const int shown = headingCharacters(layoutOf(kind), wide);
    for (int c = 1; c <= columns; ++c) page.headings.push_back(withoutPadding(FIRST_CHARACTERS(HEADING_TEXTS(c).text(), shown)));
    for (int r = 1; r <= rows; ++r) {
        std::vector<std::string>& cells = page.rows.emplace_back();
        for (int c = 1; c <= columns; ++c) cells.push_back(withoutPadding(CELL_TEXTS((r - 1) * columns + c).text()));
    }
    return page;
}

// The frame at its table size, and a fresh "Table of results" window sized for the page.
void openPageWindow(int rows, int columns) {
    SET_WINDOW_PLACEMENT(FRAME_WINDOW, WINDOW_PLACEMENT{PLACE_POSITION_AND_SIZE, 0, 0, 650, 820});
    OPEN_CHILD_WINDOW(TABLE_CHANNEL, "Table of results");
    WINDOW_CONFIG config;
    config.pixel_width = -1;
    config.pixel_height = -1;
    config.text_columns = static_cast<int16_t>(PAGE_TEXT_COLUMNS(columns));
    config.text_rows = static_cast<int16_t>(PAGE_TEXT_ROWS(rows));
    // A refused request comes back adjusted to what the layer accepts; apply that.
    if (!SET_WINDOW_CONFIG(config)) SET_WINDOW_CONFIG(config);
    SET_BACKGROUND(WHITE);
    SET_TEXT_COLOR(BLACK);
    CLEAR_WINDOW();
    INITIALIZE_FONTS();
    SET_FONT(TITLE_FONT);
}

void drawTitles(int kind) {
    const TableKind& table = TABLE_KIND(kind);
    const PageLayout& layout = layoutOf(kind);
    drawAt(7, 3, layout.title_colour, table.title);
    if (table.layout == TableLayout::B) drawAt(15, 28, CAPTION_COLOUR, table.caption);
    drawAt(15, layout.subtitle_y, SUBTITLE_COLOUR, PAGE_SUBTITLE.text());
}

// The box of cell n (from 0, row by row over `columns`), with CELL_TEXTS(k) in it when k > 0.
void PRINTBOX(int n, int k, int columns, bool wide, const PageLayout& layout) {
    const int row = n / columns;
    const int column = n % columns;
    const int left = GRID_LEFT + CELL_WIDTH_PX * column;
    const int top = layout.top + CELL_HEIGHT_PX * row;
    SET_FONT(wide ? WIDE_CELL_FONT : CELL_FONT);
    SET_COLOR_RGB(BOX_COLOUR);
    RECTANGLE(DRAW_OUTLINE, left, top, left + CELL_WIDTH_PX, top + CELL_HEIGHT_PX);
    if (k > 0) drawAt(left + TEXT_INSET_X, top + TEXT_INSET_Y, CELL_TEXT_COLOUR, CELL_TEXTS(k).text());
}

// The date line, the headings, then every cell.
void PRINTINDEC(int rows, int columns, bool wide, int kind) {
    const PageLayout& layout = layoutOf(kind);
    const DateLine& date = DATE_LINE(kind);
    drawAt(date.label_x, 3, DATE_COLOUR, date.label);
    drawAt(date.date_x, 3, DATE_COLOUR, FORMAT_DATE(CURRENT_DATE_TIME()));

    SET_FONT(CELL_FONT);
    const int shown = headingCharacters(layout, wide);
    for (int c = 1; c <= columns; ++c) {
        drawAt(GRID_LEFT + CELL_WIDTH_PX * (c - 1), layout.top - CELL_HEIGHT_PX,
               c == 1 ? FIRST_HEADING_COLOUR : HEADING_COLOUR, FIRST_CHARACTERS(HEADING_TEXTS(c).text(), shown));
    }
    for (int n = 0; n < rows * columns; ++n) PRINTBOX(n, n + 1, columns, wide, layout);
}

}  // namespace

void DRAW_SHELLS(int rows, int columns, int first_row, bool wide, int kind) {
    assert(rows >= 1 && rows <= MAX_ROWS && columns >= 2 && columns <= MAX_PAGE_COLUMNS);
    const PageLayout& layout = layoutOf(kind);
    buildCellTexts(rows, columns, first_row, kind);
    openPageWindow(rows, columns);

    const TABLE_PAGE page = pageRecord(rows, columns, first_row, wide, kind);
    TELL_TABLE_PAGE(&page);
    drawTitles(kind);
    PRINTINDEC(rows, columns, wide, kind);
    TELL_TABLE_PAGE(nullptr);

    drawAt(PROMPT_X(columns, TABLE_KIND(kind).layout), rows * CELL_HEIGHT_PX + layout.prompt_below_rows, PROMPT_COLOUR,
           PROMPT);
    WAIT_FOR_LEFT_BUTTON();
    CLOSE_CHANNEL(TABLE_CHANNEL);
}

}  // namespace korvel
