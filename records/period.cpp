#include "records/period.h"

#include <charconv>
#include <chrono>
#include <cstdio>
#include <vector>

namespace korvel {

namespace {

namespace chrono = std::chrono;

bool parseWhole(std::string_view text, int64_t& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

// YYYY-MM-DD, each part of its exact width.
std::optional<chrono::year_month_day> parseDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    int64_t year = 0;
    int64_t month = 0;
    int64_t day = 0;
    if (!parseWhole(text.substr(0, 4), year) || !parseWhole(text.substr(5, 2), month) || !parseWhole(text.substr(8, 2), day))
        return std::nullopt;
    const chrono::year_month_day date{chrono::year(static_cast<int>(year)), chrono::month(static_cast<unsigned>(month)),
                                      chrono::day(static_cast<unsigned>(day))};
    if (!date.ok()) return std::nullopt;
    return date;
}

chrono::year_month_day dateOf(const Period& period) {
    return chrono::year_month_day{chrono::sys_days{chrono::days{period.value}}};
}

bool equalSteps(const std::vector<int64_t>& points) {
    for (size_t k = 2; k < points.size(); ++k)
        if (points[k] - points[k - 1] != points[1] - points[0]) return false;
    return true;
}

}  // namespace

std::optional<Period> PARSE_PERIOD(std::string_view text) {
    int64_t number = 0;
    if (!text.empty() && text.front() != '+' && parseWhole(text, number)) return Period{PeriodKind::Number, number};
    if (const auto date = parseDate(text))
        return Period{PeriodKind::Date, chrono::sys_days{*date}.time_since_epoch().count()};
    return std::nullopt;
}

std::string PERIOD_TEXT(const Period& period) {
    if (period.kind == PeriodKind::Number) return std::to_string(period.value);
    const chrono::year_month_day date = dateOf(period);
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()), static_cast<unsigned>(date.month()),
                  static_cast<unsigned>(date.day()));
    return text;
}

bool EQUALLY_SPACED(std::span<const Period> periods) {
    std::vector<int64_t> points;
    bool one_day_of_month = true;
    for (const Period& period : periods) {
        points.push_back(period.value);
        one_day_of_month = one_day_of_month && period.kind == PeriodKind::Date && dateOf(period).day() == dateOf(periods[0]).day();
    }
    if (one_day_of_month) {
        for (size_t k = 0; k < periods.size(); ++k) {
            const chrono::year_month_day date = dateOf(periods[k]);
            points[k] = static_cast<int>(date.year()) * 12LL + static_cast<unsigned>(date.month());
        }
    }
    return equalSteps(points);
}

}  // namespace korvel
