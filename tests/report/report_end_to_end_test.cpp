// The two-stage example with its control problem, reported end to end: every CSV cell is the
// cell the scripted layer's transcript shows for the same commands, the workbook read back holds
// the same sheets and values, and the page is well-formed with one <svg> per graph.

#include "tests/analysis/analysis_fixture.h"
#include "tests/report/report_run.h"

#include <map>
#include <optional>
#include <regex>

#include <sys/stat.h>

namespace korvel {
namespace {

std::string trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? "" : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

using Cells = std::vector<std::vector<std::string>>;

// What the transcript shows for the commands the report runs: its tables (the graphs aside),
// then the stability verdict and each stage's statistics as the report's two tables of them.
std::vector<Cells> transcriptTables(const fs::path& work) {
    const fs::path scenario = work / "same_run.scn";
    std::ofstream(scenario) << "copy " << (EXAMPLES / "two_stage_flows.d").string() << " data.d\n"
                            << "copy " << (EXAMPLES / "OPTIMAL_CONTROL.d").string() << " OPTIMAL_CONTROL.d\n"
                            << "start quiet\nenter\nanswer file data.d\nmenu O&pen datafile\nmenu Rea&d data\n"
                            << "menu Sho&w details\nmenu &Matrix [\u0399-P]\nmenu &Common projections\n"
                            << "menu &Fixed-size projections (matrix Q)\nmenu A&pplication of optimal control\n"
                            << "answer pick x_ 1\nanswer ok\nanswer enter\nmenu Gr&aph for each stage\n"
                            << "answer pick x_ 2\nanswer ok\nanswer enter\nmenu Gr&aph for each stage\n";
    const CommandRun replay = runCommand(std::string(KORVEL_REPLAY) + ' ' + quotedPath(scenario));
    EXPECT_EQ(replay.status, 0) << replay.output;
    std::vector<std::string> lines;
    std::istringstream output(replay.output);
    for (std::string line; std::getline(output, line);) lines.push_back(line);
    std::vector<Cells> tables;
    for (const ShownPage& page : pagesOf(lines)) {
        Cells& table = tables.emplace_back(1, page.headings);
        table.insert(table.end(), page.rows.begin(), page.rows.end());
        for (std::vector<std::string>& row : table)
            for (std::string& cell : row) cell = trimmed(cell);
    }
    Cells verdict{{"Stability"}};
    Cells statistics{{"Stage", "RMSE", "U"}};
    for (const std::string& line : lines) {
        if (line.rfind("text ", 0) != 0) continue;
        const std::string text = quotedTexts(line).back();
        const std::string value = trimmed(text.substr(text.rfind(':') + 1));
        if (text.rfind("===", 0) == 0) verdict.push_back({text});
        else if (text.rfind("Comparison results", 0) == 0) statistics.push_back({value});
        else if (text.rfind("RMSE :", 0) == 0) statistics.back().insert(statistics.back().begin() + 1, value);
        else if (text.rfind("Theil's", 0) == 0) statistics.back().push_back(value);
    }
    tables.insert(tables.begin() + 3, verdict);
    tables.push_back(statistics);
    return tables;
}

std::string unzipped(const fs::path& workbook, const std::string& member) {
    return runCommand("unzip -p " + quotedPath(workbook) + ' ' + member).output;
}

std::string unescaped(std::string text) {
    for (const auto& [entity, character] : {std::pair{"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&amp;", "&"}})
        for (size_t at = text.find(entity); at != std::string::npos; at = text.find(entity, at + 1))
            text.replace(at, std::string(entity).size(), character);
    return text;
}

std::vector<std::string> allMatches(const std::string& text, const std::string& pattern) {
    std::vector<std::string> found;
    const std::regex expression(pattern);
    for (std::sregex_iterator it(text.begin(), text.end(), expression), end; it != end; ++it) found.push_back((*it)[1]);
    return found;
}

struct SheetCell {
    std::string text;          // a shared string, or the stored number as written
    bool number = false;
    std::string format = "General";
};
using Sheet = std::map<std::pair<int, int>, SheetCell>;  // (row, column) from 0

// The workbook's sheets in order, by name, each cell with its value and number format.
std::vector<std::pair<std::string, Sheet>> readWorkbook(const fs::path& path) {
    const std::vector<std::string> strings = allMatches(unzipped(path, "xl/sharedStrings.xml"), "<t[^>]*>([^<]*)</t>");
    const std::string styles = unzipped(path, "xl/styles.xml");
    std::map<std::string, std::string> codes = {{"0", "General"}, {"1", "0"}, {"2", "0.00"}, {"11", "0.00E+00"}};
    const std::regex format_pattern("<numFmt numFmtId=\"(\\d+)\" formatCode=\"([^\"]*)\"");
    for (std::sregex_iterator it(styles.begin(), styles.end(), format_pattern), end; it != end; ++it)
        codes[(*it)[1]] = (*it)[2];
    const std::string xfs = styles.substr(styles.find("<cellXfs"));
    const std::vector<std::string> xf_formats = allMatches(xfs.substr(0, xfs.find("</cellXfs>")), "<xf numFmtId=\"(\\d+)\"");

    std::vector<std::pair<std::string, Sheet>> sheets;
    const std::vector<std::string> names = allMatches(unzipped(path, "xl/workbook.xml"), "<sheet name=\"([^\"]*)\"");
    const std::regex cell_pattern("<c r=\"([A-Z]+)(\\d+)\"( s=\"(\\d+)\")?( t=\"s\")?>(<v>([^<]*)</v>)?</c>");
    for (size_t k = 0; k < names.size(); ++k) {
        const std::string xml = unzipped(path, "xl/worksheets/sheet" + std::to_string(k + 1) + ".xml");
        Sheet& sheet = sheets.emplace_back(names[k], Sheet{}).second;
        for (std::sregex_iterator it(xml.begin(), xml.end(), cell_pattern), end; it != end; ++it) {
            const std::smatch& m = *it;
            int column = 0;
            for (const char letter : m[1].str()) column = column * 26 + (letter - 'A' + 1);
            SheetCell cell;
            cell.number = !m[5].matched;
            cell.text = cell.number ? m[7].str() : unescaped(strings.at(std::stoul(m[7].str())));
            if (m[4].matched) cell.format = codes[xf_formats.at(std::stoul(m[4].str()))];
            sheet[{std::stoi(m[2].str()) - 1, column - 1}] = cell;
        }
    }
    return sheets;
}

// The number format that shows `text` as the program does: its decimals, its exponent.
std::optional<std::string> shownFormat(const std::string& text) {
    if (!std::regex_match(text, std::regex("-?[0-9]*\\.?[0-9]*(E[-+][0-9]+)?")) || text.find_first_of("0123456789") == std::string::npos)
        return std::nullopt;
    const size_t exponent = text.find('E');
    const std::string mantissa = text.substr(0, exponent);
    const size_t point = mantissa.find('.');
    const size_t decimals = point == std::string::npos ? 0 : mantissa.size() - point - 1;
    return "0" + (decimals > 0 ? "." + std::string(decimals, '0') : "") + (exponent == std::string::npos ? "" : "E+00");
}

class TwoStageReport : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_work = new TempFolder;
        s_out = s_work->path() / "report";
        // The folder is made as any other: 0755 under this umask
        const mode_t mask = ::umask(022);
        s_run = runReport(EXAMPLES / "two_stage_flows.d", s_out, EXAMPLES / "OPTIMAL_CONTROL.d", "");
        ::umask(mask);
    }
    static void TearDownTestSuite() { delete s_work; }
    static inline TempFolder* s_work = nullptr;
    static inline fs::path s_out;
    static inline CommandRun s_run;
};

TEST_F(TwoStageReport, EveryCsvCellIsTheTranscriptsCell) {
    ASSERT_EQ(s_run.status, 0) << s_run.output;
    std::vector<fs::path> files = csvFiles(s_out);
    // The constrained control is the report's own, and recruits nobody negative where the
    // Riccati solution asks for -2; the 4 tables of the uncertainty section follow, which no
    // screen shows either.
    ASSERT_EQ(files.size(), 20u);
    // Each of the report's own tables under its own name
    const char* const own[] = {"15-constrained-optimal-state.csv", "16-constrained-optimal-control.csv",
                               "17-rate-interval-matrix.csv",      "18-stock-bands.csv",
                               "19-rate-intervals.csv",            "20-projection-bands.csv"};
    for (size_t k = 0; k < std::size(own); ++k) EXPECT_EQ(files[14 + k].filename(), own[k]);
    const auto constrained = csvCells(fileText(files[15]));
    EXPECT_EQ(constrained.front(), csvCells(fileText(s_out / "13-optimal-control.csv")).front());
    for (size_t r = 1; r < constrained.size(); ++r)
        for (size_t c = 1; c < constrained[r].size(); ++c) EXPECT_GE(std::stod(constrained[r][c]), 0.0) << "line " << r + 1;
    files.resize(14);
    const auto tables = transcriptTables(s_work->path());
    ASSERT_EQ(files.size(), tables.size());
    // 2 tables of details, the roots and the verdict, [I - P] and its inverse, 3 of projections,
    // 4 of control and the statistics
    const std::map<size_t, std::string> named{{0, "01-initial-data.csv"}, {1, "02-transition-matrix.csv"},
                                              {3, "04-stability-verdict.csv"}, {13, "14-comparison-statistics.csv"}};
    for (const auto& [index, name] : named) EXPECT_EQ(files[index].filename(), name);
    for (size_t t = 0; t < files.size(); ++t) {
        const auto csv = csvCells(fileText(files[t]));
        EXPECT_EQ(csv, tables[t]) << files[t];
    }
    EXPECT_EQ(fs::status(s_out).permissions(), fs::perms(0755));
    const std::string page = fileText(s_out / "index.html");
    EXPECT_EQ(page.find("(Press Enter)"), std::string::npos);
    EXPECT_NE(page.find("RMSE :"), std::string::npos);
}

// The workbook of the report in `out` holds its CSV files' sheets and values; `exponents`
// counts the cells in exponent form.
void expectWorkbookHoldsTheCsvValues(const fs::path& out, int& exponents) {
    const std::vector<fs::path> files = csvFiles(out);
    const auto sheets = readWorkbook(out / "report.xlsx");
    ASSERT_EQ(sheets.size(), files.size() + 1);
    EXPECT_EQ(sheets.back().first, "accuracy-certificate");
    for (size_t t = 0; t < files.size(); ++t) {
        EXPECT_EQ(sheets[t].first, files[t].stem().string());
        const Sheet& sheet = sheets[t].second;
        const auto csv = csvCells(fileText(files[t]));
        for (size_t r = 0; r < csv.size(); ++r) {
            for (size_t c = 0; c < csv[r].size(); ++c) {
                const std::string& shown = csv[r][c];
                const auto found = sheet.find({static_cast<int>(r), static_cast<int>(c)});
                const std::string where = sheets[t].first + " cell " + std::to_string(r) + "," + std::to_string(c);
                // The missing-value marks are empty cells; numbers are numbers shown with their decimals
                if (shown == "?" || shown == "--") {
                    EXPECT_EQ(found, sheet.end()) << where;
                    continue;
                }
                ASSERT_NE(found, sheet.end()) << where;
                const std::optional<std::string> format = r == 0 ? std::nullopt : shownFormat(shown);
                EXPECT_EQ(found->second.number, format.has_value()) << where << " " << shown;
                if (!format) {
                    EXPECT_EQ(found->second.text, shown) << where;
                    continue;
                }
                EXPECT_DOUBLE_EQ(std::stod(found->second.text), std::stod(shown)) << where;
                EXPECT_EQ(found->second.format, *format) << where << " " << shown;
                exponents += format->ends_with("E+00");
            }
        }
    }
}

TEST_F(TwoStageReport, WorkbookHoldsTheSameSheetsAndValues) {
    ASSERT_EQ(s_run.status, 0) << s_run.output;
    int exponents = 0;
    expectWorkbookHoldsTheCsvValues(s_out, exponents);
}

// Stocks of about 1e11 leave the fixed form: those cells are numbers in the exponent format.
TEST(LargeStocksReport, WorkbookKeepsTheExponentForm) {
    const TempFolder work;
    std::ofstream(work.path() / "large.d") << "2 10\n0.5 0.25\n0 0.75\n1E11 2E11\n1E10 1E10 0\n";
    const CommandRun run = runReport(work.path() / "large.d", work.path() / "report");
    ASSERT_EQ(run.status, 0) << run.output;
    int exponents = 0;
    expectWorkbookHoldsTheCsvValues(work.path() / "report", exponents);
    EXPECT_GT(exponents, 0);
}

TEST_F(TwoStageReport, PageIsWellFormedWithOneSvgPerGraph) {
    ASSERT_EQ(s_run.status, 0) << s_run.output;
    const fs::path page = s_out / "index.html";
    const CommandRun xml = runCommand("xmllint --noout " + quotedPath(page) + " 2>&1");
    EXPECT_EQ(xml.status, 0) << xml.output;
    EXPECT_EQ(xml.output, "");
    // The HTML parser knows no SVG element names; it may say so and nothing else.
    const CommandRun html = runCommand("xmllint --html --noout " + quotedPath(page) + " 2>&1");
    EXPECT_EQ(html.status, 0);
    const std::regex svg_tag("Tag (svg|g|line|polyline|rect|text|polygon|ellipse|defs|clippath) invalid$");
    std::istringstream complaints(html.output);
    for (std::string line; std::getline(complaints, line);) {
        if (line.find("parser error") == std::string::npos) continue;
        EXPECT_TRUE(std::regex_search(line, svg_tag)) << line;
    }
    const std::string text = fileText(page);
    // The stock and outflow graphs of the common projections, the fixed-size stocks, the
    // trajectories of both stages, their constrained stocks, and the fan charts of the total and
    // both stages
    size_t svgs = 0;
    for (size_t at = text.find("<svg"); at != std::string::npos; at = text.find("<svg", at + 1)) ++svgs;
    EXPECT_EQ(svgs, 10u);
    EXPECT_NE(text.find("two_stage_flows.d"), std::string::npos);
    EXPECT_NE(text.find("N = 2 stages, T = 10 periods."), std::string::npos);
    EXPECT_NE(text.find("@media print"), std::string::npos);
    for (const char* fetch : {"src=", "href=\"http", "url(http", "@import"})
        EXPECT_EQ(text.find(fetch), std::string::npos) << fetch << ": the page must need no network";
    // The progress lines name each step on standard error
    EXPECT_NE(s_run.output.find("korvel: Show details\n"), std::string::npos);
}

}  // namespace
}  // namespace korvel
