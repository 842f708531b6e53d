// From records to a data file: the hand-worked example line by line, the orders and ranges the
// command line asks for, and random records against their own histories, read back through
// "Rea&d data".

#include "records/model_from_records.h"

#include "frontends/headless/script/scripted_window_layer.h"
#include "model/model_state.h"
#include "model/read_data.h"
#include "present/window/file_units.h"
#include "tests/control/working_directory.h"

#include <gtest/gtest.h>

#include <stdio.h>

#include <algorithm>
#include <fstream>
#include <random>
#include <sstream>

namespace korvel {
namespace {

static_assert(RECORDS_MAX_STAGES == MAX_STAGES && RECORDS_MAX_HORIZON == MAX_PERIODS);

std::string exampleRecords() {
    std::ifstream file(std::string(KORVEL_EXAMPLES_DIR) + "/staff_records.csv", std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

std::optional<RecordsError> modelOf(std::string records, const RecordsRequest& request, const DataFileNotes& notes, ModelFromRecords& result) {
    std::FILE* file = ::fmemopen(records.data(), records.size(), "rb");
    const auto error = MODEL_FROM_RECORDS(file, request, notes, result);
    std::fclose(file);
    return error;
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) lines.push_back(line);
    return lines;
}

// examples/staff_records.csv: p1 stays a Clerk; p2 moves from Clerk to Officer; p3 leaves; p4
// joins as a Manager in 2020 (on the first lines, so the order of the file alone would put
// Manager first); p5 leaves and returns as a Clerk; p6 is missing from 2020; p7 joins in 2021;
// p8 moves and then leaves.
TEST(ModelFromRecordsTest, HandWorkedFile) {
    ModelFromRecords result;
    ASSERT_FALSE(modelOf(exampleRecords(), {}, {10, RecruitsRule::Mean, "staff_records.csv"}, result));
    const std::vector<std::string> expected{
        "3 10  ! 3 stages (Clerk, Officer, Manager), 10 periods to project; counted from staff_records.csv, 2019 to 2021, 2 transitions",
        "2 1 0  ! X: from Clerk to each stage, summed over the 2 transitions",
        "0 1 1  ! X: from Officer to each stage, summed over the 2 transitions",
        "0 0 1  ! X: from Manager to each stage, summed over the 2 transitions",
        "0 2 2  ! outflows: the leavers of each stage, summed over the 2 transitions",
        "2 2 2  ! initial stocks: each stage at 2021",
        "0.5 0.5 1 0  ! recruitments of each stage, the mean of the 2 transitions; a total of 0: they are persons",
    };
    EXPECT_EQ(expected, linesOf(result.data_file));
    EXPECT_EQ("number,name\n1,\"Clerk\"\n2,\"Officer\"\n3,\"Manager\"\n", result.stage_names);
    EXPECT_EQ(8u, result.snapshots.persons);
}

// What the command line changes in the hand-worked file: the first matrix row and the last line.
struct Variant {
    const char* name;
    RecordsRequest request;
    RecruitsRule rule;
    std::string first_row;
    std::string recruits;
};

TEST(ModelFromRecordsTest, OrdersRangesAndRecruits) {
    const Variant variants[] = {
        {"stages_given", {{"Manager", "Officer", "Clerk"}, {}, {}}, RecruitsRule::Mean, "1 0 0", "1 0.5 0.5 0"},
        {"columns_named", {{}, {"ID", "Year", "GRADE"}, {}}, RecruitsRule::Mean, "2 1 0", "0.5 0.5 1 0"},
        {"last_transition", {}, RecruitsRule::Last, "2 1 0", "1 1 1 0"},
        {"periods_kept", {{}, {}, PeriodRange{*PARSE_PERIOD("2020"), *PARSE_PERIOD("2021")}}, RecruitsRule::Mean, "1 0 0", "1 1 1 0"},
    };
    for (const Variant& variant : variants) {
        ModelFromRecords result;
        const auto error = modelOf(exampleRecords(), variant.request, {10, variant.rule, "staff_records.csv"}, result);
        ASSERT_FALSE(error) << variant.name << ": " << error->text;
        const std::vector<std::string> lines = linesOf(result.data_file);
        EXPECT_EQ(variant.first_row, lines[1].substr(0, lines[1].find("  !"))) << variant.name;
        EXPECT_EQ(variant.recruits, lines.back().substr(0, lines.back().find("  !"))) << variant.name;
    }
}

// Random histories: each person is absent or in a stage at each snapshot, and the records of
// all are written in a random order, in a random dialect, with stage names that need quotes.
struct Histories {
    std::vector<std::string> stages;
    std::vector<std::vector<int>> stage_of;  // [person][snapshot], -1 absent
    std::string records;
};

Histories randomHistories(unsigned seed, int persons, int snapshots, int stages) {
    std::mt19937 random(seed);
    Histories histories;
    for (int k = 0; k < stages; ++k) histories.stages.push_back(k % 2 ? "Grade; \"" + std::to_string(k) + "\"" : "Grade, " + std::to_string(k));
    std::vector<std::string> rows;
    const char separator = seed % 2 ? ';' : ',';
    const std::string line_end = seed % 3 ? "\r\n" : "\n";
    for (int p = 0; p < persons; ++p) {
        histories.stage_of.emplace_back();
        for (int s = 0; s < snapshots; ++s) {
            const int stage = random() % 4 == 0 ? -1 : static_cast<int>(random() % stages);
            histories.stage_of.back().push_back(stage);
            if (stage < 0) continue;
            std::string quoted = "\"";
            for (const char c : histories.stages[stage]) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
            rows.push_back("P" + std::to_string(p) + separator + std::to_string(2000 + s) + separator + quoted + "\"" + separator + "x" + line_end);
        }
    }
    std::shuffle(rows.begin(), rows.end(), random);
    histories.records = "\xEF\xBB\xBF" + std::string("Employee") + separator + "Year" + separator + "Rank" + separator + "Notes" + line_end;
    for (const std::string& row : rows) histories.records += row;
    return histories;
}

// The data file read through "Rea&d data", as a planner's "Rea&d data" would read it.
class ReadBack {
public:
    explicit ReadBack(const std::string& data_file) {
        INSTALL_SCRIPTED_LAYER(&m_layer);
        DATA_UNIT = DATA_CHANNEL;
        RESET_MODEL_FLAGS();
        m_directory.write("model.d", data_file);
        EXPECT_TRUE(OPEN_UNIT(DATA_UNIT, (m_directory.path() / "model.d").string(), UnitAccess::ReadOnly));
        DATAFILE_OPEN = true;
        READ_DATA(false);
    }
    ~ReadBack() {
        CLOSE_UNIT(DATA_UNIT);
        RESET_MODEL_FLAGS();
        INSTALL_SCRIPTED_LAYER(nullptr);
    }
    std::vector<std::string> messageBoxes() const { return m_layer.transcript().linesStartingWith("msgbox "); }

private:
    ScriptedWindowLayer m_layer;
    WorkingDirectory m_directory;
};

TEST(ModelFromRecordsTest, RandomRecordsReadBackAsCounted) {
    const struct {
        unsigned seed;
        int persons, snapshots, stages;
    } shapes[] = {{1, 40, 2, 3}, {2, 300, 5, 7}, {3, 1000, 4, 55}, {4, 7, 9, 1}};
    for (const auto& shape : shapes) {
        SCOPED_TRACE(shape.seed);
        const Histories histories = randomHistories(shape.seed, shape.persons, shape.snapshots, shape.stages);
        const auto n = static_cast<size_t>(shape.stages);
        const RecruitsRule rule = shape.seed % 2 ? RecruitsRule::Mean : RecruitsRule::Last;
        ModelFromRecords result;
        const auto error = modelOf(histories.records, {histories.stages, {}, {}}, {shape.snapshots, rule, "records.csv"}, result);
        ASSERT_FALSE(error) << error->line << ": " << error->text;

        // Each transition's counts account for every person of both snapshots.
        const RecordCounts& counts = result.counts;
        for (size_t t = 0; t < counts.transitions.size(); ++t) {
            for (size_t i = 0; i < n; ++i) {
                int64_t out = 0;
                int64_t in = 0;
                for (size_t j = 0; j < n; ++j) {
                    out += counts.transitions[t].move(i, j);
                    in += counts.transitions[t].move(j, i);
                }
                EXPECT_EQ(counts.stocks[t][i], out + counts.transitions[t].leavers[i]);
                EXPECT_EQ(counts.stocks[t + 1][i], in + counts.transitions[t].recruits[i]);
            }
        }

        // The model read back holds what the histories give.
        std::vector<double> flows(n * n, 0.0), outflows(n, 0.0), stocks(n, 0.0), recruits(n, 0.0), last_recruits(n, 0.0);
        for (const std::vector<int>& path : histories.stage_of) {
            for (int s = 0; s + 1 < shape.snapshots; ++s) {
                const int before = path[s];
                const int after = path[s + 1];
                if (before >= 0 && after >= 0) flows[before * n + after] += 1;
                if (before >= 0 && after < 0) outflows[before] += 1;
                if (before < 0 && after >= 0) (s + 2 == shape.snapshots ? last_recruits : recruits)[after] += 1;
            }
            if (path.back() >= 0) stocks[path.back()] += 1;
        }
        const ReadBack read_back(result.data_file);
        EXPECT_EQ(std::vector<std::string>{}, read_back.messageBoxes());
        ASSERT_TRUE(DATA_READ);
        EXPECT_FALSE(X_HOLDS_P);
        EXPECT_EQ(shape.stages, STAGE_COUNT);
        float total = 0.0f;
        for (size_t i = 0; i < n; ++i) {
            const int row = static_cast<int>(i + 1);
            for (size_t j = 0; j < n; ++j) EXPECT_EQ(static_cast<float>(flows[i * n + j]), MATRIX_X(row, static_cast<int>(j + 1)));
            EXPECT_EQ(static_cast<float>(outflows[i]), OUTFLOWS(row));
            EXPECT_EQ(static_cast<float>(stocks[i]), INITIAL_STOCKS(row));
            const double expected = rule == RecruitsRule::Last ? last_recruits[i] : (recruits[i] + last_recruits[i]) / (shape.snapshots - 1);
            EXPECT_EQ(static_cast<float>(expected), INFLOWS(row));
            total += INFLOWS(row);
        }
        EXPECT_EQ(total, TOTAL_INFLOW);
    }
}

}  // namespace
}  // namespace korvel
