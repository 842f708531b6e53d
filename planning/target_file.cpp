#include "planning/target_file.h"

#include "planning/csv_fields.h"

#include <cmath>

namespace korvel {

namespace {

constexpr const char* HEADER = "stage,stock";

// One line after the header into `target`; the reason when it is refused.
std::string takeLine(const std::string& line, int stage_count, std::vector<std::optional<double>>& target) {
    const size_t comma = line.find(',');
    if (comma == std::string::npos || line.find(',', comma + 1) != std::string::npos) return "expected STAGE,STOCK";
    const std::string key = TRIMMED_FIELD(line.substr(0, comma)), stock_text = TRIMMED_FIELD(line.substr(comma + 1));
    const std::optional<int> stage = FIELD_NUMBER<int>(key);
    if (!stage || *stage < 1 || *stage > stage_count)
        return "\"" + key + "\" is not a stage of the model (1 to " + std::to_string(stage_count) + ")";
    const std::optional<double> stock = FIELD_NUMBER<double>(stock_text);
    if (!stock || !std::isfinite(*stock)) return "the stock \"" + stock_text + "\" is not a number";
    if (*stock < 0.0) return "the stock " + stock_text + " is below 0";
    std::optional<double>& slot = target[static_cast<size_t>(*stage - 1)];
    if (slot) return "stage " + key + " is given twice";
    slot = *stock;
    return {};
}

// Every stage given, and someone in the structure; else why not.
std::string wholeFileReason(const std::vector<std::optional<double>>& target) {
    int given = 0, first_missing = 0;
    double total = 0.0;
    for (size_t i = 0; i < target.size(); ++i) {
        if (target[i]) {
            ++given;
            total += *target[i];
        } else if (first_missing == 0) first_missing = static_cast<int>(i) + 1;
    }
    if (first_missing != 0)
        return std::to_string(given) + " stages given, the model has " + std::to_string(target.size()) + " (stage " +
               std::to_string(first_missing) + " is missing)";
    if (total <= 0.0) return "the stocks total 0; a target needs someone in it";
    return {};
}

}  // namespace

TargetReading READ_TARGET_STRUCTURE(std::istream& file, const std::string& name, int stage_count) {
    std::vector<std::optional<double>> target(static_cast<size_t>(stage_count));
    const std::string refusal = READ_FIELD_LINES(file, name, HEADER, [&](const std::string& line) {
        return takeLine(line, stage_count, target);
    });
    if (!refusal.empty()) return {std::nullopt, refusal};
    if (const std::string reason = wholeFileReason(target); !reason.empty()) return {std::nullopt, name + ": " + reason};
    Structure structure;
    for (const std::optional<double>& stock : target) structure.push_back(*stock);
    return {structure, {}};
}

}  // namespace korvel
