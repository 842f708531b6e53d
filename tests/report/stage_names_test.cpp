// The stage names of a report: a bad names file refused with its line and nothing written, and
// the labels a name replaces (standing alone, of a named stage) and those it leaves.

#include "report/stage_names.h"
#include "tests/report/report_run.h"

namespace korvel {
namespace {

TEST(StageNamesTest, ReplacesOnlyTheLabelsOfNamedStagesStandingAlone) {
    const StageNames names({"Clerk", "x_ 1"});
    const std::pair<const char*, const char*> cases[] = {
        {"    x_ 1", "    Clerk"},
        {"Column 2", "x_ 1"},  // a name is not read again as a label
        {"Row_ 1", "Clerk"},
        {"x*_ 2", "x_ 1"},
        {"NOMINAL AND OPTIMAL TRAJECTORY FOR THE STOCK :     w_ 1", "NOMINAL AND OPTIMAL TRAJECTORY FOR THE STOCK :     Clerk"},
        {"x_ 3", "x_ 3"},      // no such stage
        {"u*_ 1", "u*_ 1"},    // a control, not a stage
        {"ax_ 1", "ax_ 1"},
        {"x_ 12", "x_ 12"},
        {"1", "1"},
    };
    for (const auto& [text, named] : cases) EXPECT_EQ(names.named(text), named) << text;
}

TEST(StageNamesTest, BadNamesFileIsRefusedWithItsLineAndNothingWritten) {
    struct Fault {
        const char* names;  // the file's text; null: no file
        const char* message;
    } const faults[] = {
        {nullptr, "names.csv: cannot be read: No such file or directory"},
        {"stage,label\n1,A\n", "names.csv:1: the header must be number,name"},
        {"number,name\n1,A\n2\n", "names.csv:3: a line holds a stage's number and its name, 2 fields; this one holds 1"},
        {"number,name\n1,A\nB,2\n", "names.csv:3: the stage number \"B\" is not a whole number from 1 to 55"},
        {"number,name\n1,A\n2,\"\"\n", "names.csv:3: stage 2 has no name"},
        {"number,name\n1,A\n2,B\n\n1,C\n", "names.csv:5: stage 1 is named on line 2 and again on line 5"},
        {"number,name\n1,A\n3,C\n", "names.csv: stage 2 has no line"},
        {"number,name\n1,\"A\n", "names.csv:2: a quoted field is never closed"},
        {"number,name\n1,A\n2,B\n3,C\n", "names.csv names 3 stages; the model good.d has 2"},
    };
    for (const Fault& fault : faults) {
        TempFolder work;
        fs::copy_file(EXAMPLES / "two_stage_flows.d", work.path() / "good.d");
        if (fault.names != nullptr) std::ofstream(work.path() / "names.csv", std::ios::binary) << fault.names;
        const CommandRun run = runCommand("cd " + quotedPath(work.path()) + " && " + KORVEL_PROGRAM +
                                          " --report good.d --out out --names names.csv --quiet 2>&1");
        EXPECT_EQ(run.status, 2) << fault.message;
        EXPECT_EQ(run.output, std::string("korvel: ") + fault.message + "\n");
        EXPECT_FALSE(fs::exists(work.path() / "out")) << fault.message;
    }
}

}  // namespace
}  // namespace korvel
