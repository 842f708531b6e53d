#include "analysis/eigen/class_ordering.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace korvel {

namespace {

bool leads(const WorkMatrix& a, int i, int j) { return i != j && a(i, j) != 0.0; }

// The per-state and per-class tables count from 0.
std::size_t asIndex(int k) { return static_cast<std::size_t>(k); }

struct Classes {
    std::vector<int> of;  // indexed by state - low
    int count = 0;
};

// The classes of the block by Tarjan's method, without recursion.
Classes findClasses(const WorkMatrix& a, int low, int high) {
    const int size = high - low + 1;
    Classes classes{std::vector<int>(asIndex(size), -1), 0};
    std::vector<int> index(asIndex(size), -1);
    std::vector<int> lowlink(asIndex(size), 0);
    std::vector<int> next(asIndex(size), 0);  // the next successor to look at
    std::vector<bool> open(asIndex(size), false);
    std::vector<int> stack;
    std::vector<int> path;
    int counter = 0;
    for (int root = 0; root < size; ++root) {
        if (index[asIndex(root)] >= 0) continue;
        path.push_back(root);
        while (!path.empty()) {
            const int v = path.back();
            if (index[asIndex(v)] < 0) {
                index[asIndex(v)] = lowlink[asIndex(v)] = counter++;
                stack.push_back(v);
                open[asIndex(v)] = true;
            }
            bool descended = false;
            while (next[asIndex(v)] < size) {
                const int w = next[asIndex(v)]++;
                if (!leads(a, low + v, low + w)) continue;
                if (index[asIndex(w)] < 0) {
                    path.push_back(w);
                    descended = true;
                    break;
                }
                if (open[asIndex(w)]) lowlink[asIndex(v)] = std::min(lowlink[asIndex(v)], index[asIndex(w)]);
            }
            if (descended) continue;
            path.pop_back();
            if (!path.empty()) lowlink[asIndex(path.back())] = std::min(lowlink[asIndex(path.back())], lowlink[asIndex(v)]);
            if (lowlink[asIndex(v)] != index[asIndex(v)]) continue;
            int w = -1;
            do {
                w = stack.back();
                stack.pop_back();
                open[asIndex(w)] = false;
                classes.of[asIndex(w)] = classes.count;
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

}  // namespace

void DROP_NEGLIGIBLE_ELEMENTS(WorkMatrix& a, int low, int high, double epsilon) {
    if (low >= high) return;
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

bool ORDER_BY_CLASSES(WorkMatrix& a, int low, int high, WorkVector<int>& state) {
    for (int p = 1; p <= a.order(); ++p) state(p) = p;
    if (low >= high) return false;
    const Classes classes = findClasses(a, low, high);
    if (classes.count == 1) return false;
    const int size = high - low + 1;
    // How many classes lead into each class; a class is placed once all of them are.
    std::vector<int> waiting(asIndex(classes.count), 0);
    std::vector<bool> edge(asIndex(classes.count * classes.count), false);
    for (int i = 0; i < size; ++i)
        for (int j = 0; j < size; ++j) {
            const int from = classes.of[asIndex(i)];
            const int to = classes.of[asIndex(j)];
            if (from == to || !leads(a, low + i, low + j) || edge[asIndex(from * classes.count + to)]) continue;
            edge[asIndex(from * classes.count + to)] = true;
            ++waiting[asIndex(to)];
        }
    // Of the classes ready, the one holding the earliest state goes first, so a matrix already in
    // such an order keeps it; within a class the states keep their order.
    std::vector<bool> placed(asIndex(size), false);
    int p = low;
    while (p <= high) {
        int first = 0;
        while (placed[asIndex(first)] || waiting[asIndex(classes.of[asIndex(first)])] > 0) ++first;
        const int c = classes.of[asIndex(first)];
        for (int k = first; k < size; ++k) {
            if (classes.of[asIndex(k)] != c) continue;
            placed[asIndex(k)] = true;
            state(p++) = low + k;
        }
        for (int to = 0; to < classes.count; ++to)
            if (edge[asIndex(c * classes.count + to)]) --waiting[asIndex(to)];
    }
    bool moved = false;
    for (int q = low; q <= high; ++q) moved = moved || state(q) != q;
    if (moved) permute(a, state);
    return moved;
}

}  // namespace korvel
