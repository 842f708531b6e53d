#include "analysis/eigen/schur_vectors.h"

#include <algorithm>
#include <cmath>

namespace korvel {

namespace {

using Complex = std::complex<double>;

// One back-substitution for the root `lambda` of T: x solves (T - λ) x = 0 with its components
// from `first` to `last` already set. `rest` holds, for the rows above `first`, minus the sum of
// the known components times their columns of T.
template <typename Scalar>
class BackSubstitution {
public:
    BackSubstitution(const WorkMatrix& t, const SchurForm& form, Scalar lambda, double zero_pivot, double epsilon,
                     WorkVector<Scalar>& x, WorkVector<Scalar>& rest)
        : m_t(t), m_form(form), m_lambda(lambda), m_zero_pivot(zero_pivot), m_epsilon(epsilon), m_x(x), m_rest(rest) {}

    void solve(int first, int last) {
        m_last = last;
        for (int i = 1; i < first; ++i) m_rest(i) = Scalar(0);
        for (int j = first; j <= last; ++j) subtractColumn(j, first - 1);
        int i = first - 1;
        while (i >= 1) {
            if (i >= 2 && m_form.wi(i) < 0.0) {
                solveBlock(i - 1);
                i -= 2;
            } else {
                solveOne(i);
                i -= 1;
            }
        }
    }

private:
    // rest(1..above) -= T(1..above, j) x(j)
    void subtractColumn(int j, int above) {
        const Scalar xj = m_x(j);
        for (int i = 1; i <= above; ++i) m_rest(i) -= m_t(i, j) * xj;
    }

    void solveOne(int i) {
        Scalar pivot = m_t(i, i) - m_lambda;
        if (pivot == Scalar(0)) pivot = m_zero_pivot;
        m_x(i) = m_rest(i) / pivot;
        protectFromOverflow(i, std::abs(m_x(i)));
        subtractColumn(i, i - 1);
    }

    // Rows i, i+1 hold the 2 x 2 block of a complex pair μ, μ̄; its determinant after the shift
    // by λ is (λ - μ)(λ - μ̄), taken from the roots for accuracy.
    void solveBlock(int i) {
        const Scalar w = m_t(i, i) - m_lambda;
        const double x = m_t(i, i + 1);
        const double y = m_t(i + 1, i);
        const Scalar zz = m_t(i + 1, i + 1) - m_lambda;
        const Scalar offset = m_lambda - m_form.wr(i);
        Scalar determinant = offset * offset + m_form.wi(i) * m_form.wi(i);
        if (determinant == Scalar(0)) determinant = m_zero_pivot;
        const Scalar upper = (m_rest(i) * zz - x * m_rest(i + 1)) / determinant;
        m_x(i) = upper;
        m_x(i + 1) = std::abs(x) > std::abs(zz) ? (m_rest(i) - w * upper) / x : (m_rest(i + 1) - y * upper) / zz;
        protectFromOverflow(i, std::max(std::abs(m_x(i)), std::abs(m_x(i + 1))));
        subtractColumn(i, i - 1);
        subtractColumn(i + 1, i - 1);
    }

    // Scales the vector down when a component grows so large that its square would overflow.
    void protectFromOverflow(int i, double size) {
        if (m_epsilon * size * size <= 1.0) return;
        for (int j = i; j <= m_last; ++j) m_x(j) /= size;
        for (int j = 1; j < i; ++j) m_rest(j) /= size;
    }

    const WorkMatrix& m_t;
    const SchurForm& m_form;
    Scalar m_lambda;
    double m_zero_pivot;
    double m_epsilon;
    WorkVector<Scalar>& m_x;
    WorkVector<Scalar>& m_rest;
    int m_last = 0;
};

void solveRealRoot(const WorkMatrix& t, const SchurForm& form, int en, double zero_pivot, double epsilon,
                   BackSubstitutionScratch& scratch, WorkMatrix& solution) {
    WorkVector<double>& x = scratch.real_vector;
    x(en) = 1.0;
    BackSubstitution<double>(t, form, form.wr(en), zero_pivot, epsilon, x, scratch.real_rest).solve(en, en);
    const int n = t.order();
    for (int i = 1; i <= n; ++i) solution(i, en) = i <= en ? x(i) : 0.0;
}

// The pair's own block fixes the last two components: the last is 1 and the other follows from
// the block row with the larger off-diagonal element.
void solveComplexPair(const WorkMatrix& t, const SchurForm& form, int na, double zero_pivot, double epsilon,
                      BackSubstitutionScratch& scratch, WorkMatrix& solution) {
    const int en = na + 1;
    const Complex lambda(form.wr(na), form.wi(na));
    WorkVector<Complex>& x = scratch.complex_vector;
    x(en) = 1.0;
    if (std::abs(t(en, na)) > std::abs(t(na, en)))
        x(na) = (lambda - t(en, en)) / t(en, na);
    else
        x(na) = -t(na, en) / (t(na, na) - lambda);
    BackSubstitution<Complex>(t, form, lambda, zero_pivot, epsilon, x, scratch.complex_rest).solve(na, en);
    const int n = t.order();
    for (int i = 1; i <= n; ++i) {
        solution(i, na) = i <= en ? x(i).real() : 0.0;
        solution(i, en) = i <= en ? x(i).imag() : 0.0;
    }
}

// vectors = z · solution, where column j of the solution ends at row j, or j+1 for the first
// column of a complex pair.
void transformBack(const WorkMatrix& z, const SchurForm& form, const WorkMatrix& solution, WorkMatrix& vectors) {
    const int n = z.order();
    for (int j = 1; j <= n; ++j) {
        for (int i = 1; i <= n; ++i) vectors(i, j) = 0.0;
        const int last = form.wi(j) > 0.0 ? j + 1 : j;
        for (int k = 1; k <= last; ++k) {
            const double factor = solution(k, j);
            if (factor == 0.0) continue;
            for (int i = 1; i <= n; ++i) vectors(i, j) += z(i, k) * factor;
        }
    }
}

}  // namespace

void COMPUTE_EIGENVECTORS(const WorkMatrix& t, const WorkMatrix& z, const SchurForm& form, double epsilon,
                          double smallest, WorkMatrix& solution, BackSubstitutionScratch& scratch, WorkMatrix& vectors) {
    // A zero pivot means a repeated root: it is replaced by a tiny multiple of the norm.
    const double zero_pivot = form.norm > 0.0 ? epsilon * form.norm : smallest;
    const int n = t.order();
    for (int en = n; en >= 1; --en) {
        if (form.wi(en) == 0.0)
            solveRealRoot(t, form, en, zero_pivot, epsilon, scratch, solution);
        else if (form.wi(en) < 0.0)
            solveComplexPair(t, form, en - 1, zero_pivot, epsilon, scratch, solution);
    }
    transformBack(z, form, solution, vectors);
}

}  // namespace korvel
