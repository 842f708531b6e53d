// The first result from end to end: the program opens and reads a data file, shows the details
// and the matrix [I - P], all through korvel_replay. Every cell of the X, P, roots, [I - P] and
// inverse tables is checked against values computed here: the model arithmetic in single
// precision, the roots and the inverse by Eigen in double, each rounded to single and written
// with the tables' number format.

#include "analysis_fixture.h"
#include "replay_run.h"

#include <Eigen/Dense>

#include <algorithm>
#include <cmath>
#include <complex>

namespace korvel {
namespace {

using Rows = std::vector<std::vector<float>>;

constexpr int COUNTS_KIND = 20;
constexpr int P_KIND = 22;
constexpr int REAL_ROOTS_KIND = 13;
constexpr int COMPLEX_ROOTS_KIND = 16;
constexpr int I_MINUS_P_KIND = 18;
constexpr int INVERSE_KIND = 19;

// A data file and the numbers it holds, recruitments already converted to persons.
struct DataFile {
    std::string name;
    std::string scenario_source;  // the scenario lines that put it in the working directory as data.d
    bool counts = false;
    Rows matrix;
    std::vector<float> outflows;
    std::vector<float> initial;
    std::vector<float> inflows;
};

void PrintTo(const DataFile& file, std::ostream* out) { *out << file.name; }

std::string exampleCopy(const std::string& file) {
    return "copy " + std::string(KORVEL_EXAMPLES_DIR) + "/" + file + " data.d\n";
}

const std::vector<DataFile>& dataFiles() {
    static const std::vector<DataFile> files = {
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
         {85, 25, 12, 5, 3, 2, 0}},
        {"complex_roots", exampleCopy("complex_roots.d"), false,
         {{0.20f, 0.70f, 0.0f}, {0.0f, 0.25f, 0.65f}, {0.60f, 0.05f, 0.20f}},
         {},
         {120, 90, 60},
         {30, 0, 0}},
        {"two_stage_p", exampleCopy("two_stage_p.d"), false,
         {{0.8f, 0.1f}, {0.0f, 0.9f}},
         {},
         {100, 100},
         {10.0f * 0.5f, 10.0f * 0.5f}},
        {"two_stage_flows", exampleCopy("two_stage_flows.d"), true,
         {{80, 10}, {0, 90}},
         {10, 10},
         {100, 100},
         {5, 5}},
        // Stage 2 is left by everyone: a zero row of X with outflows.
        {"zero_row", "file data.d\n3 4\n40 5 0\n0 0 0\n0 10 30\n5 8 10\n50 20 40\n4 2 1 0\nend\n", true,
         {{40, 5, 0}, {0, 0, 0}, {0, 10, 30}},
         {5, 8, 10},
         {50, 20, 40},
         {4, 2, 1}},
    };
    return files;
}

// --- Expected tables ---

std::string heading(const std::string& label) { return TRIM_RIGHT(FIRST_CHARACTERS(label, 14)); }

std::string stageHeading(int j) { return heading("   Column" + RIGHT_ALIGNED(j, 2)); }

std::vector<std::string> valueCells(const std::vector<float>& values, int kind) {
    std::vector<std::string> cells;
    for (float value : values) cells.push_back(cellText(value, kind));
    return cells;
}

std::vector<std::string> labelledRow(const std::string& label, const std::vector<float>& values, int kind) {
    std::vector<std::string> row = {label};
    for (const std::string& cell : valueCells(values, kind)) row.push_back(cell);
    return row;
}

ShownPage countsPage(const DataFile& file) {
    const size_t n = file.matrix.size();
    ShownPage page{COUNTS_KIND, {"Rows/Columns"}, {}};
    for (size_t j = 1; j <= n; ++j) page.headings.push_back(stageHeading(static_cast<int>(j)));
    page.headings.push_back("Outflows");
    page.headings.push_back("Total");
    std::vector<float> column_totals(n, 0.0f);
    for (size_t i = 0; i < n; ++i) {
        std::vector<float> values = file.matrix[i];
        values.push_back(file.outflows[i]);
        float total = 0.0f;
        for (float value : values) total += value;
        for (size_t j = 0; j < n; ++j) column_totals[j] += file.matrix[i][j];
        values.push_back(total);
        page.rows.push_back(labelledRow("Row_" + RIGHT_ALIGNED(static_cast<long long>(i + 1), 2), values, COUNTS_KIND));
    }
    for (size_t j = 0; j < n; ++j) column_totals[j] += file.inflows[j];
    const std::string empty = cellText(EMPTY_CELL, COUNTS_KIND);
    page.rows.push_back(labelledRow("Inflows", file.inflows, COUNTS_KIND));
    page.rows.push_back(labelledRow("Total", column_totals, COUNTS_KIND));
    for (size_t r = n; r < n + 2; ++r) page.rows[r].insert(page.rows[r].end(), {empty, empty});
    return page;
}

// P as the program derives it: X(i, j) / T(i) in single precision.
Rows transitionMatrix(const DataFile& file) {
    if (!file.counts) return file.matrix;
    Rows p = file.matrix;
    for (size_t i = 0; i < p.size(); ++i) {
        float total = 0.0f;
        for (float value : file.matrix[i]) total += value;
        total += file.outflows[i];
        for (float& value : p[i]) value /= total;
    }
    return p;
}

ShownPage pPage(const DataFile& file, const Rows& p) {
    const size_t n = p.size();
    ShownPage page{P_KIND, {"Rows/Columns"}, {}};
    for (size_t j = 1; j <= n; ++j) page.headings.push_back(stageHeading(static_cast<int>(j)));
    page.headings.push_back("  Vector w*");
    page.headings.push_back(" Totals");
    for (size_t i = 0; i < n; ++i) {
        std::vector<float> values = p[i];
        float w = 1.0f;
        for (float value : p[i]) w -= value;
        values.push_back(w);
        float total = 0.0f;
        for (float value : values) total += value;
        values.push_back(std::round(total));
        page.rows.push_back(labelledRow("Row_" + RIGHT_ALIGNED(static_cast<long long>(i + 1), 2), values, P_KIND));
    }
    if (!file.counts) {
        const std::string empty = cellText(EMPTY_CELL, P_KIND);
        page.rows.push_back(labelledRow("Initial cond.", file.initial, P_KIND));
        page.rows.push_back(labelledRow("Inflows", file.inflows, P_KIND));
        for (size_t r = n; r < n + 2; ++r) page.rows[r].insert(page.rows[r].end(), {empty, empty});
    }
    return page;
}

Eigen::MatrixXd asDouble(const Rows& p) {
    Eigen::MatrixXd m(static_cast<Eigen::Index>(p.size()), static_cast<Eigen::Index>(p.size()));
    for (size_t i = 0; i < p.size(); ++i)
        for (size_t j = 0; j < p.size(); ++j) m(static_cast<Eigen::Index>(i), static_cast<Eigen::Index>(j)) = p[i][j];
    return m;
}

// The roots by decreasing modulus, a conjugate pair with its positive imaginary part first;
// rounded to single, parts of at most 2e-9 taken as zero.
ShownPage rootsPage(const Rows& p, std::string& verdict) {
    const Eigen::VectorXcd found = Eigen::EigenSolver<Eigen::MatrixXd>(asDouble(p), false).eigenvalues();
    std::vector<std::complex<double>> roots(found.data(), found.data() + found.size());
    std::stable_sort(roots.begin(), roots.end(), [](const auto& a, const auto& b) {
        if (std::abs(a) != std::abs(b)) return std::abs(a) > std::abs(b);
        return a.imag() > b.imag();
    });
    const float zero = 2e-9f;
    bool complex = false;
    std::vector<std::vector<float>> parts;
    float longest = 0.0f;
    for (const auto& root : roots) {
        float re = static_cast<float>(root.real()), im = static_cast<float>(root.imag());
        if (std::fabs(im) > zero) complex = true;
        else im = 0.0f;
        if (std::fabs(re) <= zero) re = 0.0f;
        const float length = std::sqrt(re * re + im * im);
        longest = std::max(longest, length);
        parts.push_back({re, im, length});
    }
    const int kind = complex ? COMPLEX_ROOTS_KIND : REAL_ROOTS_KIND;
    ShownPage page{kind, {"      No."}, {}};
    if (complex) page.headings.insert(page.headings.end(), {"Real part", "Imag. part", "  Length"});
    else page.headings.push_back(" Eigenvalues");
    for (size_t i = 0; i < parts.size(); ++i) {
        if (!complex) parts[i].resize(1);
        page.rows.push_back(labelledRow(rowNumberText(static_cast<int>(i + 1)), parts[i], kind));
    }
    const bool stable = longest < 1.0f;
    verdict = stable ? "=== THE SYSTEM IS STABLE ===" : complex ? "=== THE SYSTEM IS UNSTABLE ===" : "=== THEE SYSTEM IS UNSTABLE ===";
    return page;
}

ShownPage matrixPage(const Eigen::MatrixXd& matrix, int kind) {
    const int n = static_cast<int>(matrix.rows());
    ShownPage page{kind, {"Row / Column"}, {}};
    for (int j = 1; j <= n; ++j) page.headings.push_back(heading("  Column" + RIGHT_ALIGNED(j, 2)));
    for (int i = 0; i < n; ++i) {
        std::vector<float> values;
        for (int j = 0; j < n; ++j) values.push_back(static_cast<float>(matrix(i, j)));
        page.rows.push_back(labelledRow(rowNumberText(i + 1), values, kind));
    }
    return page;
}

// --- Running the program ---

std::string scenarioFor(const DataFile& file, int details_runs) {
    std::string scenario = file.scenario_source + "start\nenter\nanswer file data.d\nmenu O&pen datafile\nmenu Rea&d data\n";
    for (int k = 0; k < details_runs; ++k) scenario += "menu Sho&w details\n";
    return scenario + "menu &Matrix [\u0399-P]\n";
}

void expectSamePage(const ShownPage& expected, const ShownPage& shown, const std::string& where) {
    EXPECT_EQ(expected.kind, shown.kind) << where;
    EXPECT_EQ(expected.headings, shown.headings) << where << " kind " << expected.kind;
    ASSERT_EQ(expected.rows.size(), shown.rows.size()) << where << " kind " << expected.kind;
    for (size_t r = 0; r < expected.rows.size(); ++r)
        EXPECT_EQ(expected.rows[r], shown.rows[r]) << where << " kind " << expected.kind << " row " << r + 1;
}

class DetailsEndToEndTest : public ::testing::TestWithParam<DataFile> {};

// Open, read, show details, matrix [I - P]: every table, and the verdict between them.
TEST_P(DetailsEndToEndTest, EveryCellAsComputed) {
    const DataFile& file = GetParam();
    const ReplayRun run = replay(scenarioFor(file, 1));
    ASSERT_EQ(0, run.status) << ::testing::PrintToString(run.lines);

    const Rows p = transitionMatrix(file);
    std::string verdict;
    const Eigen::MatrixXd i_minus_p = Eigen::MatrixXd::Identity(static_cast<Eigen::Index>(p.size()),
                                                                static_cast<Eigen::Index>(p.size())) - asDouble(p);
    std::vector<ShownPage> expected;
    if (file.counts) expected.push_back(countsPage(file));
    expected.push_back(pPage(file, p));
    expected.push_back(rootsPage(p, verdict));
    expected.push_back(matrixPage(i_minus_p, I_MINUS_P_KIND));
    expected.push_back(matrixPage(i_minus_p.inverse(), INVERSE_KIND));

    const std::vector<ShownPage> shown = pagesOf(run.lines);
    ASSERT_EQ(expected.size(), shown.size());
    for (size_t k = 0; k < expected.size(); ++k) expectSamePage(expected[k], shown[k], file.name);

    const std::string verdict_line = "text 10 10 25 \"t'Arial'h18w8\" 15 \"" + verdict + "\"";
    EXPECT_EQ(1, std::count(run.lines.begin(), run.lines.end(), verdict_line)) << verdict_line;
    EXPECT_EQ(0, std::count_if(run.lines.begin(), run.lines.end(), [](const std::string& line) { return line.rfind("msgbox 48", 0) == 0; }));
}

// The second run finds P in place: only the P table (with the stage rows alone when P came
// from counts) and the same roots.
TEST_P(DetailsEndToEndTest, SecondRunShowsOnlyP) {
    const DataFile& file = GetParam();
    const ReplayRun run = replay(scenarioFor(file, 2));
    ASSERT_EQ(0, run.status) << ::testing::PrintToString(run.lines);
    const std::vector<ShownPage> shown = pagesOf(run.lines);
    const size_t first = file.counts ? 1 : 0;
    ASSERT_EQ(first + 6, shown.size());
    expectSamePage(shown[first], shown[first + 2], file.name + " second P table");
    expectSamePage(shown[first + 1], shown[first + 3], file.name + " second roots");
    expectSamePage(pPage(file, transitionMatrix(file)), shown[first + 2], file.name);
}

INSTANTIATE_TEST_SUITE_P(DataFiles, DetailsEndToEndTest, ::testing::ValuesIn(dataFiles()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace korvel
