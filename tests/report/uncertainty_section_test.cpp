// The uncertainty section as the report writes it: its files, the seed that reproduces them, and
// the one line for a file that gives P.

#include "tests/report/report_run.h"

#include <regex>

namespace korvel {
namespace {

// The page without the time it was made.
std::string pageWithoutTime(const fs::path& folder) {
    return std::regex_replace(fileText(folder / "index.html"), std::regex(" on [0-9-]+ [0-9:]+\\."), "");
}

TEST(UncertaintySection, SameSeedSameFilesAndPage) {
    TempFolder work;
    const fs::path data = EXAMPLES / "civil_service_grades.d";
    const fs::path first = work.path() / "first", again = work.path() / "again", other = work.path() / "other";
    ASSERT_EQ(0, runReport(data, first, {}, "--quiet --seed 28").status);
    ASSERT_EQ(0, runReport(data, again, {}, "--quiet --seed=28").status);
    ASSERT_EQ(0, runReport(data, other, {}, "--quiet --seed 29").status);
    for (const char* file : {"rate-intervals.csv", "projection-bands.csv", "stock-bands.csv"})
        EXPECT_EQ(fileText(numbered(first, file)), fileText(numbered(again, file))) << file;
    // Another seed moves the bands, not the intervals, which need no sampling
    EXPECT_EQ(fileText(numbered(first, "rate-intervals.csv")), fileText(numbered(other, "rate-intervals.csv")));
    EXPECT_NE(fileText(numbered(first, "projection-bands.csv")), fileText(numbered(other, "projection-bands.csv")));
    EXPECT_EQ(pageWithoutTime(first), pageWithoutTime(again));
    EXPECT_NE(fileText(first / "index.html").find("2000 samples of P, seed 28:"), std::string::npos);
}

TEST(UncertaintySection, FilesHoldEveryRateAndBand) {
    TempFolder work;
    const fs::path out = work.path() / "report";
    ASSERT_EQ(0, runReport(EXAMPLES / "two_stage_flows.d", out, {}, "--quiet --samples 400").status);
    const auto rates = csvCells(fileText(numbered(out, "rate-intervals.csv")));
    // Rows 80 10 | 10 and 0 90 | 10: every p_ij, then w*, with the Wilson bounds about it
    const std::vector<std::vector<std::string>> expected = {
        {"from", "to", "estimate"}, {"1", "1", "0.800000"}, {"1", "2", "0.100000"}, {"1", "w*", "0.100000"},
        {"2", "1", "0.00000"},      {"2", "2", "0.900000"}, {"2", "w*", "0.100000"}};
    ASSERT_EQ(expected.size(), rates.size());
    for (size_t r = 0; r < rates.size(); ++r) {
        ASSERT_EQ(5u, rates[r].size()) << r;
        for (size_t c = 0; c < 3; ++c) EXPECT_EQ(expected[r][c], rates[r][c]) << r << "," << c;
        if (r == 0) continue;
        EXPECT_LE(std::stod(rates[r][3]), std::stod(rates[r][2])) << r;
        EXPECT_LE(std::stod(rates[r][2]), std::stod(rates[r][4])) << r;
    }
    const auto bands = csvCells(fileText(numbered(out, "projection-bands.csv")));
    // Periods 0..10 and the steady state, each for both stages and the total
    ASSERT_EQ(1u + 12u * 3u, bands.size());
    EXPECT_EQ((std::vector<std::string>{"period", "stage", "p5", "p50", "p95"}), bands.front());
    EXPECT_EQ((std::vector<std::string>{"0", "1", "100.000", "100.000", "100.000"}), bands[1]);
    EXPECT_EQ("total", bands[3][1]);
    EXPECT_EQ("steady", bands.back()[0]);
    EXPECT_NE(fileText(out / "accuracy-certificate.csv").find("Bands of 400 samples"), std::string::npos);
}

TEST(UncertaintySection, FileGivingPSaysIntervalsNeedCounts) {
    TempFolder work;
    const fs::path out = work.path() / "report";
    ASSERT_EQ(0, runReport(EXAMPLES / "two_stage_p.d", out).status);
    EXPECT_NE(fileText(out / "index.html").find("The intervals and bands need counts: this data file gives matrix P itself."),
              std::string::npos);
    EXPECT_FALSE(fs::exists(out / "rate-intervals.csv"));
    for (const fs::path& file : csvFiles(out)) EXPECT_EQ(file.string().find("bands"), std::string::npos) << file;
}

TEST(UncertaintySection, RefusesTooFewSamplesOrABadSeed) {
    TempFolder work;
    for (const char* options : {"--samples 1", "--samples many", "--seed -3", "--seed 12x"}) {
        const CommandRun run = runReport(EXAMPLES / "two_stage_flows.d", work.path() / "report", {}, options);
        EXPECT_EQ(2, run.status) << options;
        EXPECT_NE(run.output.find("needs a whole number"), std::string::npos) << options << ": " << run.output;
    }
}

}  // namespace
}  // namespace korvel
