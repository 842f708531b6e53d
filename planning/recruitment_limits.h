#pragma once
// The limits file of the constrained control: a header line `stage,cap`, then lines `STAGE,CAP`
// for the capped stages and at most one `total,CAP` for the total recruitment of a period.

#include "planning/constrained_control.h"

#include <istream>
#include <string>

namespace korvel {

struct LimitsReading {
    std::optional<RecruitmentLimits> limits;  // nothing when the file is refused
    std::string error;                        // then why, naming the file and the line
};

LimitsReading READ_RECRUITMENT_LIMITS(std::istream& file, const std::string& name, int stage_count);

}  // namespace korvel
