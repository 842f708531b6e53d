#pragma once
// The kinds of result table: what each one is called, how it is laid out and paged.

namespace korvel {

// The result tables, by the kind number each is known by.
enum TableKindNumber : int {
    PROJECTIONS_TABLE = 1,
    NOMINAL_PATH_TABLE = 7,
    RICCATI_DIAGONAL_TABLE = 8,
    OPTIMAL_STATE_TABLE = 9,
    OPTIMAL_CONTROL_TABLE = 10,
    REAL_ROOTS_TABLE = 13,
    COMPLEX_ROOTS_TABLE = 16,
    MATRIX_Q_TABLE = 17,
    I_MINUS_P_TABLE = 18,
    INVERSE_TABLE = 19,
    INITIAL_DATA_TABLE = 20,
    TRANSITION_MATRIX_TABLE = 22,
};

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
