#pragma once
// The section "Reaching the target structure": whether the target of TARGET.csv can be kept,
// how fast recruitment alone reaches it, and, for an organisation of fixed size, the corners of
// the structures it can hold; with its certificate lines.

#include "planning/recruitment_limits.h"
#include "planning/target_file.h"
#include "report/report_content.h"

#include <string>

namespace korvel {

inline constexpr const char* TARGET_TITLE = "Reaching the target structure";


inline constexpr int DEFAULT_MAX_PERIODS = 50;
// Each k up to K is one programme of n k columns.
inline constexpr int MOST_MAX_PERIODS = 200;

// `--max-periods K`; false after saying on standard error what is wrong.
bool READ_MAX_PERIODS_OPTION(const std::string& text, int& max_periods);

// The target file `path` for a model of n stages, or the reason it is refused.
TargetReading READ_TARGET_FILE(const std::string& path, int n);

// Adds the section for the model in the shared state, whose P the details have formed (or not),
// and its certificate lines.
void ADD_TARGET_SECTION(REPORT_CONTENT& content, const Structure& target, int max_periods, const RecruitmentLimits& limits);

}  // namespace korvel
