// The optimal control from end to end through korvel_replay, on the two-stage example with
// examples/OPTIMAL_CONTROL.d and on the seven grades with their own control file: every cell of
// the x* and u* tables against the trajectory the oracle gives, and the comparison of one
// stage, its graph's series and its statistics computed here in double.

#include "analysis_fixture.h"
#include "control_oracle.h"
#include "replay_run.h"

#include <cmath>
#include <fstream>
#include <sstream>

namespace korvel {
namespace {

constexpr int NOMINAL_KIND = 7;
constexpr int WEIGHTS_KIND = 8;
constexpr int STATES_KIND = 9;
constexpr int CONTROLS_KIND = 10;

struct Example {
    std::string name;
    std::string data_file;
    std::string control_file;
    // Matrix X with its outflows; P is X(i, j) over the row's total with the outflows.
    std::vector<std::vector<float>> counts;
    std::vector<float> outflows;
    std::vector<float> initial;
    std::vector<float> inflows;
    int compared_stage;
};

void PrintTo(const Example& example, std::ostream* out) { *out << example.name; }

const std::vector<Example>& examples() {
    static const std::vector<Example> all = {
        {"two_stages", "two_stage_flows.d", "OPTIMAL_CONTROL.d", {{80, 10}, {0, 90}}, {10, 10}, {100, 100}, {5, 5}, 2},
        {"seven_grades", "civil_service_grades.d", "OPTIMAL_CONTROL_civil_service_grades.d",
         {{300, 40, 0, 0, 0, 0, 0},
          {0, 262, 30, 0, 0, 0, 0},
          {0, 0, 205, 25, 0, 0, 0},
          {0, 0, 0, 134, 14, 0, 0},
          {0, 0, 0, 0, 85, 8, 0},
          {0, 0, 0, 0, 0, 43, 4},
          {0, 0, 0, 0, 0, 0, 16}},
         {60, 28, 20, 12, 7, 3, 4},
         {410, 315, 255, 158, 102, 49, 21},
         {85, 25, 12, 5, 3, 2, 0},
         7},
    };
    return all;
}

// N, then one line per group: its values first, a comment after them.
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

ControlProblem problemOf(const Example& example) {
    const int n = static_cast<int>(example.counts.size());
    ControlProblem problem;
    problem.p = Eigen::MatrixXd(n, n);
    problem.x0 = Eigen::VectorXd(2 * n);
    for (int i = 0; i < n; ++i) {
        float total = 0.0f;
        for (float count : example.counts[static_cast<size_t>(i)]) total += count;
        total += example.outflows[static_cast<size_t>(i)];
        for (int j = 0; j < n; ++j) problem.p(i, j) = example.counts[static_cast<size_t>(i)][static_cast<size_t>(j)] / total;
        problem.x0(i) = example.initial[static_cast<size_t>(i)];
        problem.x0(n + i) = example.inflows[static_cast<size_t>(i)];
    }
    readControlFile(std::string(KORVEL_EXAMPLES_DIR) + "/" + example.control_file, 2 * n, problem);
    return problem;
}

std::string scenarioFor(const Example& example) {
    const std::string examples = std::string(KORVEL_EXAMPLES_DIR) + "/";
    return "copy " + examples + example.data_file + " data.d\n" + "copy " + examples + example.control_file +
           " OPTIMAL_CONTROL.d\n" +
           "start\nenter\nanswer file data.d\nmenu O&pen datafile\nmenu Rea&d data\nmenu Sho&w details\n"
           "menu A&pplication of optimal control\n" +
           "answer pick x_" + RIGHT_ALIGNED(example.compared_stage, 2) + "\nanswer ok\nanswer enter\n"
           "menu Gr&aph for each stage\n";
}

// A table as shown: rows numbered from `first`, headings the stem with the column's number.
ShownPage expectedTable(int kind, const std::vector<Eigen::VectorXd>& rows, int columns, int first, const std::string& stem) {
    ShownPage page{kind, {"  Period    t"}, {}};
    for (int i = 1; i <= columns; ++i) page.headings.push_back(stem + RIGHT_ALIGNED(i, 2));
    for (size_t r = 0; r < rows.size(); ++r) {
        std::vector<std::string> row = {rowNumberText(first + static_cast<int>(r))};
        for (int i = 0; i < columns; ++i) row.push_back(cellText(static_cast<float>(rows[r](i)), kind));
        page.rows.push_back(row);
    }
    return page;
}

void expectSamePage(const ShownPage& expected, const ShownPage& shown, const std::string& where) {
    EXPECT_EQ(expected.kind, shown.kind) << where;
    EXPECT_EQ(expected.headings, shown.headings) << where << " kind " << expected.kind;
    ASSERT_EQ(expected.rows.size(), shown.rows.size()) << where << " kind " << expected.kind;
    for (size_t r = 0; r < expected.rows.size(); ++r)
        EXPECT_EQ(expected.rows[r], shown.rows[r]) << where << " kind " << expected.kind << " row " << r + 1;
}

// The number after the last colon of a drawn line.
double statisticOf(const std::vector<std::string>& lines, const std::string& label) {
    for (const std::string& line : lines)
        if (line.find(label) != std::string::npos) {
            const std::string text = quotedTexts(line).back();
            return std::stod(text.substr(text.rfind(':') + 1));
        }
    ADD_FAILURE() << "no line with " << label;
    return NAN;
}

class ControlEndToEndTest : public ::testing::TestWithParam<Example> {};

TEST_P(ControlEndToEndTest, EveryCellAsTheOracleGivesIt) {
    const Example& example = GetParam();
    const ControlProblem problem = problemOf(example);
    const int n = problem.n(), m = 2 * n;
    const ReplayRun run = replay(scenarioFor(example));
    ASSERT_EQ(0, run.status) << ::testing::PrintToString(run.lines);

    // A table of more than 11 columns comes in column pages: each page after the first adds
    // its columns to the rows of the one before.
    std::vector<ShownPage> shown;
    for (const ShownPage& page : pagesOf(run.lines)) {
        if (page.kind < NOMINAL_KIND || page.kind > CONTROLS_KIND) continue;
        if (shown.empty() || shown.back().kind != page.kind) {
            shown.push_back(page);
            continue;
        }
        ShownPage& table = shown.back();
        table.headings.insert(table.headings.end(), page.headings.begin() + 1, page.headings.end());
        ASSERT_EQ(table.rows.size(), page.rows.size());
        for (size_t r = 0; r < page.rows.size(); ++r)
            table.rows[r].insert(table.rows[r].end(), page.rows[r].begin() + 1, page.rows[r].end());
    }
    ASSERT_EQ(4u, shown.size());
    const RoundedTrajectory expected = roundedTrajectory(problem);
    expectSamePage(expectedTable(NOMINAL_KIND, problem.path, m, 1, "    x_"), shown[0], example.name);
    expectSamePage(expectedTable(STATES_KIND, expected.states, m, 0, "   x*_"), shown[2], example.name);
    expectSamePage(expectedTable(CONTROLS_KIND, expected.controls, n, 1, "   u*_"), shown[3], example.name);
    std::vector<std::string> weight_headings = {"  Period    t"};
    for (int i = 1; i <= m; ++i)
        weight_headings.push_back(TRIM_RIGHT(FIRST_CHARACTERS("  R (" + RIGHT_ALIGNED(i, 2) + "," + RIGHT_ALIGNED(i, 2) + ")", 14)));
    EXPECT_EQ(weight_headings, shown[1].headings);
    ASSERT_EQ(problem.weights.size(), shown[1].rows.size());
    for (size_t t = 0; t < problem.weights.size(); ++t)
        EXPECT_EQ(cellText(static_cast<float>(problem.weights[t](m - 1)), WEIGHTS_KIND), shown[1].rows[t].back()) << t;

    // The compared stage: the initial stock and the desired stocks against x*_k(0..N).
    const int k = example.compared_stage - 1;
    double squares = 0.0, nominal_squares = 0.0, optimal_squares = 0.0;
    for (size_t p = 0; p < expected.states.size(); ++p) {
        const double d = p == 0 ? problem.x0(k) : problem.path[p - 1](k);
        const double o = expected.states[p](k);
        squares += (d - o) * (d - o);
        nominal_squares += d * d;
        optimal_squares += o * o;
    }
    const double points = static_cast<double>(expected.states.size());
    const double rmse = std::sqrt(squares / points);
    const double u = rmse / (std::sqrt(optimal_squares / points) + std::sqrt(nominal_squares / points));
    const std::string name = "    x_" + RIGHT_ALIGNED(example.compared_stage, 2);
    // The graph: its title ends in the stage's name, and its two series are the points above
    // (whole numbers in both examples).
    std::string nominal_points = "points 1", optimal_points = "points 2";
    for (size_t p = 0; p < expected.states.size(); ++p) {
        nominal_points += " " + std::to_string(std::lround(p == 0 ? problem.x0(k) : problem.path[p - 1](k)));
        optimal_points += " " + std::to_string(std::lround(expected.states[p](k)));
    }
    const std::string graph = "graph \"NOMINAL AND OPTIMAL TRAJECTORY FOR THE STOCK : " + name +
                              "\" \"(Plain time-periods)\" \"Time periods\" \"\"";
    for (const std::string& line : {graph, nominal_points, optimal_points})
        EXPECT_EQ(1, std::count(run.lines.begin(), run.lines.end(), line)) << line;
    const std::string head = "text 10 35 30 \"t'Arial'h19w8b\" #ffffff \"Comparison results between nominal and optimal "
                             "trajectories for : " + name + "\"";
    EXPECT_EQ(1, std::count(run.lines.begin(), run.lines.end(), head)) << head;
    EXPECT_NEAR(rmse, statisticOf(run.lines, "RMSE :"), 1e-6 * (1.0 + rmse));
    EXPECT_NEAR(u, statisticOf(run.lines, "Theil's inequality coefficient  U :"), 1e-6 * (1.0 + u));
    // Enter on the opening screen, then Enter after the statistics.
    EXPECT_EQ(2, std::count(run.lines.begin(), run.lines.end(), "read 10 -> Enter"));
}

INSTANTIATE_TEST_SUITE_P(Examples, ControlEndToEndTest, ::testing::ValuesIn(examples()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace korvel
