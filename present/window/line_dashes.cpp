#include "present/window/line_dashes.h"

namespace korvel {

LINE_DASHES DASHES_OF(unsigned mask) {
    LINE_DASHES dashes;
    mask &= 0xFFFFu;
    if (mask == 0xFFFFu) return dashes;
    dashes.solid = false;
    if (mask == 0) {
        dashes.hidden = true;
        return dashes;
    }
    while (!((mask >> (15 - dashes.start)) & 1u)) ++dashes.start;
    bool on = true;
    int length = 0;
    for (int i = 0; i < 16; ++i) {
        const bool bit = (mask >> (15 - (dashes.start + i) % 16)) & 1u;
        if (bit != on) {
            dashes.runs.push_back(length);
            on = bit;
            length = 0;
        }
        ++length;
    }
    dashes.runs.push_back(length);
    if (dashes.runs.size() % 2 == 1) dashes.runs.push_back(0);
    return dashes;
}

}  // namespace korvel
