#pragma once
// The target file: a header line `stage,stock`, then one line `STAGE,STOCK` per stage of the
// model, in any order, each stage once; stocks at least 0 and not all 0.

#include "planning/target_structure.h"

#include <istream>
#include <optional>
#include <string>

namespace korvel {

struct TargetReading {
    std::optional<Structure> target;  // nothing when the file is refused
    std::string error;                // then why, naming the file and the line
};

TargetReading READ_TARGET_STRUCTURE(std::istream& file, const std::string& name, int stage_count);

}  // namespace korvel
