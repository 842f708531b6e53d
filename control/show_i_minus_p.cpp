#include "analysis/i_minus_p.h"
#include "analysis/numbered_label.h"
#include "analysis/prerequisites.h"
#include "control/control_commands.h"
#include "model/model_state.h"
#include "present/tables/result_tables.h"
#include "present/tables/table_kinds.h"

namespace korvel {

namespace {


void showMatrix(int n, const Matrix<float, MAX_STAGES, MAX_STAGES>& matrix, int kind) {
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j) RESULT_TABLE(i, j) = matrix(i, j);
    PRINTNNN(n, n, kind, false, COLUMN_LABELS);
}

}  // namespace

void SHOWI_A(bool) {
    if (!DATA_ARE_READ() || !P_IS_FORMED()) return;
    const int n = STAGE_COUNT;
    for (int i = 1; i <= n; ++i) {
        ROW_NUMBERS(i) = i;
        COLUMN_LABELS(i) = NUMBERED_LABEL("  Column", i);
    }
    // The steady state is not asked for, so this vector is never written.
    Vector<float, MAX_STAGES> unused_steady_state;
    GETMATRIXIMA(n, unused_steady_state, true);
    showMatrix(n, I_MINUS_P, I_MINUS_P_TABLE);
    if (!I_MINUS_P_SINGULAR) showMatrix(n, I_MINUS_P_INVERSE, INVERSE_TABLE);
}

}  // namespace korvel
