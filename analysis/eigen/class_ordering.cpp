#include "analysis/eigen/class_ordering.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace korvel {

namespace {

bool leads(const WorkMatrix& a, int i, int j) { return i != j && a(i, j) != 0.0; }

// Indexes the per-state and per-class tables, which count from 0.
std::size_t u(int k) { return static_cast<std::size_t>(k); }

struct Classes {
    std::vector<int> of;  // indexed by state - low
    int count = 0;
};

// The classes of the block by Tarjan's method, without recursion.
Classes findClasses(const WorkMatrix& a, int low, int high) {
    const int size = high - low + 1;
    Classes classes{std::vector<int>(u(size), -1), 0};
    std::vector<int> index(u(size), -1);
    std::vector<int> lowlink(u(size), 0);
    std::vector<int> next(u(size), 0);  // the next successor to look at
    std::vector<bool> open(u(size), false);
    std::vector<int> stack;
    std::vector<int> path;
    int counter = 0;
    for (int root = 0; root < size; ++root) {
        if (index[u(root)] >= 0) continue;
        path.push_back(root);
        while (!path.empty()) {
            const int v = path.back();
            if (index[u(v)] < 0) {
                index[u(v)] = lowlink[u(v)] = counter++;
                stack.push_back(v);
                open[u(v)] = true;
            }
            bool descended = false;
            while (next[u(v)] < size) {
                const int w = next[u(v)]++;
                if (!leads(a, low + v, low + w)) continue;
                if (index[u(w)] < 0) {
                    path.push_back(w);
                    descended = true;
                    break;
                }
                if (open[u(w)]) lowlink[u(v)] = std::min(lowlink[u(v)], index[u(w)]);
            }
            if (descended) continue;
            path.pop_back();
            if (!path.empty()) lowlink[u(path.back())] = std::min(lowlink[u(path.back())], lowlink[u(v)]);
            if (lowlink[u(v)] != index[u(v)]) continue;
            int w = -1;
            do {
                w = stack.back();
                stack.pop_back();
                open[u(w)] = false;
                classes.of[u(w)] = classes.count;
            } while (w != v);
            ++classes.count;
        }
    }
    return classes;
}

void permute(WorkMatrix& a, const WorkVector<int>& state) {
    const int n = a.order();
    WorkMatrix copy = a;
    for (int j = 1; j <= n; ++j)
        for (int i = 1; i <= n; ++i) a(i, j) = copy(state(i), state(j));
}

// Sets to zero each off-diagonal element of the block that is below ε times both its row's and
// its column's sum of magnitudes (over the whole matrix): rounding that row or column changes it
// by as much already. A matrix with an element that is not finite is left as it is.
void dropNegligible(WorkMatrix& a, int low, int high, double epsilon) {
    const int n = a.order();
    WorkVector<double> rows(n);
    WorkVector<double> columns(n);
    for (int j = 1; j <= n; ++j)
        for (int i = 1; i <= n; ++i) {
            if (!std::isfinite(a(i, j))) return;
            rows(i) += std::abs(a(i, j));
            columns(j) += std::abs(a(i, j));
        }
    for (int j = low; j <= high; ++j)
        for (int i = low; i <= high; ++i) {
            const double element = std::abs(a(i, j));
            if (i != j && element < epsilon * rows(i) && element < epsilon * columns(j)) a(i, j) = 0.0;
        }
}

}  // namespace

bool ORDER_BY_CLASSES(WorkMatrix& a, int low, int high, double epsilon, WorkVector<int>& state) {
    for (int p = 1; p <= a.order(); ++p) state(p) = p;
    if (low >= high) return false;
    dropNegligible(a, low, high, epsilon);
    const Classes classes = findClasses(a, low, high);
    if (classes.count == 1) return false;
    const int size = high - low + 1;
    // How many classes lead into each class; a class is placed once all of them are.
    std::vector<int> waiting(u(classes.count), 0);
    std::vector<bool> edge(u(classes.count * classes.count), false);
    for (int i = 0; i < size; ++i)
        for (int j = 0; j < size; ++j) {
            const int from = classes.of[u(i)];
            const int to = classes.of[u(j)];
            if (from == to || !leads(a, low + i, low + j) || edge[u(from * classes.count + to)]) continue;
            edge[u(from * classes.count + to)] = true;
            ++waiting[u(to)];
        }
    // Of the classes ready, the one holding the earliest state goes first, so a matrix already in
    // such an order keeps it; within a class the states keep their order.
    std::vector<bool> placed(u(size), false);
    int p = low;
    while (p <= high) {
        int first = 0;
        while (placed[u(first)] || waiting[u(classes.of[u(first)])] > 0) ++first;
        const int c = classes.of[u(first)];
        for (int k = first; k < size; ++k) {
            if (classes.of[u(k)] != c) continue;
            placed[u(k)] = true;
            state(p++) = low + k;
        }
        for (int to = 0; to < classes.count; ++to)
            if (edge[u(c * classes.count + to)]) --waiting[u(to)];
    }
    bool moved = false;
    for (int q = low; q <= high; ++q) moved = moved || state(q) != q;
    if (moved) permute(a, state);
    return moved;
}

}  // namespace korvel
