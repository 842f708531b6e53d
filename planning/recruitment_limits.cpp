#include "planning/recruitment_limits.h"

#include "planning/csv_fields.h"

#include <cmath>

namespace korvel {

namespace {

// One line after the header into `limits`; the reason when it is refused.
std::string takeLine(const std::string& line, int stage_count, RecruitmentLimits& limits) {
    const size_t comma = line.find(',');
    if (comma == std::string::npos || line.find(',', comma + 1) != std::string::npos) return "expected STAGE,CAP or total,CAP";
    const std::string key = TRIMMED_FIELD(line.substr(0, comma)), cap_text = TRIMMED_FIELD(line.substr(comma + 1));
    const std::optional<double> cap = FIELD_NUMBER<double>(cap_text);
    if (!cap || !std::isfinite(*cap)) return "the cap \"" + cap_text + "\" is not a number";
    if (*cap < 0.0) return "the cap " + cap_text + " is below 0";
    if (key == "total") {
        if (limits.total_cap) return "the total is capped twice";
        limits.total_cap = *cap;
        return {};
    }
    const std::optional<int> stage = FIELD_NUMBER<int>(key);
    if (!stage || *stage < 1 || *stage > stage_count)
        return "\"" + key + "\" is not a stage of the model (1 to " + std::to_string(stage_count) + ") nor total";
    std::optional<double>& slot = limits.stage_caps[static_cast<size_t>(*stage - 1)];
    if (slot) return "stage " + key + " is capped twice";
    slot = *cap;
    return {};
}

}  // namespace

LimitsReading READ_RECRUITMENT_LIMITS(std::istream& file, const std::string& name, int stage_count) {
    RecruitmentLimits limits;
    limits.stage_caps.resize(static_cast<size_t>(stage_count));
    const std::string refusal = READ_FIELD_LINES(file, name, "stage,cap", [&](const std::string& line) {
        return takeLine(line, stage_count, limits);
    });
    if (!refusal.empty()) return {std::nullopt, refusal};
    return {limits, {}};
}

}  // namespace korvel
