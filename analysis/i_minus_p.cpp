#include "analysis/i_minus_p.h"

#include "analysis/matrix_inverse.h"
#include "model/messages.h"

#include <cmath>

namespace korvel {

Matrix<float, MAX_STAGES, MAX_STAGES> I_MINUS_P;
Matrix<float, MAX_STAGES, MAX_STAGES> I_MINUS_P_INVERSE;

namespace {

void formIMinusP(int n, Matrix<double, MAX_STAGES, MAX_STAGES>& b) {
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j) {
            const double p = MATRIX_X(i, j);
            b(i, j) = i == j ? 1.0 - p : -p;
        }
    I_MINUS_P.fill(0.0f);
    I_MINUS_P_INVERSE.fill(0.0f);
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j) I_MINUS_P(i, j) = static_cast<float>(b(i, j));
}

// Each term is rounded to whole persons before it is added.
void computeSteadyState(int n, Vector<float, MAX_STAGES>& steady_state) {
    for (int i = 1; i <= n; ++i) {
        float sum = 0.0f;
        for (int j = 1; j <= n; ++j) sum += std::round(INFLOWS(j) * I_MINUS_P_INVERSE(j, i));
        steady_state(i) = sum;
    }
}

}  // namespace

void GETMATRIXIMA(int n, Vector<float, MAX_STAGES>& steady_state, bool no_steady_state) {
    I_MINUS_P_SINGULAR = false;
    static Matrix<double, MAX_STAGES, MAX_STAGES> b;
    formIMinusP(n, b);

    int ierr = MATINV_INVERTED;
    MATINV(b, n, ierr);
    if (ierr != MATINV_INVERTED) {
        I_MINUS_P_SINGULAR = true;
        if (ierr == MATINV_SINGULAR) SHOW_MESSAGE(" The matrix (\u0399 - P') is singular ", " Singular matrix ", MB_EXCLAMATION);
        return;
    }
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j) I_MINUS_P_INVERSE(i, j) = static_cast<float>(b(i, j));
    if (!no_steady_state) computeSteadyState(n, steady_state);
}

}  // namespace korvel
