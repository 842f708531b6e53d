#include "present/tables/table_kinds.h"

#include <algorithm>
#include <cassert>
#include <iterator>

namespace korvel {

namespace {

constexpr int LONG_PAGE = 200;
constexpr int SHORT_PAGE = 20;

// The program's own texts, kept exactly as it shows them, misspellings included: never correct them.
constexpr TableKind KINDS[] = {
    {PROJECTIONS_TABLE, TableLayout::A, "SYSTEM EVOLUTION.", "", "Period    t", false, LONG_PAGE},
    {NOMINAL_PATH_TABLE, TableLayout::B, "OPTIMAL CONTROL.", "The nominal (desired) path of the system.", "  Period    t", false,
     SHORT_PAGE},
    {RICCATI_DIAGONAL_TABLE, TableLayout::B, "OPTIMAL CONTROL.", "The diagonal elements of matrices {R(t)}, for every t.", "  Period    t",
     false, SHORT_PAGE},
    {OPTIMAL_STATE_TABLE, TableLayout::B, "OPTIMAL CONTROL.", "The optimal state trajectory i.e. the sequence {x*(t)}.", "  Period    t",
     false, SHORT_PAGE},
    {OPTIMAL_CONTROL_TABLE, TableLayout::B, "OPTIMAL CONTROL.", "The optimal control sequence {u*(t)}.", "  Period    t", false,
     SHORT_PAGE},
    {REAL_ROOTS_TABLE, TableLayout::B, "STABILITY ANALYSIS.", "The real characteristic roots of matrix P.", "      No.", false,
     SHORT_PAGE},
    {COMPLEX_ROOTS_TABLE, TableLayout::B, "STABILITY ANALYSIS.",
     "Complex roots. Real part, coef. of imaginary part and their length.", "      No.", false, SHORT_PAGE},
    {MATRIX_Q_TABLE, TableLayout::B, "MATRIX PRESENTATION.", "Matrix Q for fixed-size projections.", "Row / Column", false,
     SHORT_PAGE},
    {I_MINUS_P_TABLE, TableLayout::B, "MATRIX PRESENTATION.", "The matrix [I - P]......", "Row / Column", false, SHORT_PAGE},
    {INVERSE_TABLE, TableLayout::B, "MATRIX PRESENTATION.", ".....and its inverse.", "Row / Column", false, SHORT_PAGE},
    {INITIAL_DATA_TABLE, TableLayout::B, "INITIAL DATA.", "Matrix X, inflows and outflows with row and column totals.",
     "Rows/Columns", true, LONG_PAGE},
    {TRANSITION_MATRIX_TABLE, TableLayout::B, "SYSTEM TRANSITION MATRIX.",
     "The coeficients matrix P, vector w* and the corresponding column totals.", "Rows/Columns", true, SHORT_PAGE},
};

// Layout B's date line stands 15 pixels right of its base positions.
constexpr int B_OFFSET = 15;
constexpr DateLine LAYOUT_A_DATE = {"   Date : ", 265, 364};
constexpr DateLine LAYOUT_B_DATE = {"    Date : ", 250 + B_OFFSET, 349 + B_OFFSET};
constexpr DateLine REAL_ROOTS_DATE = {"    Date : ", 300 + B_OFFSET, 400 + B_OFFSET};
constexpr DateLine TRANSITION_MATRIX_DATE = {"            Date : ", 200 + B_OFFSET, 300 + B_OFFSET};

const TableKind* findKind(int kind) {
    const auto found = std::find_if(std::begin(KINDS), std::end(KINDS), [kind](const TableKind& k) { return k.kind == kind; });
    return found == std::end(KINDS) ? nullptr : found;
}

}  // namespace

bool IS_TABLE_KIND(int kind) { return findKind(kind) != nullptr; }

const TableKind& TABLE_KIND(int kind) {
    const TableKind* found = findKind(kind);
    assert(found != nullptr && "unknown table kind");
    return *found;
}

const DateLine& DATE_LINE(int kind) {
    if (TABLE_KIND(kind).layout == TableLayout::A) return LAYOUT_A_DATE;
    if (kind == REAL_ROOTS_TABLE) return REAL_ROOTS_DATE;
    if (kind == TRANSITION_MATRIX_TABLE) return TRANSITION_MATRIX_DATE;
    return LAYOUT_B_DATE;
}

}  // namespace korvel
