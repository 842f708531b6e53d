#pragma once
// The solver's working storage: vectors and square matrices indexed from 1, a matrix stored
// column by column, so that the column operations of the steps run over adjacent elements.

#include <cassert>
#include <cstddef>
#include <vector>

namespace korvel {

template <typename T>
class WorkVector {
public:
    WorkVector() = default;
    explicit WorkVector(int size) : m_data(static_cast<std::size_t>(size)) {}
    T& operator()(int i) {
        assert(i >= 1 && i <= size());
        return m_data[static_cast<std::size_t>(i - 1)];
    }
    const T& operator()(int i) const {
        assert(i >= 1 && i <= size());
        return m_data[static_cast<std::size_t>(i - 1)];
    }
    int size() const { return static_cast<int>(m_data.size()); }

private:
    std::vector<T> m_data;
};

class WorkMatrix {
public:
    WorkMatrix() = default;
    explicit WorkMatrix(int order)
        : m_order(order), m_data(static_cast<std::size_t>(order) * static_cast<std::size_t>(order)) {}
    double& operator()(int i, int j) {
        assert(i >= 1 && i <= m_order && j >= 1 && j <= m_order);
        return m_data[static_cast<std::size_t>(i - 1) + static_cast<std::size_t>(j - 1) * static_cast<std::size_t>(m_order)];
    }
    double operator()(int i, int j) const {
        assert(i >= 1 && i <= m_order && j >= 1 && j <= m_order);
        return m_data[static_cast<std::size_t>(i - 1) + static_cast<std::size_t>(j - 1) * static_cast<std::size_t>(m_order)];
    }
    int order() const { return m_order; }
    void setIdentity() {
        for (double& element : m_data) element = 0.0;
        for (int i = 1; i <= m_order; ++i) (*this)(i, i) = 1.0;
    }

private:
    int m_order = 0;
    std::vector<double> m_data;
};

// Column j (from 1) of a column-major matrix stored with leading dimension `ld`.
template <typename T>
T* COLUMN_OF(T* matrix, int ld, int j) {
    return matrix + static_cast<std::ptrdiff_t>(j - 1) * ld;
}

}  // namespace korvel
