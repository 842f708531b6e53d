#include "analysis/numbered_label.h"

namespace korvel {

Label NUMBERED_LABEL(const std::string& stem, int number) {
    Label label;
    label.assign(stem + RIGHT_ALIGNED(number, number < 100 ? 2 : 3));
    return label;
}

}  // namespace korvel
