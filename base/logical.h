#pragma once
// A 32-bit logical: stored as -1 for true and 0 for false, true whenever its lowest bit is 1.

#include <cstdint>

namespace korvel {

class Logical {
public:
    constexpr Logical() = default;
    constexpr Logical(bool value) : m_bits(value ? -1 : 0) {}  // NOLINT: converts like a bool
    constexpr operator bool() const { return (m_bits & 1) != 0; }  // NOLINT
    constexpr int32_t bits() const { return m_bits; }
    static constexpr Logical fromBits(int32_t bits) {
        Logical value;
        value.m_bits = bits;
        return value;
    }

private:
    int32_t m_bits = 0;
};

static_assert(sizeof(Logical) == 4);

}  // namespace korvel
