// The inverse M of [I - P], obtained again by the inversion's own elimination on [I - P] in
// double, as the [I - P] command forms it; the command keeps M only in 32-bit reals.

#include "analysis/matrix_inverse.h"
#include "model/model_state.h"
#include "report/certificate/certificate_parts.h"

#include <cmath>
#include <cstddef>

namespace korvel {

namespace {

constexpr const char* SUBJECT = "[I - P] inverse";

// The kept inverse and the data it comes from are 32-bit reals: their relative precision.
constexpr double SINGLE_EPSILON = 1.0 / (1 << 23);
// Since M - [I - P]^-1 = [I - P]^-1 ((I - P)M - I), a residual below the 32-bit precision keeps
// the inversion's own error below what storing M in 32 bits adds.
constexpr double RESIDUAL_LIMIT = SINGLE_EPSILON;
// P is held to half a unit of the 32-bit precision, so M can be wrong by κ times that: below
// this limit it keeps at least three correct digits, enough for steady states in the thousands.
constexpr double CONDITION_LIMIT = 1e4;

// A row-stored n x n matrix.
struct Square {
    int n;
    std::vector<double> values;
    double& operator()(int i, int j) { return values[static_cast<std::size_t>((i - 1) * n + (j - 1))]; }
    double operator()(int i, int j) const { return values[static_cast<std::size_t>((i - 1) * n + (j - 1))]; }
};

Square square(int n) { return Square{n, std::vector<double>(static_cast<std::size_t>(n) * static_cast<std::size_t>(n))}; }

double oneNorm(const Square& a) { return ONE_NORM(a.values.data(), a.n, a.n); }

// [I - P] from P in MATRIX_X, exact in double.
Square iMinusP(int n) {
    Square b = square(n);
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j) b(i, j) = (i == j ? 1.0 : 0.0) - static_cast<double>(MATRIX_X(i, j));
    return b;
}

// The elimination the inversion runs, with its outcome, on working rows in memory.
int invert(Square& m) {
    const int n = m.n;
    Square rhs = square(n), reduced = square(n);
    std::vector<double*> rhs_rows, reduced_rows;
    for (int i = 1; i <= n; ++i) {
        rhs_rows.push_back(&rhs(i, 1));
        reduced_rows.push_back(&reduced(i, 1));
    }
    return GAUSS_JORDAN(m.values.data(), n, n, WORKING_ROWS{rhs_rows.data(), reduced_rows.data()}, SINGLE_ROUNDING);
}

// ‖B M - I‖₁
double residualNorm(const Square& b, const Square& m) {
    Square r = square(b.n);
    for (int i = 1; i <= b.n; ++i)
        for (int j = 1; j <= b.n; ++j) {
            double sum = i == j ? -1.0 : 0.0;
            for (int k = 1; k <= b.n; ++k) sum += b(i, k) * m(k, j);
            r(i, j) = sum;
        }
    return oneNorm(r);
}

// The correct digits a relative error of κ times the 32-bit rounding leaves, none at worst.
int correctDigits(double condition) {
    const double digits = std::floor(-std::log10(condition * SINGLE_ROUNDING));
    return std::isfinite(digits) && digits > 0.0 ? static_cast<int>(digits) : 0;
}

}  // namespace

std::vector<CertificateLine> INVERSE_LINES() {
    const int n = STAGE_COUNT;
    const Square b = iMinusP(n);
    Square m = b;
    const int outcome = invert(m);
    if (outcome == MATINV_SINGULAR)
        return {{SUBJECT, "condition number", "infinite (a zero pivot)", "ok below " + NUMBER_TEXT(CONDITION_LIMIT, 3),
                 VERDICT(false, "[I - P] is singular, it has no inverse")}};

    const double condition = oneNorm(b) * oneNorm(m);
    const std::string condition_text = NUMBER_TEXT(condition, 2);
    // The program shows no such inverse: it treats [I - P] as singular, as the certificate does.
    if (outcome == MATINV_NO_CORRECT_DIGIT)
        return {{SUBJECT, "condition number ||I - P||1 ||M||1", condition_text + " (no correct digit)",
                 "ok below " + NUMBER_TEXT(CONDITION_LIMIT, 2) + "; singular from " + NUMBER_TEXT(1.0 / SINGLE_ROUNDING, 2),
                 VERDICT(false, "[I - P] is singular within the rounding of P, its inverse has no correct digit")}};

    const double residual = residualNorm(b, m);
    const int digits = correctDigits(condition);
    return {
        {SUBJECT, "residual ||(I - P)M - I||1", NUMBER_TEXT(residual, 2),
         "ok below " + NUMBER_TEXT(RESIDUAL_LIMIT, 2) + " (the precision of the 32-bit reals M is kept in)",
         VERDICT(residual < RESIDUAL_LIMIT, "the residual is " + NUMBER_TEXT(residual, 2) + ", not below " +
                                                NUMBER_TEXT(RESIDUAL_LIMIT, 2))},
        {SUBJECT, "condition number ||I - P||1 ||M||1",
         condition_text + " (about " + std::to_string(digits) + " correct digit" + (digits == 1 ? "" : "s") + ")",
         "ok below " + NUMBER_TEXT(CONDITION_LIMIT, 2) + " (at least 3 correct digits from P held in 32-bit reals)",
         VERDICT(condition < CONDITION_LIMIT, "the condition number is " + condition_text + ", not below " +
                                                  NUMBER_TEXT(CONDITION_LIMIT, 2) + ": " + std::to_string(digits) +
                                                  " correct digit" + (digits == 1 ? "" : "s") + " at most")},
    };
}

}  // namespace korvel
