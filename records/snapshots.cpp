#include "records/snapshots.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cctype>
#include <limits>
#include <numeric>
#include <unordered_map>

namespace korvel {

namespace {

enum Role { PERSON, PERIOD, STAGE, ROLES };

// The header names each column is known by, when --columns does not name it.
constexpr std::array<std::array<const char*, 3>, ROLES> KNOWN_NAMES{{
    {"id", "person", "employee"},
    {"period", "year", nullptr},
    {"stage", "grade", "rank"},
}};
constexpr std::array<const char*, ROLES> ROLE_TEXT{"the person", "the period", "the stage"};

constexpr uint32_t NO_LINE = std::numeric_limits<uint32_t>::max();

bool sameName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

std::string quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

std::string knownNamesText(Role role) {
    std::string text;
    for (const char* name : KNOWN_NAMES[role])
        if (name != nullptr) text += (text.empty() ? "" : ", ") + std::string(name);
    return text;
}

// One period of the file: the stage of each person and the line that said so, and the line on
// which each stage first appears in it.
struct PeriodColumn {
    Period period;
    std::vector<uint8_t> stage;
    std::vector<uint32_t> line;
    std::vector<uint32_t> first_line_of_stage;
};

class SnapshotReader {
public:
    explicit SnapshotReader(const RecordsRequest& request) : m_request(request), m_stages(request.stages) {
        assert(request.columns.empty() || request.columns.size() == ROLES);
        assert(request.stages.size() <= RECORDS_MAX_STAGES);
        for (size_t k = 0; k < m_stages.size(); ++k) m_stage_index.emplace(m_stages[k], static_cast<uint8_t>(k + 1));
        if (request.periods) m_kind = request.periods->from.kind;
    }

    std::optional<RecordsError> takeRow(long line, const std::vector<std::string>& fields) {
        if (!m_header_read) {
            m_header_read = true;
            return takeHeader(line, fields);
        }
        return takeRecord(line, fields);
    }

    std::optional<RecordsError> finish(Snapshots& snapshots);

private:
    std::optional<RecordsError> takeHeader(long line, const std::vector<std::string>& fields);
    std::optional<RecordsError> takeRecord(long line, const std::vector<std::string>& fields);
    std::optional<RecordsError> stageOf(long line, const std::string& name, uint8_t& stage);
    PeriodColumn& columnOf(const Period& period);
    std::vector<uint8_t> stageOrder() const;

    const RecordsRequest& m_request;
    bool m_header_read = false;
    std::array<size_t, ROLES> m_column{};
    std::array<std::string, ROLES> m_column_name;
    std::optional<PeriodKind> m_kind;
    std::unordered_map<std::string, uint32_t> m_persons;
    std::vector<std::string> m_stages;
    std::unordered_map<std::string, uint8_t> m_stage_index;
    std::vector<PeriodColumn> m_periods;
    std::unordered_map<int64_t, size_t> m_period_index;
};

std::optional<RecordsError> SnapshotReader::takeHeader(long line, const std::vector<std::string>& fields) {
    for (int role = PERSON; role < ROLES; ++role) {
        const auto named = [&](const std::string& field) {
            if (!m_request.columns.empty()) return sameName(field, m_request.columns[role]);
            return std::any_of(KNOWN_NAMES[role].begin(), KNOWN_NAMES[role].end(),
                               [&](const char* name) { return name != nullptr && sameName(field, name); });
        };
        const auto found = std::find_if(fields.begin(), fields.end(), named);
        if (found == fields.end()) {
            if (!m_request.columns.empty()) return RecordsError{line, "the header has no column named " + quoted(m_request.columns[role])};
            return RecordsError{line, "the header has no column for " + std::string(ROLE_TEXT[role]) + " (" + knownNamesText(static_cast<Role>(role)) +
                                          "); --columns names it otherwise"};
        }
        m_column[role] = static_cast<size_t>(found - fields.begin());
        m_column_name[role] = *found;
    }
    return std::nullopt;
}

std::optional<RecordsError> SnapshotReader::takeRecord(long line, const std::vector<std::string>& fields) {
    for (int role = PERSON; role < ROLES; ++role)
        if (m_column[role] >= fields.size() || fields[m_column[role]].empty())
            return RecordsError{line, "the field " + quoted(m_column_name[role]) + " is empty"};
    const std::string& period_text = fields[m_column[PERIOD]];
    const std::optional<Period> period = PARSE_PERIOD(period_text);
    if (!period) return RecordsError{line, "the period " + quoted(period_text) + " is neither a whole number nor a date (YYYY-MM-DD)"};
    if (!m_kind) m_kind = period->kind;
    if (period->kind != *m_kind)
        return RecordsError{line, "the period " + quoted(period_text) + (*m_kind == PeriodKind::Date ? " is not a date like" : " is not a whole number like") +
                                      " the periods before it"};
    if (m_request.periods && (*period < m_request.periods->from || m_request.periods->to < *period)) return std::nullopt;

    uint8_t stage = 0;
    if (auto error = stageOf(line, fields[m_column[STAGE]], stage)) return error;
    const uint32_t person = m_persons.try_emplace(fields[m_column[PERSON]], static_cast<uint32_t>(m_persons.size())).first->second;
    PeriodColumn& column = columnOf(*period);
    if (column.stage.size() <= person) {
        column.stage.resize(person + 1, 0);
        column.line.resize(person + 1, NO_LINE);
    }
    const uint32_t this_line = static_cast<uint32_t>(std::min<long>(line, NO_LINE - 1));
    if (column.stage[person] != 0 && column.stage[person] != stage)
        return RecordsError{line, "person " + quoted(fields[m_column[PERSON]]) + " is in stage " + quoted(m_stages[column.stage[person] - 1]) +
                                      " on line " + std::to_string(column.line[person]) + " and in stage " + quoted(m_stages[stage - 1]) +
                                      " on line " + std::to_string(line) + ", both in period " + PERIOD_TEXT(*period)};
    if (column.stage[person] == 0) {
        column.stage[person] = stage;
        column.line[person] = this_line;
    }
    if (column.first_line_of_stage.size() < stage) column.first_line_of_stage.resize(stage, NO_LINE);
    column.first_line_of_stage[stage - 1] = std::min(column.first_line_of_stage[stage - 1], this_line);
    return std::nullopt;
}

// The stage named, known or new; an error for one outside --stages or one too many.
std::optional<RecordsError> SnapshotReader::stageOf(long line, const std::string& name, uint8_t& stage) {
    if (const auto known = m_stage_index.find(name); known != m_stage_index.end()) {
        stage = known->second;
        return std::nullopt;
    }
    if (!m_request.stages.empty()) return RecordsError{line, "the stage " + quoted(name) + " is not one of --stages"};
    if (m_stages.size() == RECORDS_MAX_STAGES)
        return RecordsError{line, "the stage " + quoted(name) + " is one too many: a model has at most " + std::to_string(RECORDS_MAX_STAGES) + " stages"};
    m_stages.push_back(name);
    stage = static_cast<uint8_t>(m_stages.size());
    m_stage_index.emplace(name, stage);
    return std::nullopt;
}

PeriodColumn& SnapshotReader::columnOf(const Period& period) {
    const auto [found, added] = m_period_index.try_emplace(period.value, m_periods.size());
    if (added) m_periods.push_back(PeriodColumn{period, {}, {}, {}});
    return m_periods[found->second];
}

// For each stage as read (from 1), its place in the model (from 1). Requested stages keep
// their place; the others go by their first line in the earliest snapshot, then by their first
// appearance in the file, which is the order they were read in.
std::vector<uint8_t> SnapshotReader::stageOrder() const {
    std::vector<uint8_t> place(m_stages.size() + 1, 0);
    std::vector<size_t> order(m_stages.size());
    std::iota(order.begin(), order.end(), 0);
    if (m_request.stages.empty()) {
        const PeriodColumn& earliest = *std::min_element(m_periods.begin(), m_periods.end(),
                                                         [](const PeriodColumn& a, const PeriodColumn& b) { return a.period < b.period; });
        const auto firstLine = [&](size_t k) { return k < earliest.first_line_of_stage.size() ? earliest.first_line_of_stage[k] : NO_LINE; };
        std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return firstLine(a) < firstLine(b); });
    }
    for (size_t k = 0; k < order.size(); ++k) place[order[k] + 1] = static_cast<uint8_t>(k + 1);
    return place;
}

std::optional<RecordsError> SnapshotReader::finish(Snapshots& snapshots) {
    if (!m_header_read) return RecordsError{0, "the file is empty: it needs a header row"};
    if (m_periods.size() < 2)
        return RecordsError{0, "the records " + std::string(m_request.periods ? "kept by --periods " : "") + "hold " + std::to_string(m_periods.size()) +
                                   " snapshot" + (m_periods.size() == 1 ? "" : "s") + "; a model needs at least two"};
    const std::vector<uint8_t> place = stageOrder();
    snapshots.stages.assign(m_stages.size(), {});
    for (size_t k = 0; k < m_stages.size(); ++k) snapshots.stages[place[k + 1] - 1] = m_stages[k];
    std::vector<PeriodColumn*> columns;
    for (PeriodColumn& column : m_periods) columns.push_back(&column);
    std::sort(columns.begin(), columns.end(), [](const PeriodColumn* a, const PeriodColumn* b) { return a->period < b->period; });
    snapshots.persons = m_persons.size();
    snapshots.periods.clear();
    snapshots.stage_at.clear();
    for (PeriodColumn* column : columns) {
        for (uint8_t& stage : column->stage) stage = place[stage];
        snapshots.periods.push_back(column->period);
        snapshots.stage_at.push_back(std::move(column->stage));
    }
    return std::nullopt;
}

}  // namespace

std::optional<RecordsError> READ_SNAPSHOTS(std::FILE* file, const RecordsRequest& request, Snapshots& snapshots) {
    SnapshotReader reader(request);
    if (auto error = READ_CSV_ROWS(file, [&](long line, const std::vector<std::string>& fields) { return reader.takeRow(line, fields); }))
        return error;
    return reader.finish(snapshots);
}

}  // namespace korvel
