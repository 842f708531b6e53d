// The projections from end to end through korvel_replay: open and read a data file, show the
// details, then the common and the fixed-size projections. Every cell of the two projection
// tables and of matrix Q is checked against values computed here: the model arithmetic in
// single precision in the order the model prescribes, the inverse of [I - P] by Eigen in
// double, the cells written by this test's own number forms.

#include "analysis_fixture.h"
#include "projection_cells.h"
#include "replay_run.h"

#include <Eigen/Dense>

#include <algorithm>
#include <cmath>
#include <sstream>

namespace korvel {
namespace {

using Rows = std::vector<std::vector<float>>;
using projection_cells::cell;
using projection_cells::MISSING;
using projection_cells::rowNumber;

// A data file and the numbers it holds, recruitments converted to persons.
struct Model {
    std::string name;
    std::string scenario_source;  // scenario lines that put it in the working directory as data.d
    bool counts = false;
    Rows matrix;
    std::vector<float> outflows;
    std::vector<float> initial;
    std::vector<float> inflows;
    float total_inflow = 0.0f;
    int periods = 0;
};

void PrintTo(const Model& model, std::ostream* out) { *out << model.name; }

std::string exampleCopy(const std::string& file) {
    return "copy " + std::string(KORVEL_EXAMPLES_DIR) + "/" + file + " data.d\n";
}

const std::vector<Model>& models() {
    static const std::vector<Model> all = {
        {"civil_service_grades", exampleCopy("civil_service_grades.d"), true,
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
         132, 12},
        {"complex_roots", exampleCopy("complex_roots.d"), false,
         {{0.20f, 0.70f, 0.0f}, {0.0f, 0.25f, 0.65f}, {0.60f, 0.05f, 0.20f}},
         {},
         {120, 90, 60},
         {30, 0, 0},
         30, 15},
        {"two_stage_p", exampleCopy("two_stage_p.d"), false,
         {{0.8f, 0.1f}, {0.0f, 0.9f}}, {}, {100, 100}, {10.0f * 0.5f, 10.0f * 0.5f}, 10, 10},
        {"two_stage_flows", exampleCopy("two_stage_flows.d"), true,
         {{80, 10}, {0, 90}}, {10, 10}, {100, 100}, {5, 5}, 10, 10},
        // Nobody leaves stage 2: [I - P] is singular and the steady state unknown.
        {"stayers", "file data.d\n2 3\n6 2\n0 10\n2 0\n50 40\n4 1 0\nend\n", true,
         {{6, 2}, {0, 10}}, {2, 0}, {50, 40}, {4, 1}, 5, 3},
    };
    return all;
}

// --- The model's arithmetic, in single precision ---

// P as "Sho&w details" derives it, X(i, j) / T(i), and w* = 1 - P(i, 1) - ... - P(i, N).
Rows transitionMatrix(const Model& model) {
    if (!model.counts) return model.matrix;
    Rows p = model.matrix;
    for (size_t i = 0; i < p.size(); ++i) {
        float total = 0.0f;
        for (float value : model.matrix[i]) total += value;
        total += model.outflows[i];
        for (float& value : p[i]) value /= total;
    }
    return p;
}

std::vector<float> wastage(const Rows& p) {
    std::vector<float> w;
    for (const std::vector<float>& row : p) {
        float value = 1.0f;
        for (float entry : row) value -= entry;
        w.push_back(value);
    }
    return w;
}

// n* = r [I - P]^-1 with each term rounded; missing when [I - P] has no inverse.
std::vector<float> steadyState(const Model& model, const Rows& p) {
    const Eigen::Index n = static_cast<Eigen::Index>(p.size());
    Eigen::MatrixXd i_minus_p = Eigen::MatrixXd::Identity(n, n);
    for (Eigen::Index i = 0; i < n; ++i)
        for (Eigen::Index j = 0; j < n; ++j) i_minus_p(i, j) -= p[static_cast<size_t>(i)][static_cast<size_t>(j)];
    const Eigen::FullPivLU<Eigen::MatrixXd> lu(i_minus_p);
    if (!lu.isInvertible()) return std::vector<float>(p.size(), MISSING);
    const Eigen::MatrixXf inverse = lu.inverse().cast<float>();
    std::vector<float> steady(p.size(), 0.0f);
    for (Eigen::Index i = 0; i < n; ++i)
        for (Eigen::Index j = 0; j < n; ++j)
            steady[static_cast<size_t>(i)] += std::round(model.inflows[static_cast<size_t>(j)] * inverse(j, i));
    return steady;
}

// Rounded stocks of periods 0..T: S = n(0), S = S M (+ r).
Rows projectedStocks(const Model& model, const Rows& m, bool recruits) {
    std::vector<float> s = model.initial;
    Rows stocks;
    const auto keep = [&] {
        stocks.emplace_back();
        for (float value : s) stocks.back().push_back(std::round(value));
    };
    keep();
    for (int t = 1; t <= model.periods; ++t) {
        std::vector<float> next(s.size(), 0.0f);
        for (size_t j = 0; j < s.size(); ++j) {
            for (size_t i = 0; i < s.size(); ++i) next[j] += s[i] * m[i][j];
            if (recruits) next[j] += model.inflows[j];
        }
        s = next;
        keep();
    }
    return stocks;
}

// Stocks, each with its share of the total, then the total, its growth on period 0 and (common
// projections) the total inflow.
std::vector<std::vector<std::string>> projectionCells(const Rows& stocks, float first_total, float inflow, bool inflows_column) {
    std::vector<std::vector<std::string>> rows;
    for (size_t t = 0; t < stocks.size(); ++t) {
        const bool known = stocks[t][0] != MISSING;
        float total = 0.0f;
        for (float stock : stocks[t]) total += stock;
        std::vector<std::string> row;
        for (float stock : stocks[t]) {
            row.push_back(cell(stock));
            row.push_back(cell(known ? stock * 100.0f / total : MISSING));
        }
        row.push_back(cell(known ? total : MISSING));
        row.push_back(cell(t == 0 ? 100.0f : known ? total / first_total * 100.0f : MISSING));
        if (inflows_column) row.push_back(cell(std::round(inflow)));
        rows.push_back(row);
    }
    return rows;
}

std::vector<std::string> projectionHeadings(size_t n, bool inflows_column) {
    std::vector<std::string> headings = {"Period    t"};
    for (size_t k = 1; k <= n; ++k) headings.insert(headings.end(), {"    x_" + RIGHT_ALIGNED(static_cast<long long>(k), 2), "Percent (%)"});
    headings.insert(headings.end(), {"Total", "Percent (%)"});
    if (inflows_column) headings.push_back("Tot. inflows");
    return headings;
}

ShownPage commonTable(const Model& model, const Rows& p) {
    Rows stocks = projectedStocks(model, p, true);
    stocks.push_back(steadyState(model, p));
    float first_total = 0.0f;
    for (float stock : stocks[0]) first_total += stock;
    ShownPage page{1, projectionHeadings(p.size(), true), projectionCells(stocks, first_total, model.total_inflow, true)};
    for (size_t t = 0; t < page.rows.size(); ++t)
        page.rows[t].insert(page.rows[t].begin(), t + 1 < page.rows.size() ? rowNumber(static_cast<int>(t)) : projection_cells::STEADY_STATE_LABEL);
    return page;
}

// Q = P + w* r with r = inflows / total inflow.
Rows matrixQ(const Model& model, const Rows& p) {
    const std::vector<float> w = wastage(p);
    Rows q = p;
    for (size_t i = 0; i < q.size(); ++i)
        for (size_t j = 0; j < q.size(); ++j) q[i][j] = p[i][j] + w[i] * (model.inflows[j] / model.total_inflow);
    return q;
}

ShownPage qTable(const Rows& q) {
    ShownPage page{17, {"Row / Column"}, {}};
    for (size_t i = 1; i <= q.size(); ++i) {
        page.headings.push_back("   Column" + RIGHT_ALIGNED(static_cast<long long>(i), 2));
        page.rows.push_back({rowNumber(static_cast<int>(i))});
        for (float value : q[i - 1]) page.rows.back().push_back(cell(value));
    }
    return page;
}

ShownPage fixedSizeTable(const Model& model, const Rows& q) {
    const Rows stocks = projectedStocks(model, q, false);
    float first_total = 0.0f;
    for (float stock : stocks[0]) first_total += stock;
    ShownPage page{1, projectionHeadings(q.size(), false), projectionCells(stocks, first_total, 0.0f, false)};
    for (size_t t = 0; t < page.rows.size(); ++t) page.rows[t].insert(page.rows[t].begin(), rowNumber(static_cast<int>(t)));
    return page;
}

// --- Running the program ---

// The column pages of one table joined again, the row-number column kept once.
std::vector<ShownPage> joinedTables(const std::vector<ShownPage>& pages) {
    std::vector<ShownPage> tables;
    for (const ShownPage& page : pages) {
        const bool continues = !tables.empty() && tables.back().kind == page.kind && page.kind == 1 &&
                               tables.back().rows.size() == page.rows.size() && page.headings.size() > 1 &&
                               page.headings[1] != "    x_ 1";
        if (!continues) {
            tables.push_back(page);
            continue;
        }
        ShownPage& table = tables.back();
        table.headings.insert(table.headings.end(), page.headings.begin() + 1, page.headings.end());
        for (size_t r = 0; r < page.rows.size(); ++r)
            table.rows[r].insert(table.rows[r].end(), page.rows[r].begin() + 1, page.rows[r].end());
    }
    return tables;
}

void expectSameTable(const ShownPage& expected, const ShownPage& shown, const std::string& where) {
    EXPECT_EQ(expected.kind, shown.kind) << where;
    EXPECT_EQ(expected.headings, shown.headings) << where;
    ASSERT_EQ(expected.rows.size(), shown.rows.size()) << where;
    for (size_t r = 0; r < expected.rows.size(); ++r) EXPECT_EQ(expected.rows[r], shown.rows[r]) << where << " row " << r + 1;
}

class ProjectionsEndToEndTest : public ::testing::TestWithParam<Model> {};

TEST_P(ProjectionsEndToEndTest, EveryCellAsComputed) {
    const Model& model = GetParam();
    const ReplayRun run = replay(model.scenario_source +
                                                      "start\nenter\nanswer file data.d\nmenu O&pen datafile\nmenu Rea&d data\n"
                                                      "menu Sho&w details\nmenu &Common projections\nmenu &Fixed-size projections (matrix Q)\n");
    ASSERT_EQ(0, run.status) << ::testing::PrintToString(run.lines);
    const std::vector<std::string>& lines = run.lines;

    // The tables after the details: common projections, Q, fixed-size projections.
    std::vector<ShownPage> pages = pagesOf(lines);
    std::erase_if(pages, [](const ShownPage& page) { return page.kind != 1 && page.kind != 17; });
    const std::vector<ShownPage> tables = joinedTables(pages);
    ASSERT_EQ(3u, tables.size());

    const Rows p = transitionMatrix(model);
    const Rows q = matrixQ(model, p);
    expectSameTable(commonTable(model, p), tables[0], model.name + " common projections");
    expectSameTable(qTable(q), tables[1], model.name + " matrix Q");
    expectSameTable(fixedSizeTable(model, q), tables[2], model.name + " fixed-size projections");

    // The projections speak only when [I - P] is singular: once, before the common table.
    const auto isMessage = [](const std::string& line) { return line.rfind("msgbox", 0) == 0; };
    const auto chosen = std::find_if(lines.begin(), lines.end(), [](const std::string& line) {
        return line.rfind("choose", 0) == 0 && line.ends_with("\"&Common projections\"");
    });
    ASSERT_NE(lines.end(), chosen);
    const auto first_table = std::find(chosen, lines.end(), "page 1 \"SYSTEM EVOLUTION.\" \"\" \"\"");
    std::vector<std::string> messages;
    std::copy_if(chosen, lines.end(), std::back_inserter(messages), isMessage);
    if (steadyState(model, p)[0] != MISSING) {
        EXPECT_TRUE(messages.empty()) << ::testing::PrintToString(messages);
        return;
    }
    EXPECT_EQ(std::vector<std::string>{"msgbox 48 \" Singular matrix \" \" The matrix (\u0399 - P') is singular \" -> OK"}, messages);
    EXPECT_NE(first_table, std::find_if(chosen, first_table, isMessage));
}

INSTANTIATE_TEST_SUITE_P(DataFiles, ProjectionsEndToEndTest, ::testing::ValuesIn(models()),
                         [](const auto& info) { return info.param.name; });

// --- The graphs ---

// One graph as the transcript shows it, with the names dialog 111 offered for it.
struct ShownGraph {
    std::vector<std::string> offered;
    std::string titles;
    std::vector<std::string> axes;
    std::vector<std::string> names;
    std::vector<std::vector<float>> points;
    std::vector<std::string> labels;
    std::string legend;
};

std::vector<float> numbersAfter(const std::string& line, size_t words) {
    std::istringstream in(line);
    std::string word;
    for (size_t k = 0; k < words; ++k) in >> word;
    std::vector<float> numbers;
    for (float value; in >> value;) numbers.push_back(value);
    return numbers;
}

std::vector<ShownGraph> graphsOf(const std::vector<std::string>& lines) {
    std::vector<ShownGraph> graphs;
    std::vector<std::string> offered;
    for (const std::string& line : lines) {
        if (line.rfind("dialog 111 set 1005 ", 0) == 0) offered.push_back(quotedTexts(line)[0]);
        else if (line == "window 15 \"Plain diagram\"") graphs.push_back({std::exchange(offered, {}), {}, {}, {}, {}, {}, {}});
        else if (graphs.empty()) continue;
        else if (line.rfind("graph ", 0) == 0) graphs.back().titles = line;
        else if (line.rfind("axis ", 0) == 0) graphs.back().axes.push_back(line);
        else if (line.rfind("series ", 0) == 0) graphs.back().names.push_back(quotedTexts(line)[0]);
        else if (line.rfind("points ", 0) == 0) graphs.back().points.push_back(numbersAfter(line, 2));
        else if (line.rfind("labels ", 0) == 0) graphs.back().labels = quotedTexts(line);
        else if (line.rfind("legend ", 0) == 0) graphs.back().legend = line;
    }
    return graphs;
}

std::string picks(const std::string& prefix, const std::string& title) {
    return "answer pick " + prefix + " 1\nanswer pick " + prefix + " 2\nanswer pick " + prefix +
           " 3\nanswer pick Total\nanswer edit 1006 " + title + "\nanswer edit 1007 Persons\nanswer ok\n";
}

std::string detailsShown(const Model& model) {
    return model.scenario_source + "start\nenter\nanswer file data.d\nmenu O&pen datafile\nmenu Rea&d data\nmenu Sho&w details\n";
}

// The value of `column` in every row of a shown table, as a number.
std::vector<float> tableColumn(const ShownPage& table, size_t column) {
    std::vector<float> values;
    for (const std::vector<std::string>& row : table.rows) values.push_back(std::stof(row[column]));
    return values;
}

std::vector<std::string> numberedLabels(int count) {
    std::vector<std::string> labels;
    for (int p = 0; p < count; ++p) labels.push_back(std::to_string(p));
    return labels;
}

// Stages 1-3 and the total, with the names offered and drawn, the titles, one slot a point on
// the horizontal axis, a label a point, a legend, and the points themselves.
void expectGraph(const ShownGraph& graph, const std::string& stem, size_t stages, const std::string& title,
                 const std::vector<std::vector<float>>& points, const std::string& where) {
    std::vector<std::string> offered;
    for (size_t k = 1; k <= stages; ++k) offered.push_back("    " + stem + RIGHT_ALIGNED(static_cast<long long>(k), 2));
    offered.push_back("   Total");
    EXPECT_EQ(offered, graph.offered) << where;
    EXPECT_EQ("graph \"" + title + "\" \"(Plain time-periods)\" \"Time period t\" \"Persons\"", graph.titles) << where;
    const std::vector<std::string> names = {offered[0], offered[1], offered[2], offered.back()};
    EXPECT_EQ(names, graph.names) << where;
    ASSERT_FALSE(graph.axes.empty()) << where;
    EXPECT_EQ("axis x 0 " + std::to_string(points[0].size()) + " 1 0", graph.axes[0]) << where;
    EXPECT_EQ(numberedLabels(static_cast<int>(points[0].size())), graph.labels) << where;
    EXPECT_TRUE(graph.legend.rfind("legend ", 0) == 0 && graph.legend != "legend none") << where << ": " << graph.legend;
    EXPECT_EQ(points, graph.points) << where;
}

// Three stages and the total: the stock graph of the common projections, then the outflow graph
// while the fixed-size graph waits (it must neither cut the steady state nor rename the
// outflows), then the fixed-size graph. Each series is the table's column, steady state last.
TEST(ProjectionGraphsEndToEndTest, StocksOutflowsAndFixedSize) {
    const Model& model = models()[0];
    const ReplayRun run = replay(
        detailsShown(model) + "menu &Graph of stocks\n" + picks("x_", "Stocks of three grades") + "menu &Common projections\n" +
            "menu Gra&ph of stocks\nmenu Grap&h of outflows\n" + picks("w_", "Outflows of three grades") +
            "menu &Common projections\n" + picks("x_", "Fixed-size stocks") + "menu &Fixed-size projections (matrix Q)\n");
    ASSERT_EQ(0, run.status) << ::testing::PrintToString(run.lines);
    const std::vector<std::string>& lines = run.lines;

    std::vector<ShownPage> pages = pagesOf(lines);
    std::erase_if(pages, [](const ShownPage& page) { return page.kind != 1; });
    const std::vector<ShownPage> tables = joinedTables(pages);
    ASSERT_EQ(3u, tables.size());
    const std::vector<ShownGraph> graphs = graphsOf(lines);
    ASSERT_EQ(3u, graphs.size());

    // The stocks of stages 1-3 and the total (column 2N + 1) of each table.
    const size_t n = model.matrix.size();
    const auto stocks = [&](const ShownPage& table) {
        return std::vector<std::vector<float>>{tableColumn(table, 1), tableColumn(table, 3), tableColumn(table, 5), tableColumn(table, 2 * n + 1)};
    };
    expectGraph(graphs[0], "x_", n, "Stocks of three grades", stocks(tables[0]), "common stocks");
    expectGraph(graphs[2], "x_", n, "Fixed-size stocks", stocks(tables[2]), "fixed-size stocks");

    // Outflows rnd(stock x w*), from the stocks computed here; the total is every stage's.
    const Rows p = transitionMatrix(model);
    const std::vector<float> w = wastage(p);
    Rows common = projectedStocks(model, p, true);
    common.push_back(steadyState(model, p));
    std::vector<std::vector<float>> outflows(4);
    for (const std::vector<float>& period : common) {
        float total = 0.0f;
        for (size_t k = 0; k < n; ++k) {
            const float outflow = std::round(period[k] * w[k]);
            if (k < 3) outflows[k].push_back(outflow);
            total += outflow;
        }
        outflows[3].push_back(total);
    }
    expectGraph(graphs[1], "w_", n, "Outflows of three grades", outflows, "common outflows");
}

// Without a steady state the stock graph ends at period T: T + 1 points a series.
TEST(ProjectionGraphsEndToEndTest, SingularModelEndsAtTheLastPeriod) {
    const Model& model = models().back();
    ASSERT_EQ("stayers", model.name);
    const ReplayRun run = replay(detailsShown(model) + "menu &Graph of stocks\nanswer pick x_ 1\nanswer pick x_ 2\nanswer pick Total\n"
                                     "answer ok\nmenu &Common projections\n");
    ASSERT_EQ(0, run.status) << ::testing::PrintToString(run.lines);
    const std::vector<std::string>& lines = run.lines;
    const std::vector<ShownGraph> graphs = graphsOf(lines);
    ASSERT_EQ(1u, graphs.size());
    const Rows stocks = projectedStocks(model, transitionMatrix(model), true);
    std::vector<std::vector<float>> expected(3);
    for (const std::vector<float>& period : stocks) {
        expected[0].push_back(period[0]);
        expected[1].push_back(period[1]);
        expected[2].push_back(period[0] + period[1]);
    }
    EXPECT_EQ(expected, graphs[0].points);
    EXPECT_EQ(numberedLabels(model.periods + 1), graphs[0].labels);
}

// 62 points (periods 0-60 and the steady state) are thinned to every second one, 31 points, and
// the last kept point is the steady state itself, labelled 61: n(t) = 0.8 n(t-1) + 10 from 100
// approaches rnd(10 x 5) = 50.
TEST(ProjectionGraphsEndToEndTest, ThinningKeepsTheSteadyState) {
    const Model model{"one_stage", "file data.d\n1 60\n0.8\n100\n10 0\nend\n", false, {{0.8f}}, {}, {100}, {10}, 10, 60};
    const ReplayRun run = replay(detailsShown(model) + "menu &Graph of stocks\nanswer pick x_ 1\nanswer ok\nmenu &Common projections\n");
    ASSERT_EQ(0, run.status) << ::testing::PrintToString(run.lines);
    const std::vector<std::string>& lines = run.lines;
    const std::vector<ShownGraph> graphs = graphsOf(lines);
    ASSERT_EQ(1u, graphs.size());
    const Rows stocks = projectedStocks(model, model.matrix, true);
    std::vector<float> expected;
    std::vector<std::string> labels;
    for (int t = 0; t <= 58; t += 2) {
        expected.push_back(stocks[static_cast<size_t>(t)][0]);
        labels.push_back(std::to_string(t));
    }
    expected.push_back(50.0f);
    labels.push_back("61");
    EXPECT_EQ(std::vector<std::vector<float>>{expected}, graphs[0].points);
    EXPECT_EQ(labels, graphs[0].labels);
}

}  // namespace
}  // namespace korvel
