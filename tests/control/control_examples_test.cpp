// The optimal control of the example models with their control files, as a user runs it after
// "Sho&w details": the states and controls the command leaves against the trajectory of the
// stacked least-squares oracle, rounded as shown. The tables and the comparison the user sees
// are checked by the scenarios control_reading_success and control_comparison.

#include "tests/analysis/analysis_fixture.h"
#include "analysis/analysis_commands.h"
#include "control/control_commands.h"
#include "control/control_state.h"
#include "tests/control/control_oracle.h"
#include "tests/control/working_directory.h"

#include <fstream>
#include <sstream>

namespace korvel {
namespace {

struct Example {
    const char* data_file;
    const char* control_file;
};

// The control file: N, then N lines of the desired path and N of the weights, m values each
// before any comment.
void readControlFile(const std::string& path, int m, ControlProblem& problem) {
    std::ifstream file(path);
    std::string line;
    std::getline(file, line);
    const int periods = std::stoi(line);
    auto group = [&] {
        std::getline(file, line);
        std::istringstream values(line);
        Eigen::VectorXd v(m);
        for (int i = 0; i < m; ++i) values >> v(i);
        return v;
    };
    for (int t = 0; t < periods; ++t) problem.path.push_back(group());
    for (int t = 0; t < periods; ++t) problem.weights.push_back(group());
}

class ControlExamplesTest : public AnalysisTest, public ::testing::WithParamInterface<Example> {};

TEST_P(ControlExamplesTest, TrajectoryAsTheOracleGivesIt) {
    WorkingDirectory directory;
    readFile(examplePath(GetParam().data_file));
    SHOWDATA(false);
    std::ifstream control(examplePath(GetParam().control_file));
    directory.write("OPTIMAL_CONTROL.d", std::string(std::istreambuf_iterator<char>(control), {}));
    OPTIMAL_CONTROL(true);
    ASSERT_TRUE(CONTROL_SOLVED);

    const int n = STAGE_COUNT, m = 2 * n;
    ControlProblem problem;
    problem.p = Eigen::MatrixXd(n, n);
    problem.x0 = Eigen::VectorXd(m);
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) problem.p(i, j) = MATRIX_P(i + 1, j + 1);
        problem.x0(i) = INITIAL_STOCKS(i + 1);
        problem.x0(n + i) = INFLOWS(i + 1);
    }
    readControlFile(examplePath(GetParam().control_file), m, problem);
    const RoundedTrajectory expected = roundedTrajectory(problem);
    ASSERT_EQ(CONTROL_PERIOD + 1, static_cast<int>(expected.states.size()));
    for (int t = 0; t <= CONTROL_PERIOD; ++t)
        for (int i = 0; i < m; ++i) EXPECT_EQ(expected.states[static_cast<size_t>(t)](i), OPTIMAL_STATES(t + 1, i + 1)) << "x*(" << t << ") " << i + 1;
    for (int t = 1; t <= CONTROL_PERIOD; ++t)
        for (int i = 0; i < n; ++i) EXPECT_EQ(expected.controls[static_cast<size_t>(t - 1)](i), OPTIMAL_CONTROLS(t, i + 1)) << "u*(" << t << ") " << i + 1;
    EXPECT_TRUE(directory.holdsOnly({"OPTIMAL_CONTROL.d"}));
}

INSTANTIATE_TEST_SUITE_P(Examples, ControlExamplesTest,
                         ::testing::Values(Example{"two_stage_flows.d", "OPTIMAL_CONTROL.d"},
                                           Example{"civil_service_grades.d", "OPTIMAL_CONTROL_civil_service_grades.d"}),
                         [](const auto& info) { return info.index == 0 ? std::string("two_stages") : std::string("seven_grades"); });

}  // namespace
}  // namespace korvel
