#pragma once
// Orders the states of the block low..high so that the matrix becomes block upper triangular
// by the classes of its graph (i leads to j when a(i, j) is not zero; a class is a set of states
// that lead to each other). Between two classes the Hessenberg form then has an exactly zero
// subdiagonal, so the iteration splits there at once and works on one class at a time. This
// matters for a chain of states that nobody stays in, fed by one group and feeding another: its
// roots are all exactly zero, but iterated on together with the groups around it they become a
// cloud of rounding noise that no shift resolves.

#include "analysis/eigen/work_arrays.h"

namespace korvel {

// Sets to zero each off-diagonal element of the block that is below ε times both its row's and
// its column's sum of magnitudes (over the whole matrix): rounding that row or column changes it
// by as much already. Such an element would join classes only to leave the same cloud of noise,
// which balancing then spreads over the whole cycle. A matrix with an element that is not finite
// is left as it is.
void DROP_NEGLIGIBLE_ELEMENTS(WorkMatrix& a, int low, int high, double epsilon);

// Fills `state` (sized to the matrix' order) so that position p holds the state that stood at
// state(p), and permutes the rows and columns of `a` accordingly; positions outside low..high
// keep their state. Returns false, leaving every state where it stood, when the block is a
// single class or already in such an order.
bool ORDER_BY_CLASSES(WorkMatrix& a, int low, int high, WorkVector<int>& state);

}  // namespace korvel
