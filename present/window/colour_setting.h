#pragma once
// One colour of a window's drawing state (drawing, text or background), set either by palette
// index or directly as RGB. Both layer implementations keep their colours in it, so they
// answer the setters alike.

#include "present/window/window_records.h"

#include <algorithm>

namespace korvel {

class ColourSetting {
public:
    // `last_index` is the highest index accepted: 15 for the palette, 255 for text colours,
    // whose indices past the palette show as its last colour.
    explicit constexpr ColourSetting(int index, int last_index = 15) : m_last_index(last_index) { setIndex(index); }

    // Returns the previous index; a direct colour counts as its palette index, or 0 outside it.
    constexpr int setIndex(int index) {
        const int previous = this->index();
        m_index = std::clamp(index, 0, m_last_index);
        m_rgb = PALETTE[CLIP_PALETTE_INDEX(m_index)];
        m_by_index = true;
        return previous;
    }

    // Returns the previous RGB value.
    constexpr RGB_VALUE setRgb(RGB_VALUE value) {
        const RGB_VALUE previous = m_rgb;
        m_rgb = value & 0xFFFFFF;
        m_by_index = false;
        return previous;
    }

    constexpr int index() const {
        if (m_by_index) return m_index;
        for (int candidate = 0; candidate < 16; ++candidate)
            if (PALETTE[candidate] == m_rgb) return candidate;
        return 0;
    }
    constexpr RGB_VALUE rgb() const { return m_rgb; }
    constexpr bool byIndex() const { return m_by_index; }

private:
    int m_last_index;
    int m_index = 0;
    RGB_VALUE m_rgb = PALETTE[0];
    bool m_by_index = true;
};

}  // namespace korvel
