#include "present/tables/table_kinds.h"

#include <algorithm>
#include <cassert>
#include <iterator>

namespace korvel {

namespace {

constexpr int LONG_PAGE = 200;
constexpr int SHORT_PAGE = 20;

constexpr TableKind KINDS[] = {
    {1, TableLayout::A, "SYSTEM EVOLUTION.", "", "Period    t", false, LONG_PAGE},
    {7, TableLayout::B, "OPTIMAL CONTROL.", "The nominal (desired) path of the system.", "  Period    t", false,
     SHORT_PAGE},
    {8, TableLayout::B, "OPTIMAL CONTROL.", "The diagonal elements of matrices {R(t)}, for every t.", "  Period    t",
     false, SHORT_PAGE},
    {9, TableLayout::B, "OPTIMAL CONTROL.", "The optimal state trajectory i.e. the sequence {x*(t)}.", "  Period    t",
     false, SHORT_PAGE},
    {10, TableLayout::B, "OPTIMAL CONTROL.", "The optimal control sequence {u*(t)}.", "  Period    t", false,
     SHORT_PAGE},
    {13, TableLayout::B, "STABILITY ANALYSIS.", "The real characteristic roots of matrix P.", "      No.", false,
     SHORT_PAGE},
    {16, TableLayout::B, "STABILITY ANALYSIS.",
     "Complex roots. Real part, coef. of imaginary part and their length.", "      No.", false, SHORT_PAGE},
    {17, TableLayout::B, "MATRIX PRESENTATION.", "Matrix Q for fixed-size projections.", "Row / Column", false,
     SHORT_PAGE},
    {18, TableLayout::B, "MATRIX PRESENTATION.", "The matrix [I - P]......", "Row / Column", false, SHORT_PAGE},
    {19, TableLayout::B, "MATRIX PRESENTATION.", ".....and its inverse.", "Row / Column", false, SHORT_PAGE},
    {20, TableLayout::B, "INITIAL DATA.", "Matrix X, inflows and outflows with row and column totals.",
     "Rows/Columns", true, LONG_PAGE},
    {22, TableLayout::B, "SYSTEM TRANSITION MATRIX.",
     "The coeficients matrix P, vector w* and the corresponding column totals.", "Rows/Columns", true, SHORT_PAGE},
};

// Layout B's date line stands 15 pixels right of its base positions.
constexpr int B_OFFSET = 15;
constexpr DateLine LAYOUT_A_DATE = {"   Date : ", 265, 364};
constexpr DateLine LAYOUT_B_DATE = {"    Date : ", 250 + B_OFFSET, 349 + B_OFFSET};
constexpr DateLine KIND_13_DATE = {"    Date : ", 300 + B_OFFSET, 400 + B_OFFSET};
constexpr DateLine KIND_22_DATE = {"            Date : ", 200 + B_OFFSET, 300 + B_OFFSET};

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
    if (kind == 13) return KIND_13_DATE;
    if (kind == 22) return KIND_22_DATE;
    return LAYOUT_B_DATE;
}

}  // namespace korvel
