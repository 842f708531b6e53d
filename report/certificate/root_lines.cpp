// The eigen pairs of P, obtained again from the solver on P converted to double exactly as the
// stability analysis hands it over; the analysis keeps the roots but not the vectors.

#include "analysis/eigen/eigen_solver.h"
#include "analysis/eigen/error_stack.h"
#include "model/model_state.h"
#include "report/certificate/certificate_parts.h"

#include <cmath>
#include <cstddef>
#include <cstdio>
#include <limits>

namespace korvel {

namespace {

// A backward-stable solver leaves a residual of a small multiple of n ε ‖P‖₁ ‖x‖₁; a ratio of
// 100 leaves room for N up to 55 and still catches a pair that is off by a few digits.
constexpr double RESIDUAL_LIMIT = 100.0;
// The solver's own limit: above it the index is poor.
constexpr double INDEX_LIMIT = 100.0;

// The 1-norm of a complex vector as the solver's index takes it: the sum of |Re| + |Im|.
double oneNorm(const ComplexDouble* x, int n) {
    double sum = 0.0;
    for (int i = 0; i < n; ++i) sum += std::abs(x[i].real()) + std::abs(x[i].imag());
    return sum;
}

// The largest column sum of absolute values of the column-stored n x n matrix a.
double oneNorm(const std::vector<double>& a, int n) {
    double largest = 0.0;
    for (int j = 0; j < n; ++j) {
        double sum = 0.0;
        for (int i = 0; i < n; ++i) sum += std::abs(a[static_cast<std::size_t>(i + j * n)]);
        if (sum > largest) largest = sum;
    }
    return largest;
}

// ‖P x - λ x‖₁
double residualNorm(const std::vector<double>& a, int n, ComplexDouble lambda, const ComplexDouble* x) {
    double sum = 0.0;
    for (int i = 0; i < n; ++i) {
        ComplexDouble r = -lambda * x[i];
        for (int k = 0; k < n; ++k) r += a[static_cast<std::size_t>(i + k * n)] * x[k];
        sum += std::abs(r.real()) + std::abs(r.imag());
    }
    return sum;
}

// "Root 2 (0.8123 + 0.0412i)", or "Root 1 (0.9000)" for a real root.
std::string subjectOf(int number, ComplexDouble lambda) {
    char text[96];
    if (lambda.imag() == 0.0)
        std::snprintf(text, sizeof text, "Root %d (%.4f)", number, lambda.real());
    else
        std::snprintf(text, sizeof text, "Root %d (%.4f %c %.4fi)", number, lambda.real(), lambda.imag() < 0.0 ? '-' : '+',
                      std::abs(lambda.imag()));
    return text;
}

}  // namespace

std::vector<CertificateLine> ROOT_LINES() {
    const int n = STAGE_COUNT;
    const std::size_t size = static_cast<std::size_t>(n) * static_cast<std::size_t>(n);
    std::vector<double> a(size);
    for (int j = 1; j <= n; ++j)
        for (int i = 1; i <= n; ++i) a[static_cast<std::size_t>((i - 1) + (j - 1) * n)] = MATRIX_X(i, j);
    std::vector<ComplexDouble> eval(static_cast<std::size_t>(n));
    std::vector<ComplexDouble> evec(size);
    DEVCRG(n, a.data(), n, eval.data(), evec.data(), n);
    if (SOLVER_STOPPED())
        return {{"Roots of P", "eigen-solver", "stopped", "ok when the solver returns its roots",
                 VERDICT(false, "the eigen-solver stopped")}};

    const double epsilon = std::numeric_limits<double>::epsilon();
    const double p_norm = oneNorm(a, n);
    std::vector<CertificateLine> lines;
    for (int j = 0; j < n; ++j) {
        const ComplexDouble lambda = eval[static_cast<std::size_t>(j)];
        const ComplexDouble* x = &evec[static_cast<std::size_t>(j) * static_cast<std::size_t>(n)];
        const std::string subject = subjectOf(j + 1, lambda);
        const double scaled = RATIO(residualNorm(a, n, lambda, x), n * epsilon * p_norm * oneNorm(x, n));
        lines.push_back({subject, "scaled residual",
                         NUMBER_TEXT(scaled, 2), "ok below " + NUMBER_TEXT(RESIDUAL_LIMIT, 3),
                         VERDICT(scaled < RESIDUAL_LIMIT, "the residual is " + NUMBER_TEXT(scaled, 2) + ", not below " +
                                                              NUMBER_TEXT(RESIDUAL_LIMIT, 3))});
        // The solver's index of this pair alone.
        const double index = DEPIRG(n, 1, a.data(), n, &lambda, x, n);
        lines.push_back({subject, "performance index", NUMBER_TEXT(index, 2),
                         "ok up to " + NUMBER_TEXT(INDEX_LIMIT, 3) + " (the solver's own limit)",
                         VERDICT(index <= INDEX_LIMIT, "the index is " + NUMBER_TEXT(index, 2) + ", above " +
                                                           NUMBER_TEXT(INDEX_LIMIT, 3))});
    }
    return lines;
}

}  // namespace korvel
