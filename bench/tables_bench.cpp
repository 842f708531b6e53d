// A full table page of 200 rows by 12 columns (and a short one of 20 rows), built and drawn on
// the offscreen Qt surface.
// The click that ends a page is answered at once, so the time is the page's own.

#include "model/model_state.h"
#include "present/tables/cell_texts.h"
#include "present/tables/result_tables.h"
#include "frontends/qt/qtwindowlayer.h"

#include <benchmark/benchmark.h>

#include <QApplication>

#include <cmath>

namespace korvel {
namespace {

class ImmediateClickLayer : public QtWindowLayer {
public:
    MOUSE_RESULT waitMouseEvent(int) override { return MOUSE_RESULT{MOUSE_LEFT_DOWN, 1, 0, 0}; }
};

// Values of every form: fixed, general and exponent.
void fillTable() {
    for (int row = 1; row <= MAX_ROWS; ++row) {
        ROW_NUMBERS(row) = row;
        for (int column = 1; column <= MAX_STAGES; ++column)
            RESULT_TABLE(row, column) = static_cast<float>(std::pow(10.0, (row + column) % 12 - 3) * 1.2345678);
    }
    for (int column = 1; column <= MAX_STAGES; ++column) COLUMN_LABELS(column).assign("    x_" + std::to_string(column));
}

void BM_FullPage(benchmark::State& state) {
    ImmediateClickLayer layer;
    INSTALL_LAYER(&layer);
    layer.showFrame();
    fillTable();
    for (auto _ : state) {
        PRINTNNN(11, static_cast<int>(state.range(0)), 1, false, COLUMN_LABELS);
        QApplication::processEvents();
    }
    INSTALL_LAYER(nullptr);
}
BENCHMARK(BM_FullPage)->Arg(200)->Arg(20)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

// The cell texts of such a page alone.
void BM_PageCellTexts(benchmark::State& state) {
    fillTable();
    for (auto _ : state) {
        for (int row = 1; row <= MAX_ROWS; ++row)
            for (int column = 1; column <= 11; ++column) benchmark::DoNotOptimize(VALUE_CELL_TEXT(RESULT_TABLE(row, column), 1));
    }
}
BENCHMARK(BM_PageCellTexts)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace korvel

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
