#include "analysis/stability.h"

#include "analysis/eigen/eigen_solver.h"
#include "analysis/eigen/error_stack.h"
#include "analysis/eigen/machine_constants.h"
#include "model/messages.h"
#include "model/model_state.h"
#include "present/tables/result_tables.h"
#include "present/tables/table_kinds.h"
#include "present/window/window_layer.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

namespace korvel {

double PERFORMANCE_INDEX = 0.0;

namespace {

// Parts no larger than this are rounding noise of a zero.
constexpr float ZERO_THRESHOLD = 2e-9f;
constexpr int VERDICT_PAUSE = 2500;

struct Root {
    float re = 0.0f;
    float im = 0.0f;
    float length = 0.0f;
};

// The roots in single precision, near-zero parts made zero; `complex` tells whether any
// imaginary part survived.
std::vector<Root> singlePrecisionRoots(const std::vector<ComplexDouble>& eval, bool& complex) {
    std::vector<Root> roots(eval.size());
    complex = false;
    for (std::size_t i = 0; i < eval.size(); ++i) {
        Root& root = roots[i];
        root.re = static_cast<float>(eval[i].real());
        root.im = static_cast<float>(eval[i].imag());
        if (std::abs(root.im) > ZERO_THRESHOLD) complex = true;
        if (std::abs(root.im) <= ZERO_THRESHOLD) root.im = 0.0f;
        if (std::abs(root.re) <= ZERO_THRESHOLD) root.re = 0.0f;
        root.length = std::sqrt(root.re * root.re + root.im * root.im);
    }
    return roots;
}

void showRootsTable(const std::vector<Root>& roots, bool complex) {
    const int n = static_cast<int>(roots.size());
    for (int i = 1; i <= n; ++i) {
        const Root& root = roots[static_cast<std::size_t>(i - 1)];
        ROW_NUMBERS(i) = i;
        RESULT_TABLE(i, 1) = root.re;
        if (complex) {
            RESULT_TABLE(i, 2) = root.im;
            RESULT_TABLE(i, 3) = root.length;
        }
    }
    if (complex) {
        COLUMN_LABELS(1).assign("Real part");
        COLUMN_LABELS(2).assign("Imag. part");
        COLUMN_LABELS(3).assign("  Length");
        PRINTNNN(3, n, COMPLEX_ROOTS_TABLE, true, COLUMN_LABELS);
    } else {
        COLUMN_LABELS(1).assign(" Eigenvalues");
        PRINTNNN(1, n, REAL_ROOTS_TABLE, true, COLUMN_LABELS);
    }
    FOCUS_CHANNEL(INDICATIONS_WINDOW);
    CLEAR_WINDOW();
}

// Roots beyond the range of 32-bit reals (or their lengths) can be neither shown nor judged.
bool rootsAreFinite(const std::vector<Root>& roots) {
    for (const Root& root : roots)
        if (!std::isfinite(root.re) || !std::isfinite(root.im) || !std::isfinite(root.length)) {
            SHOW_MESSAGE(" The characteristic roots of matrix P are not finite: no verdict can be drawn. ",
                         " Roots not finite", MB_EXCLAMATION);
            return false;
        }
    return true;
}

// The largest column sum of |A|, A being n x n with leading dimension lda.
double oneNorm(const std::vector<double>& a, int lda, int n) {
    double norm = 0.0;
    for (int j = 0; j < n; ++j) {
        double column = 0.0;
        for (int i = 0; i < n; ++i) column += std::abs(a[static_cast<std::size_t>(i) + static_cast<std::size_t>(j) * static_cast<std::size_t>(lda)]);
        norm = std::max(norm, column);
    }
    return norm;
}

// The roots are as accurate as about n ε ‖P‖₁. When a length that far from the dominant one,
// on either side, would give the other verdict in 32 bits, the roots cannot decide it: the
// entries of P swamp the roots (a P of entries near 1e32 gives roots 0 for roots near 1).
bool rootsDecideTheVerdict(float dominant, double accuracy) {
    const double low = std::max(0.0, static_cast<double>(dominant) - accuracy);
    const double high = static_cast<double>(dominant) + accuracy;
    if ((static_cast<float>(low) >= 1.0f) == (static_cast<float>(high) >= 1.0f)) return true;
    SHOW_MESSAGE(" The entries of matrix P are too large for its characteristic roots to decide the stability: no verdict can be drawn. ",
                 " Roots not accurate", MB_EXCLAMATION);
    return false;
}

// The length of the dominant root; of equal lengths the first counts.
float dominantLength(const std::vector<Root>& roots) {
    float largest = roots.front().length;
    for (const Root& root : roots)
        if (root.length > largest) largest = root.length;
    return largest;
}

// The program's own texts, kept exactly as it shows them, misspellings included: never correct them.
const char* verdict(bool complex, float dominant) {
    if (dominant >= 1.0f) return complex ? "=== THE SYSTEM IS UNSTABLE ===" : "=== THEE SYSTEM IS UNSTABLE ===";
    return "=== THE SYSTEM IS STABLE ===";
}

void showVerdict(const char* text) {
    SET_FONT("t'Arial'h18w8");
    WRITE_TEXT(INDICATIONS_WINDOW, "");
    CLEAR_WINDOW();
    MOVE_TO(10, 25);
    DRAW_TEXT(text);
    SLEEP(VERDICT_PAUSE);
    CLEAR_WINDOW();
}

}  // namespace

void EIGEN(int& lda, int& ldevec, int& n) {
    std::vector<double> a(static_cast<std::size_t>(lda) * static_cast<std::size_t>(n));
    std::vector<ComplexDouble> eval(static_cast<std::size_t>(n));
    std::vector<ComplexDouble> evec(static_cast<std::size_t>(ldevec) * static_cast<std::size_t>(n));
    for (int j = 1; j <= n; ++j)
        for (int i = 1; i <= n; ++i)
            a[static_cast<std::size_t>(i - 1) + static_cast<std::size_t>(j - 1) * static_cast<std::size_t>(lda)] = MATRIX_P(i, j);
    // Solve
    DEVCRG(n, a.data(), lda, eval.data(), evec.data(), ldevec);
    if (SOLVER_STOPPED()) return;
    PERFORMANCE_INDEX = DEPIRG(n, n, a.data(), lda, eval.data(), evec.data(), ldevec);
    if (SOLVER_STOPPED()) return;
    // Show the roots and the verdict
    bool complex = false;
    const std::vector<Root> roots = singlePrecisionRoots(eval, complex);
    if (!rootsAreFinite(roots)) return;
    const float dominant = dominantLength(roots);
    if (!rootsDecideTheVerdict(dominant, n * DMACH(4) * oneNorm(a, lda, n))) return;
    showRootsTable(roots, complex);
    showVerdict(verdict(complex, dominant));
}

}  // namespace korvel
