#include "control/riccati_solver.h"

#include "analysis/matrix_inverse.h"

#include <cassert>
#include <cmath>
#include <functional>
#include <vector>

namespace korvel {

namespace {

// A working matrix of the solve, sized on entry: element (i, j) counted from 1, row by row.
// A vector is a block of one column.
class Block {
public:
    Block(int rows, int columns)
        : m_rows(rows), m_columns(columns), m_values(static_cast<size_t>(rows) * static_cast<size_t>(columns), 0.0f) {}
    float& operator()(int i, int j = 1) { return m_values[index(i, j)]; }
    float operator()(int i, int j = 1) const { return m_values[index(i, j)]; }
    int rows() const { return m_rows; }
    int columns() const { return m_columns; }
    float* data() { return m_values.data(); }
    const float* data() const { return m_values.data(); }

private:
    size_t index(int i, int j) const {
        assert(i >= 1 && i <= m_rows && j >= 1 && j <= m_columns);
        return static_cast<size_t>((i - 1) * m_columns + (j - 1));
    }

    int m_rows;
    int m_columns;
    std::vector<float> m_values;
};

// Every product is summed in 32-bit floats in ascending index order.
Block product(const Block& a, const Block& b) {
    assert(a.columns() == b.rows());
    Block c(a.rows(), b.columns());
    for (int i = 1; i <= a.rows(); ++i)
        for (int j = 1; j <= b.columns(); ++j) {
            float sum = 0.0f;
            for (int k = 1; k <= a.columns(); ++k) sum += a(i, k) * b(k, j);
            c(i, j) = sum;
        }
    return c;
}

Block transposed(const Block& a) {
    Block t(a.columns(), a.rows());
    for (int i = 1; i <= a.rows(); ++i)
        for (int j = 1; j <= a.columns(); ++j) t(j, i) = a(i, j);
    return t;
}

template <typename Operation>
Block elementwise(const Block& a, const Block& b, Operation operation) {
    assert(a.rows() == b.rows() && a.columns() == b.columns());
    Block c(a.rows(), a.columns());
    for (int i = 1; i <= a.rows(); ++i)
        for (int j = 1; j <= a.columns(); ++j) c(i, j) = operation(a(i, j), b(i, j));
    return c;
}
Block plus(const Block& a, const Block& b) { return elementwise(a, b, std::plus<float>()); }
Block minus(const Block& a, const Block& b) { return elementwise(a, b, std::minus<float>()); }

// The system: A, B, their transposes and the initial state.
struct System {
    int n;
    int m;
    Block a, b, at, bt, x0;
};

System systemOf(int n, int m) {
    System s{n, m, Block(m, m), Block(m, n), Block(m, m), Block(n, m), Block(m, 1)};
    // P as the model holds it; the stock of stage i is the sum over j of p_ji x_j(t-1).
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j) s.a(i, j) = MATRIX_X(j, i);
    for (int i = 1; i <= n; ++i) {
        s.b(i, i) = 1.0f;
        s.b(n + i, i) = 1.0f;
        s.x0(i) = INITIAL_STOCKS(i);
        s.x0(n + i) = INFLOWS(i);
    }
    s.at = transposed(s.a);
    s.bt = transposed(s.b);
    return s;
}

Block weightsOf(int t, int m) {
    Block r(m, m);
    for (int i = 1; i <= m; ++i) r(i, i) = PATH_WEIGHTS(t, i);
    return r;
}

Block nominalOf(int t, int m) {
    Block a(m, 1);
    for (int i = 1; i <= m; ++i) a(i) = NOMINAL_PATH(t, i);
    return a;
}

// The cost-to-go at period t is x'K(t)x + 2h(t)'x (plus a constant).
struct CostToGo {
    Block k;
    Block h;
};

// The rule of one period, u = G x(t-1) + g, with the products the step back reuses.
struct Rule {
    Block gain;    // G(t), n x m
    Block offset;  // g(t), n
    Block btka;    // B'K(t)A
    Block bth;     // B'h(t)
};

CostToGo terminalCost(int period_count, int m) {
    const Block r = weightsOf(period_count, m);
    Block h = product(r, nominalOf(period_count, m));
    for (int i = 1; i <= m; ++i) h(i) = -h(i);
    return CostToGo{r, h};
}

// G(t) = S(t)^-1 B'K(t)A and g(t) = S(t)^-1 B'h(t), S(t) = -(B'K(t)B) inverted in 64-bit.
// False when S(t) is singular.
bool formRule(const System& s, const CostToGo& cost, SolverWorkPlace& place, Rule& rule) {
    const Block btk = product(s.bt, cost.k);
    const Block btkb = product(btk, s.b);
    RuleInverse inverse;
    for (int i = 1; i <= s.n; ++i)
        for (int j = 1; j <= s.n; ++j) inverse(i, j) = -static_cast<double>(btkb(i, j));
    if (place.invert(inverse, s.n) != MATINV_INVERTED) return false;
    Block s_inverse(s.n, s.n);
    for (int i = 1; i <= s.n; ++i)
        for (int j = 1; j <= s.n; ++j) s_inverse(i, j) = static_cast<float>(inverse(i, j));
    rule.btka = product(btk, s.a);
    rule.bth = product(s.bt, cost.h);
    rule.gain = product(s_inverse, rule.btka);
    rule.offset = product(s_inverse, rule.bth);
    return true;
}

// From period t to t - 1:
//   h(t-1) = A'h(t) + G(t)'B'h(t) - R(t-1)a(t-1)
//   K(t-1) = A'K(t)A + G(t)'B'K(t)A + R(t-1)
CostToGo stepBack(const System& s, const CostToGo& cost, const Rule& rule, int previous) {
    const Block gt = transposed(rule.gain);
    const Block r = weightsOf(previous, s.m);
    Block h = minus(plus(product(s.at, cost.h), product(gt, rule.bth)), product(r, nominalOf(previous, s.m)));
    Block k = plus(plus(product(product(s.at, cost.k), s.a), product(gt, rule.btka)), r);
    return CostToGo{std::move(k), std::move(h)};
}

// Periods N down to 1; only the current period's quantities are held, the rules go to the
// work place.
RiccatiStatus backwardPass(const System& s, int period_count, SolverWorkPlace& place) {
    CostToGo cost = terminalCost(period_count, s.m);
    Rule rule{Block(s.n, s.m), Block(s.n, 1), Block(s.n, s.m), Block(s.n, 1)};
    for (int t = period_count; t >= 1; --t) {
        if (!formRule(s, cost, place, rule)) return RiccatiStatus::SingularS;
        place.keepRule(t, rule.gain.data(), rule.offset.data());
        if (t > 1) cost = stepBack(s, cost, rule, t - 1);
    }
    return RiccatiStatus::Solved;
}

// One period under the rule from state x: v = G(t)x + g(t), and the next state A x + B v, not
// rounded.
Block underRule(const System& s, const Block& gain, const Block& offset, const Block& x, Block& v) {
    v = plus(product(gain, x), offset);
    return plus(product(s.a, x), product(s.b, v));
}

// The rule applied from x*(0) = x(0): v(t) = G(t)x*(t-1) + g(t), u*(t) = NINT(v(t)) and
// x*(t) = NINT(A x*(t-1) + B v(t)); the next period starts from the rounded state. Beside it the
// same rule runs from the same start with nothing rounded, so that what whole persons cost can
// be told.
void forwardPass(const System& s, int period_count, SolverWorkPlace& place) {
    Block x = s.x0;
    Block unrounded = s.x0;
    Block gain(s.n, s.m), offset(s.n, 1), v(s.n, 1), unrounded_v(s.n, 1);
    for (int i = 1; i <= s.m; ++i) {
        OPTIMAL_STATES(1, i) = x(i);
        UNROUNDED_STATES(1, i) = x(i);
    }
    for (int t = 1; t <= period_count; ++t) {
        place.takeRule(t, gain.data(), offset.data());
        const Block next = underRule(s, gain, offset, x, v);
        unrounded = underRule(s, gain, offset, unrounded, unrounded_v);
        for (int i = 1; i <= s.m; ++i) {
            x(i) = std::round(next(i));
            OPTIMAL_STATES(t + 1, i) = x(i);
            UNROUNDED_STATES(t + 1, i) = unrounded(i);
        }
        for (int i = 1; i <= s.n; ++i) {
            RULE_VALUES(t, i) = v(i);
            OPTIMAL_CONTROLS(t, i) = std::round(v(i));
        }
    }
}

}  // namespace

RiccatiStatus SOLVE_CONTROL(int n, int m, int period_count, SolverWorkPlace& place) {
    assert(n >= 1 && n <= MAX_CONTROL_STAGES && m == 2 * n);
    assert(period_count >= 1 && period_count <= MAX_CONTROL_PERIODS);
    const System s = systemOf(n, m);
    if (const RiccatiStatus status = backwardPass(s, period_count, place); status != RiccatiStatus::Solved) return status;
    forwardPass(s, period_count, place);
    CONTROL_SOLVED = true;
    return RiccatiStatus::Solved;
}

}  // namespace korvel
