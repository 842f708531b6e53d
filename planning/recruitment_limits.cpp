#include "planning/recruitment_limits.h"

#include <cctype>
#include <charconv>
#include <cmath>

namespace korvel {

namespace {

std::string trimmed(const std::string& text) {
    size_t first = 0, last = text.size();
    while (first < last && std::isspace(static_cast<unsigned char>(text[first]))) ++first;
    while (last > first && std::isspace(static_cast<unsigned char>(text[last - 1]))) --last;
    return text.substr(first, last - first);
}

template <typename Number>
std::optional<Number> numberOf(const std::string& text) {
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
    return value;
}

// One line after the header into `limits`; the reason when it is refused.
std::string takeLine(const std::string& line, int stage_count, RecruitmentLimits& limits) {
    const size_t comma = line.find(',');
    if (comma == std::string::npos || line.find(',', comma + 1) != std::string::npos) return "expected STAGE,CAP or total,CAP";
    const std::string key = trimmed(line.substr(0, comma)), cap_text = trimmed(line.substr(comma + 1));
    const std::optional<double> cap = numberOf<double>(cap_text);
    if (!cap || !std::isfinite(*cap)) return "the cap \"" + cap_text + "\" is not a number";
    if (*cap < 0.0) return "the cap " + cap_text + " is below 0";
    if (key == "total") {
        if (limits.total_cap) return "the total is capped twice";
        limits.total_cap = *cap;
        return {};
    }
    const std::optional<int> stage = numberOf<int>(key);
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
    std::string line;
    int number = 0;
    bool header_seen = false;
    while (std::getline(file, line)) {
        ++number;
        line = trimmed(line);
        if (line.empty()) continue;
        const std::string reason = !header_seen ? (line == "stage,cap" ? "" : "the first line must be stage,cap")
                                                : takeLine(line, stage_count, limits);
        if (!reason.empty()) return {std::nullopt, name + " line " + std::to_string(number) + ": " + reason};
        header_seen = true;
    }
    if (!header_seen) return {std::nullopt, name + ": the file is empty; its first line must be stage,cap"};
    return {limits, {}};
}

}  // namespace korvel
