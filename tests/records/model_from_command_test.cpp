// `korvel --model-from` as a planner runs it: what it writes, and for every fault of the records
// or of the command line, its message naming the line, exit status 2 and no file left.

#include "tests/report/report_run.h"

#include <gtest/gtest.h>

namespace korvel {
namespace {

const std::string HEADER = "id,year,grade\n";

std::string fiftySixStages() {
    std::string records = HEADER;
    for (int k = 1; k <= 56; ++k) records += "p" + std::to_string(k) + ",2019,S" + std::to_string(k) + "\n";
    return records;
}

struct Fault {
    const char* name;
    std::string records;
    std::string options;
    std::string message;  // after "korvel: "
};

const Fault FAULTS[] = {
    {"missing_column", "person;year;level\n", "", "records.csv:1: the header has no column for the stage (stage, grade, rank); --columns names it otherwise"},
    {"missing_named_column", HEADER, "--columns id,year,band", "records.csv:1: the header has no column named \"band\""},
    {"empty_field", HEADER + "p1,2019,Clerk\np1,,Clerk\n", "", "records.csv:3: the field \"year\" is empty"},
    {"short_row", HEADER + "p1,2019\n", "", "records.csv:2: the field \"grade\" is empty"},
    {"bad_period", HEADER + "p1,2019,Clerk\n\"p2\",\"20x9\",Clerk\n", "", "records.csv:3: the period \"20x9\" is neither a whole number nor a date (YYYY-MM-DD)"},
    {"mixed_periods", HEADER + "p1,2019-01-01,Clerk\np1,2020,Clerk\n", "", "records.csv:3: the period \"2020\" is not a date like the periods before it"},
    {"two_stages_at_once", HEADER + "p1,2019,Clerk\np2,2019,Clerk\np1,2019,Officer\n", "",
     "records.csv:4: person \"p1\" is in stage \"Clerk\" on line 2 and in stage \"Officer\" on line 4, both in period 2019"},
    {"one_snapshot", HEADER + "p1,2019,Clerk\np2,2019,Clerk\n", "", "records.csv: the records hold 1 snapshot; a model needs at least two"},
    {"one_snapshot_kept", HEADER + "p1,2019,Clerk\np1,2020,Clerk\n", "--periods 2020:2030",
     "records.csv: the records kept by --periods hold 1 snapshot; a model needs at least two"},
    {"too_many_stages", fiftySixStages(), "", "records.csv:57: the stage \"S56\" is one too many: a model has at most 55 stages"},
    {"stage_not_given", HEADER + "p1,2019,Clerk\np1,2020,Officer\n", "--stages Clerk", "records.csv:3: the stage \"Officer\" is not one of --stages"},
    {"no_move_or_stay", HEADER + "p1,2019,Clerk\np2,2020,Clerk\n", "",
     "records.csv: no one stayed or moved between two snapshots: a matrix of zeros would be read as P"},
    {"quote_never_closed", HEADER + "p1,2019,Clerk\np1,2020,\"Clerk\n", "", "records.csv:3: a quoted field is never closed"},
    {"empty_file", "", "", "records.csv: the file is empty: it needs a header row"},
    {"horizon_too_long", HEADER, "--horizon 199", "--horizon needs a whole number from 1 to 198"},
    {"recruits_unknown", HEADER, "--recruits median", "--recruits needs mean or last"},
    {"periods_reversed", HEADER, "--periods 2020:2019", "--periods needs FROM:TO, two whole numbers or two dates (YYYY-MM-DD), FROM not after TO"},
    {"stage_twice", HEADER, "--stages 'A, B,A'", "--stages names a stage twice"},
    {"columns_two", HEADER, "--columns id,year", "--columns needs three names: the person, the period and the stage"},
    {"other_commands_option", HEADER, "--control x.d", "unknown option --control"},
};

std::string modelFrom(const TempFolder& folder, const std::string& options, const std::string& records = "records.csv") {
    return std::string("cd ") + quotedPath(folder.path()) + " && " + KORVEL_PROGRAM + " --model-from " + records + " --out model.d " + options + " 2>&1";
}

std::vector<std::string> filesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(ModelFromCommandTest, FaultsNameTheirLineAndLeaveNoFile) {
    for (const Fault& fault : FAULTS) {
        TempFolder folder;
        std::ofstream(folder.path() / "records.csv", std::ios::binary) << fault.records;
        const CommandRun run = runCommand(modelFrom(folder, fault.options));
        EXPECT_EQ(2, run.status) << fault.name;
        EXPECT_EQ(0u, run.output.rfind("korvel: " + fault.message + "\n", 0)) << fault.name << ": " << run.output;
        EXPECT_EQ(std::vector<std::string>{"records.csv"}, filesIn(folder.path())) << fault.name;
    }
}

// The example's model and names, a summary unless --quiet, and an existing model kept unless
// --force.
TEST(ModelFromCommandTest, WritesTheModelOnceUnlessForced) {
    TempFolder folder;
    fs::copy_file(EXAMPLES / "staff_records.csv", folder.path() / "staff_records.csv");
    const CommandRun first = runCommand(modelFrom(folder, "", "staff_records.csv"));
    EXPECT_EQ(0, first.status);
    EXPECT_NE(std::string::npos, first.output.find("korvel: 8 persons, 3 snapshots (2019, 2020, 2021), 2 transitions\n"));
    EXPECT_NE(std::string::npos, first.output.find("\nOfficer     3     1     2        1       1        2         1\n")) << first.output;
    EXPECT_EQ(fileText(EXAMPLES / "staff_records.d"), fileText(folder.path() / "model.d"));
    EXPECT_EQ(fileText(EXAMPLES / "staff_records.names.csv"), fileText(folder.path() / "model.names.csv"));

    std::ofstream(folder.path() / "model.d") << "kept";
    const CommandRun refused = runCommand(modelFrom(folder, "--quiet", "staff_records.csv"));
    EXPECT_EQ(2, refused.status);
    EXPECT_EQ("korvel: model.d already exists; give --force to replace it\n", refused.output);
    EXPECT_EQ("kept", fileText(folder.path() / "model.d"));

    const CommandRun forced = runCommand(modelFrom(folder, "--quiet --force --recruits=last --horizon 20", "staff_records.csv"));
    EXPECT_EQ(0, forced.status);
    EXPECT_EQ("", forced.output);
    EXPECT_EQ(0u, fileText(folder.path() / "model.d").rfind("3 20  !", 0));
    EXPECT_EQ((std::vector<std::string>{"model.d", "model.names.csv", "staff_records.csv"}), filesIn(folder.path()));
}

// The report reads the model without a message, shows the stages by the names written beside
// it, and its P holds the counted proportions: each count over the persons the stage held at the
// start of a transition (stayers, movers, leavers).
TEST(ModelFromCommandTest, ReportOfTheModelByItsNames) {
    TempFolder folder;
    fs::copy_file(EXAMPLES / "staff_records.csv", folder.path() / "records.csv");
    ASSERT_EQ(0, runCommand(modelFrom(folder, "--quiet")).status);
    const CommandRun report = runReport(folder.path() / "model.d", folder.path() / "report", {},
                                        "--quiet --names " + quotedPath(folder.path() / "model.names.csv"));
    ASSERT_EQ(0, report.status) << report.output;
    const std::vector<std::vector<std::string>> p{
        {"Rows/Columns", "Clerk", "Officer", "Manager", "Vector w*", "Totals"},
        {"Clerk", "0.666667", "0.333333", "0.000000", "0.000000", "1.000000"},
        {"Officer", "0.000000", "0.250000", "0.250000", "0.500000", "1.000000"},
        {"Manager", "0.000000", "0.000000", "0.333333", "0.666667", "1.000000"},
    };
    EXPECT_EQ(p, csvCells(fileText(folder.path() / "report" / "02-transition-matrix.csv")));
    const std::vector<std::string> stages{"Period    t", "Clerk", "Percent (%)", "Officer", "Percent (%)", "Manager"};
    const auto projections = csvCells(fileText(folder.path() / "report" / "07-common-projections.csv"));
    EXPECT_EQ(stages, std::vector<std::string>(projections[0].begin(), projections[0].begin() + 6));
    EXPECT_NE(std::string::npos, fileText(folder.path() / "report" / "index.html").find(">    Manager</text>")) << "a legend";
}

TEST(ModelFromCommandTest, HelpDescribesIt) {
    const CommandRun help = runCommand(std::string(KORVEL_PROGRAM) + " --help");
    EXPECT_NE(std::string::npos, help.output.find("Usage: korvel --model-from RECORDS.csv --out MODEL.d"));
}

}  // namespace
}  // namespace korvel
