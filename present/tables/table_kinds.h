#pragma once
// The kinds of result table: what each one is called, how it is laid out and paged.

namespace korvel {

// Layout A serves the projections table, layout B every other kind.
enum class TableLayout { A, B };

struct TableKind {
    int kind;
    TableLayout layout;
    const char* title;
    const char* caption;  // empty for none
    const char* first_heading;
    bool named_rows;  // the rows carry ROW_LABELS instead of their numbers
    int rows_per_page;
};

// Where the date line of a page stands: its label, then the date.
struct DateLine {
    const char* label;
    int label_x;
    int date_x;
};

// The kind's description; the kind must be one the system uses.
const TableKind& TABLE_KIND(int kind);
bool IS_TABLE_KIND(int kind);

const DateLine& DATE_LINE(int kind);

}  // namespace korvel
