// What the report does with every example, with what it refuses, with a failing control file,
// with a nearly singular [I - P] and with more series than a graph holds: exit status, message,
// and the folder left absent, unchanged or replaced.

#include "tests/report/report_run.h"

namespace korvel {
namespace {

std::vector<std::vector<std::string>> certificateLines(const fs::path& out) {
    std::vector<std::vector<std::string>> lines = csvCells(fileText(out / "accuracy-certificate.csv"));
    if (!lines.empty()) lines.erase(lines.begin());  // the headings
    return lines;
}

std::vector<std::string> namesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(EveryExample, GivesACertificateThatSaysOkThroughout) {
    const std::pair<const char*, const char*> examples[] = {{"two_stage_flows.d", "OPTIMAL_CONTROL.d"},
                                                            {"two_stage_p.d", "OPTIMAL_CONTROL.d"},
                                                            {"civil_service_grades.d", "OPTIMAL_CONTROL_civil_service_grades.d"},
                                                            {"complex_roots.d", ""}};
    for (const auto& [data, control] : examples) {
        SCOPED_TRACE(data);
        TempFolder work;
        const CommandRun run = runReport(EXAMPLES / data, work.path() / "out", *control ? EXAMPLES / control : fs::path());
        ASSERT_EQ(run.status, 0) << run.output;
        EXPECT_EQ(run.output, "") << "--quiet leaves standard error silent";
        const auto lines = certificateLines(work.path() / "out");
        EXPECT_GE(lines.size(), 3u) << "the roots and the inverse at least";
        for (const auto& line : lines) EXPECT_EQ(line.back(), "ok") << line[0] << ": " << line[1] << " = " << line[2];
        EXPECT_EQ(namesIn(work.path()), std::vector<std::string>{"out"}) << "no temporary folder is left";
        // A table shown in pages of columns and rows is joined whole: every row as wide as the headings
        for (const fs::path& file : csvFiles(work.path() / "out"))
            for (const auto& row : csvCells(fileText(file))) EXPECT_EQ(row.size(), csvCells(fileText(file))[0].size()) << file;
    }
}

// A stage almost nobody leaves: P(1,1) = 1 - 1e-7, so [I - P] has a pivot of about 1e-7 and a
// condition number near 2e7, far past what 32-bit data can carry.
TEST(NearlySingular, IsMarkedInaccurateWithTheConditionNumber) {
    TempFolder work;
    std::ofstream(work.path() / "stuck.d") << "2 10\n0.9999999 0.0\n0.0 0.5\n100 100\n0.5 0.5 10\n";
    const CommandRun run = runReport(work.path() / "stuck.d", work.path() / "out");
    ASSERT_EQ(run.status, 0) << run.output;
    int flagged = 0;
    for (const auto& line : certificateLines(work.path() / "out")) {
        if (line[1].find("condition number") == std::string::npos) continue;
        ++flagged;
        EXPECT_EQ(line.back().rfind("inaccurate: ", 0), 0u) << line.back();
        EXPECT_GT(std::stod(line[2]), 1e6) << line[2];
    }
    EXPECT_EQ(flagged, 1);
    EXPECT_NE(fileText(work.path() / "out" / "index.html").find("class=\"inaccurate\""), std::string::npos);
}

enum class Left { Absent, Unchanged, Replaced };

TEST(Failures, GiveTheirMessageAndStatusAndLeaveTheFolderAsItWas) {
    struct Refusal {
        const char* data;       // in the work folder; "bad.d" holds N = 0, "good.d" the two-stage example
        bool old_report;        // DIR exists beforehand, with a file of the user's in it
        const char* extra;
        int status;
        const char* message;
        Left left;
    } const refusals[] = {
        // The reader's own message, and the file dialog's for a file that is not there
        {"bad.d", false, "--quiet", 2,
         "korvel: Attention ! Error in the number of stages: The number of stages N must lie between 1 and 55.", Left::Absent},
        {"none.d", false, "--quiet", 2,
         "korvel: \u0394\u03b5\u03bd \u03c5\u03c0\u03ac\u03c1\u03c7\u03b5\u03b9 \u03c4\u03bf \u03b1\u03c1\u03c7\u03b5\u03af\u03bf:",
         Left::Absent},
        {"good.d", true, "--quiet", 2, "out already exists; give --force to replace it", Left::Unchanged},
        {"good.d", true, "--force", 0, "korvel: the report is in", Left::Replaced},
        {"good.d", false, "--colour", 2, "korvel: unknown option --colour", Left::Absent},
    };
    for (const Refusal& refusal : refusals) {
        SCOPED_TRACE(std::string(refusal.data) + ' ' + refusal.extra);
        TempFolder work;
        fs::copy_file(EXAMPLES / "two_stage_flows.d", work.path() / "good.d");
        std::ofstream(work.path() / "bad.d") << "0 10\n";
        if (refusal.old_report) {
            fs::create_directory(work.path() / "out");
            std::ofstream(work.path() / "out" / "mine.txt") << "kept";
        }
        const CommandRun run = runReport(work.path() / refusal.data, work.path() / "out", {}, refusal.extra);
        EXPECT_EQ(run.status, refusal.status) << run.output;
        EXPECT_NE(run.output.find(refusal.message), std::string::npos) << run.output;
        // Nothing half-written or old is left beside DIR
        std::vector<std::string> beside = {"bad.d", "good.d"};
        if (refusal.left != Left::Absent) beside.insert(beside.end(), "out");
        EXPECT_EQ(namesIn(work.path()), beside);
        if (refusal.left == Left::Unchanged) {
            EXPECT_EQ(namesIn(work.path() / "out"), std::vector<std::string>{"mine.txt"});
        }
        if (refusal.left == Left::Replaced) {
            EXPECT_FALSE(fs::exists(work.path() / "out" / "mine.txt"));
            EXPECT_TRUE(fs::exists(work.path() / "out" / "index.html"));
        }
    }
}

TEST(FailingControlFile, LeavesOutTheControlTablesAndShowsItsMessage) {
    TempFolder work;
    std::ofstream(work.path() / "control.d") << "N = 2\n";
    const CommandRun run = runReport(EXAMPLES / "two_stage_flows.d", work.path() / "out", work.path() / "control.d");
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(csvFiles(work.path() / "out").size(), 13u) << "details, verdict, [I - P], projections, uncertainty: no control table";
    const std::string page = fileText(work.path() / "out" / "index.html");
    EXPECT_NE(page.find("The total control period N has not read properly."), std::string::npos);
    EXPECT_EQ(page.find("OPTIMAL CONTROL."), std::string::npos);
}

// Nine stages make ten series: each graph holds the first seven stages and the total, and the
// report says so.
TEST(NineStages, GraphsHoldTheTotalAndTheFirstSevenStages) {
    TempFolder work;
    std::ofstream model(work.path() / "nine.d");
    model << "9 5\n";
    for (int i = 1; i <= 9; ++i) {
        for (int j = 1; j <= 9; ++j) model << (j == i ? "0.7 " : j == i + 1 ? "0.2 " : "0 ");
        model << '\n';
    }
    model << "9*100\n9*5 0\n";
    model.close();
    const CommandRun run = runReport(work.path() / "nine.d", work.path() / "out");
    ASSERT_EQ(run.status, 0) << run.output;
    const std::string page = fileText(work.path() / "out" / "index.html");
    EXPECT_NE(page.find("Each graph holds the total and the first 7 of the 9 stages"), std::string::npos);
    const size_t start = page.find("<svg");
    const std::string graph = page.substr(start, page.find("</svg>", start) - start);
    for (const char* drawn : {"x_ 1<", "x_ 7<", "Total<"}) EXPECT_NE(graph.find(drawn), std::string::npos) << drawn;
    for (const char* left_out : {"x_ 8<", "x_ 9<"}) EXPECT_EQ(graph.find(left_out), std::string::npos) << left_out;
}

}  // namespace
}  // namespace korvel
