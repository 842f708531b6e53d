#pragma once
// Fixed-capacity arrays indexed from 1, row first, as the model's arithmetic is written.

#include <array>
#include <cassert>
#include <cstddef>

namespace korvel {

template <typename T, int N>
class Vector {
public:
    T& operator()(int i) {
        assert(i >= 1 && i <= N);
        return m_data[static_cast<std::size_t>(i - 1)];
    }
    const T& operator()(int i) const {
        assert(i >= 1 && i <= N);
        return m_data[static_cast<std::size_t>(i - 1)];
    }
    static constexpr int size() { return N; }
    void fill(const T& value) { m_data.fill(value); }

private:
    std::array<T, N> m_data{};
};

template <typename T, int ROWS, int COLUMNS>
class Matrix {
public:
    T& operator()(int i, int j) {
        assert(i >= 1 && i <= ROWS && j >= 1 && j <= COLUMNS);
        return m_data[static_cast<std::size_t>((i - 1) * COLUMNS + (j - 1))];
    }
    const T& operator()(int i, int j) const {
        assert(i >= 1 && i <= ROWS && j >= 1 && j <= COLUMNS);
        return m_data[static_cast<std::size_t>((i - 1) * COLUMNS + (j - 1))];
    }
    static constexpr int rows() { return ROWS; }
    static constexpr int columns() { return COLUMNS; }
    void fill(const T& value) { m_data.fill(value); }

private:
    std::array<T, static_cast<std::size_t>(ROWS) * COLUMNS> m_data{};
};

}  // namespace korvel
