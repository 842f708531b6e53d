// The target section as the report writes it on the two-stage example: the maintenance file
// against a hand-worked r, the schedule file run forward to the target, the graphs on the page;
// and a bad target file refused before anything is written.

#include "tests/report/report_run.h"

#include <array>

namespace korvel {
namespace {

const fs::path DATA = EXAMPLES / "two_stage_p.d";

// P = [0.8 0.1; 0 0.9], n(0) = (100, 100), target n = (50, 150), I - P = [0.2 -0.1; 0 0.1]:
// r = n [I - P] = (50 * 0.2, 50 * -0.1 + 150 * 0.1) = (10, 10), so the target is kept. Recruits
// only add, so n_1(k) >= 100 * 0.8^k, above 50 until k = 4 (0.8^3 = 0.512, 0.8^4 = 0.4096).
TEST(TargetSection, TwoStagesReachTheTargetInFourPeriods) {
    TempFolder work;
    std::ofstream(work.path() / "target.csv") << "stage,stock\n1,50\n2,150\n";
    const fs::path out = work.path() / "out";
    const CommandRun run = runReport(DATA, out, {}, "--quiet --target " + quotedPath(work.path() / "target.csv"));
    ASSERT_EQ(0, run.status) << run.output;
    const std::array<double, 2> target{50.0, 150.0};
    const auto kept = csvNumbers(numbered(out, "target-maintenance.csv"));
    ASSERT_EQ(2u, kept.size());
    for (size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(target[i], kept[i][0]);
        EXPECT_NEAR(10.0, kept[i][1], 1e-5) << "stage " << i + 1;  // P is read in single precision
    }
    // r_1, r_2, n_1, n_2 of periods 0..4; the last has no recruits
    const auto schedule = csvNumbers(numbered(out, "target-schedule.csv"));
    ASSERT_EQ(5u, schedule.size());
    std::array<double, 2> n{100.0, 100.0};
    for (size_t t = 0; t < schedule.size(); ++t) {
        const std::vector<double>& row = schedule[t];
        for (size_t i = 0; i < 2; ++i) EXPECT_NEAR(n[i], row[2 + i], 1e-4 * n[i]) << "period " << t << ", n_" << i + 1;
        if (t + 1 == schedule.size()) break;
        EXPECT_GE(row[0], 0.0) << "period " << t;
        EXPECT_GE(row[1], 0.0) << "period " << t;
        n = {0.8 * n[0] + row[0], 0.1 * n[0] + 0.9 * n[1] + row[1]};
    }
    for (size_t i = 0; i < 2; ++i) EXPECT_NEAR(target[i], n[i], 1e-4 * target[i]) << "n_" << i + 1;
    const std::string page = fileText(out / "index.html");
    const size_t section = page.find("<h2>Reaching the target structure</h2>");
    ASSERT_NE(std::string::npos, section);
    EXPECT_EQ(2u, occurrences(page.substr(section), "<svg"));
    EXPECT_EQ(2u, occurrences(page, "aria-label=\"Schedule of x_"));
}

// Grade 7 keeps 16 of 20 and gains 4 of grade 6's 50: r_7 = 20 * 0.2 - 50 * 0.08 = 0, which P
// in single precision puts a rounding below 0; the target is still kept.
TEST(TargetSection, ZeroIntakeWorkedOutInSinglePrecisionIsKept) {
    TempFolder work;
    std::ofstream(work.path() / "target.csv") << "stage,stock\n1,300\n2,200\n3,150\n4,100\n5,80\n6,50\n7,20\n";
    const fs::path out = work.path() / "out";
    const CommandRun run = runReport(EXAMPLES / "civil_service_grades.d", out, {}, "--quiet --target " + quotedPath(work.path() / "target.csv"));
    ASSERT_EQ(0, run.status) << run.output;
    EXPECT_NE(fileText(out / "index.html").find("The target is maintainable"), std::string::npos);
    EXPECT_NEAR(0.0, csvNumbers(numbered(out, "target-maintenance.csv"))[6][1], 1e-6);
}

// The reader's messages are tested on their own; here the command line gives one and writes nothing.
TEST(TargetSection, BadTargetFileIsRefusedNamingItsLine) {
    TempFolder work;
    std::ofstream(work.path() / "target.csv") << "stage,stock\n1,50\n2,abc\n";
    const CommandRun run = runReport(DATA, work.path() / "out", {}, "--quiet --target " + quotedPath(work.path() / "target.csv"));
    EXPECT_EQ(2, run.status);
    EXPECT_NE(run.output.find("target.csv line 3: the stock \"abc\" is not a number"), std::string::npos) << run.output;
    EXPECT_FALSE(fs::exists(work.path() / "out"));
}

}  // namespace
}  // namespace korvel
