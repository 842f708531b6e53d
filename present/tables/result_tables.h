#pragma once
// The result tables: the shared RESULT_TABLE shown page by page as drawn tables.

#include "model/model_state.h"

namespace korvel {

// Shows RESULT_TABLE rows 1..row_count, columns 1..column_count as a table of the given kind,
// page by page; returns after the user has clicked through every page. `wide` is true only for
// the stability tables.
void PRINTNNN(int column_count, int row_count, int kind, bool wide, const Vector<Label, MAX_STAGES>& column_labels);

}  // namespace korvel
