#pragma once
// The optimal control solver: a linear-quadratic tracking problem over the periods 1..N, solved
// by a backward Riccati recursion that gives a feedback rule for every period, then a forward
// pass that applies the rules from the initial state.
//
// The state x(t) has m = 2n entries, the stocks of the n stages, then their recruitments; the
// control u(t) is the recruitments: x(t) = A x(t-1) + B u(t), with P' in the upper-left block
// of A and zeros elsewhere, and B two identities one above the other. The cost is the sum over
// t of (x(t) - a(t))' R(t) (x(t) - a(t)).

#include "control/control_state.h"

namespace korvel {

// The inverse of the n x n matrix S(t) = -(B'K(t)B), in 64-bit.
using RuleInverse = Matrix<double, MAX_CONTROL_STAGES, MAX_CONTROL_STAGES>;

// Where the solve keeps the feedback rules between the two passes and the working matrices of
// each inversion.
class SolverWorkPlace {
public:
    virtual ~SolverWorkPlace() = default;
    // The rule of period t: the n rows of G(t), m values each, one after the other; then g(t).
    virtual void keepRule(int t, const float* gain, const float* offset) = 0;
    virtual void takeRule(int t, float* gain, float* offset) = 0;
    // MATINV's arithmetic and its status.
    virtual int invert(RuleInverse& s, int n) = 0;
};

enum class RiccatiStatus { Solved, SingularS };

// Solves the problem in NOMINAL_PATH and PATH_WEIGHTS for the model in the state (P from
// MATRIX_X, which holds it whenever X_HOLDS_P is set; x(0) from INITIAL_STOCKS and INFLOWS).
// Solved fills OPTIMAL_STATES, OPTIMAL_CONTROLS, RULE_VALUES and UNROUNDED_STATES and sets
// CONTROL_SOLVED; SingularS, an S(t) that cannot be inverted, leaves all of them as they were
// and the caller tells the user.
RiccatiStatus SOLVE_CONTROL(int n, int m, int period_count, SolverWorkPlace& place);

}  // namespace korvel
