// The constrained section as the report writes it on the seven-grade example with caps, its
// certificate lines against costs worked from the written tables, and a bad limits file refused
// before anything is written.

#include "tests/report/report_run.h"

#include <cmath>
#include <numeric>

namespace korvel {
namespace {

const fs::path DATA = EXAMPLES / "civil_service_grades.d";
const fs::path CONTROL = EXAMPLES / "OPTIMAL_CONTROL_civil_service_grades.d";

// Stage 1 capped at 100 and every period's total at 125: the written plan keeps both, the page
// shows one graph per grade, and the certificate's rounded cost is that of the written trajectory.
TEST(ConstrainedSection, SevenGradesWithCapsKeepEveryLimit) {
    TempFolder work;
    std::ofstream(work.path() / "limits.csv") << "stage,cap\n1,100\ntotal,125\n";
    const fs::path out = work.path() / "out";
    const CommandRun run = runReport(DATA, out, CONTROL, "--quiet --limits " + quotedPath(work.path() / "limits.csv"));
    ASSERT_EQ(0, run.status) << run.output;
    const auto recruits = csvNumbers(numbered(out, "constrained-optimal-control.csv"));
    ASSERT_EQ(6u, recruits.size());
    for (const auto& period : recruits) {
        EXPECT_LE(period[0], 100.0);
        EXPECT_LE(std::accumulate(period.begin(), period.end(), 0.0), 125.0);
        for (const double u : period) EXPECT_GE(u, 0.0);
    }
    // J = sum over t of r(t)'(x(t) - a(t))^2 from the state table, the path and the weights
    const auto states = csvNumbers(numbered(out, "constrained-optimal-state.csv"));
    const auto path = csvNumbers(numbered(out, "nominal-path.csv")), weights = csvNumbers(numbered(out, "weights-r.csv"));
    double cost = 0.0;
    for (size_t t = 1; t < states.size(); ++t)
        for (size_t k = 0; k < states[t].size(); ++k) cost += weights[t - 1][k] * std::pow(states[t][k] - path[t - 1][k], 2);
    const std::string page = fileText(out / "index.html");
    EXPECT_EQ(7u, occurrences(page, "aria-label=\"Stocks of x_"));
    EXPECT_NE(page.find("Periods 2-6: u_1 at its cap"), std::string::npos);
    int lines = 0;
    for (const auto& line : csvCells(fileText(out / "accuracy-certificate.csv"))) {
        if (line[0] != "Constrained control") continue;
        ++lines;
        EXPECT_EQ("ok", line.back()) << line[1];
        if (line[1].rfind("cost", 0) == 0) EXPECT_NEAR(cost, std::stod(line[2]), 1e-5 * cost) << line[2];
        else EXPECT_LT(std::stod(line[2]), 1e-6) << line[1];
    }
    EXPECT_EQ(3, lines);
}

// The reader's messages are tested on their own; here the command line gives one and writes nothing.
TEST(ConstrainedSection, BadLimitsFileIsRefusedNamingItsLine) {
    TempFolder work;
    std::ofstream(work.path() / "limits.csv") << "stage,cap\ntotal,5\n3,-2\n";
    const CommandRun run = runReport(DATA, work.path() / "out", CONTROL, "--quiet --limits " + quotedPath(work.path() / "limits.csv"));
    EXPECT_EQ(2, run.status);
    EXPECT_NE(run.output.find("limits.csv line 3: the cap -2 is below 0"), std::string::npos) << run.output;
    EXPECT_FALSE(fs::exists(work.path() / "out"));
}

}  // namespace
}  // namespace korvel
