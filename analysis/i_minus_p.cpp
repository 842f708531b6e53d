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

// Each term is rounded to whole persons before it is added. A steady state beyond the range of
// 32-bit reals is refused, and the previous one kept.
void computeSteadyState(int n, Vector<float, MAX_STAGES>& steady_state) {
    Vector<float, MAX_STAGES> sums;
    for (int i = 1; i <= n; ++i) {
        float sum = 0.0f;
        for (int j = 1; j <= n; ++j) sum += std::round(INFLOWS(j) * I_MINUS_P_INVERSE(j, i));
        if (!std::isfinite(sum)) {
            SHOW_MESSAGE(" The steady state is not finite: it cannot be used. ", " Steady state not finite", MB_EXCLAMATION);
            return;
        }
        sums(i) = sum;
    }
    for (int i = 1; i <= n; ++i) steady_state(i) = sums(i);
}

}  // namespace

void GETMATRIXIMA(int n, Vector<float, MAX_STAGES>& steady_state, bool no_steady_state) {
    I_MINUS_P_SINGULAR = false;
    static Matrix<double, MAX_STAGES, MAX_STAGES> b;
    formIMinusP(n, b);

    int ierr = MATINV_INVERTED;
    // P is held in 32-bit reals: an inverse with no correct digit at that rounding is refused as
    // a zero pivot is. Any inverse beyond the range of 32-bit reals is such a one, since a
    // diagonal of [I - P] that is not zero is at least the rounding of P.
    MATINV(b, n, ierr, SINGLE_ROUNDING);
    if (ierr != MATINV_INVERTED) {
        I_MINUS_P_SINGULAR = true;
        if (ierr != MATINV_FILE_FAILED) SHOW_MESSAGE(" The matrix (\u0399 - P') is singular ", " Singular matrix ", MB_EXCLAMATION);
        return;
    }
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j) I_MINUS_P_INVERSE(i, j) = static_cast<float>(b(i, j));
    if (!no_steady_state) computeSteadyState(n, steady_state);
}

}  // namespace korvel
