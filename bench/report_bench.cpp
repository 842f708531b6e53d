// The whole report of the largest model a report takes in full: 26 stages (the most the
// projection tables show) over T = 198 periods, with an optimal control problem over N = 55
// periods (its limit). The analysis (every command through the report layer, the graphs drawn
// as SVG, the certificate) and the writing of the files (the CSV files, report.xlsx and
// index.html) are timed apart. Above 11 stages the program draws no projection graph (it says so
// in a message), so the graphs are the 26 trajectories of the control.

#include "report/csv_tables.h"
#include "report/html_page.h"
#include "report/run_analysis.h"
#include "report/xlsx_workbook.h"

#include <benchmark/benchmark.h>

#include <stdlib.h>

#include <filesystem>
#include <fstream>

namespace {

using namespace korvel;
namespace fs = std::filesystem;

constexpr int STAGES = 26;
constexpr int PERIODS = 198;
constexpr int CONTROL_PERIODS = 55;

// A grade structure given as P: people stay or move one grade up, and some leave every grade.
void writeModel(const fs::path& path) {
    std::ofstream file(path);
    file << STAGES << ' ' << PERIODS << '\n';
    for (int i = 1; i <= STAGES; ++i) {
        for (int j = 1; j <= STAGES; ++j) file << (j == i ? (i == STAGES ? 0.85 : 0.7) : j == i + 1 ? 0.2 : 0.0) << ' ';
        file << '\n';
    }
    for (int i = 1; i <= STAGES; ++i) file << 100 + 10 * i << ' ';
    file << '\n';
    for (int i = 1; i <= STAGES; ++i) file << (i <= 3 ? 20 : 2) << ' ';
    file << "0\n";
}

// Desired stocks growing slowly, desired recruits steady; stocks weigh more than recruits.
void writeControl(const fs::path& path) {
    std::ofstream file(path);
    file << CONTROL_PERIODS << '\n';
    for (int t = 1; t <= CONTROL_PERIODS; ++t) {
        for (int i = 1; i <= STAGES; ++i) file << 100 + 10 * i + t << ' ';
        for (int i = 1; i <= STAGES; ++i) file << (i <= 3 ? 20 : 2) << ' ';
        file << '\n';
    }
    for (int t = 1; t <= CONTROL_PERIODS; ++t) {
        for (int i = 1; i <= STAGES; ++i) file << "1 ";
        for (int i = 1; i <= STAGES; ++i) file << "0.1 ";
        file << '\n';
    }
}

class Inputs {
public:
    Inputs() {
        std::string pattern = (fs::temp_directory_path() / "korvel-report-bench-XXXXXX").string();
        m_folder = ::mkdtemp(pattern.data());
        writeModel(model());
        writeControl(control());
    }
    ~Inputs() { fs::remove_all(m_folder); }
    fs::path model() const { return m_folder / "largest.d"; }
    fs::path control() const { return m_folder / "control.d"; }
    fs::path out() const { return m_folder / "out"; }

private:
    fs::path m_folder;
};

ANALYSIS_OUTCOME analyse(const Inputs& inputs) {
    REPORT_INPUT input;
    input.data_path = inputs.model();
    input.control_path = inputs.control();
    return RUN_REPORT_ANALYSIS(input, {});
}

void BM_ReportAnalysis(benchmark::State& state) {
    const Inputs inputs;
    size_t graphs = 0;
    for (auto _ : state) {
        const ANALYSIS_OUTCOME outcome = analyse(inputs);
        if (!outcome.data_read) state.SkipWithError("the model was not read");
        graphs = 0;
        for (const REPORT_SECTION& section : outcome.content.sections)
            for (const REPORT_ENTRY& entry : section.entries) graphs += entry.kind == ReportEntryKind::Graph;
    }
    state.counters["graphs"] = static_cast<double>(graphs);
}
BENCHMARK(BM_ReportAnalysis)->Unit(benchmark::kMillisecond);

void BM_ReportFiles(benchmark::State& state) {
    const Inputs inputs;
    const ANALYSIS_OUTCOME outcome = analyse(inputs);
    std::string error;
    for (auto _ : state) {
        fs::create_directory(inputs.out());
        const bool written = WRITE_CSV_TABLES(outcome.content, inputs.out(), error) &&
                             WRITE_XLSX_WORKBOOK(outcome.content, (inputs.out() / "report.xlsx").string(), error);
        std::ofstream(inputs.out() / "index.html") << HTML_PAGE(outcome.content, {}, "today");
        if (!written) state.SkipWithError(error.c_str());
        state.PauseTiming();
        fs::remove_all(inputs.out());
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ReportFiles)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
