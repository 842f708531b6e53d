#pragma once
// The period of a snapshot: a whole number (a year, or any count of periods) or an ISO date
// (YYYY-MM-DD). Periods of one kind order by their value.

#include <compare>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace korvel {

enum class PeriodKind { Number, Date };

struct Period {
    PeriodKind kind = PeriodKind::Number;
    int64_t value = 0;  // the number, or the date's day counted from 1970-01-01
    auto operator<=>(const Period&) const = default;
};

// The period `text` stands for; nothing when it is neither a whole number nor a valid date.
std::optional<Period> PARSE_PERIOD(std::string_view text);

// The period as the records write it.
std::string PERIOD_TEXT(const Period& period);

// True when neighbouring periods (in order) are equally far apart: dates on one day of the month
// are measured in months, other dates in days.
bool EQUALLY_SPACED(std::span<const Period> periods);

}  // namespace korvel
