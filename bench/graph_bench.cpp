// One line graph of 8 series by 200 points drawn on the offscreen Qt surface: the engine's
// records set up and every frame, axis, line, marker, point label and legend entry drawn
// (LINESGRAPH in an open graph window). Then the whole driver, GRAPHS, which thins the 200
// points to 40 and opens and closes the window; its closing click is answered at once.

#include "present/graph/graph_commands.h"
#include "present/graph/line_graph.h"
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

struct EightSeries {
    GraphValues values;
    PointLabels labels;
    GraphNames names;
    FixedText<20> x_title;
    FixedText<60> title;
    FixedText<25> y_title;

    explicit EightSeries(int points) {
        for (int s = 1; s <= MAX_DRAWN_SERIES; ++s) {
            names(s).assign("    x_" + std::to_string(s));
            for (int p = 1; p <= points; ++p) values(p, s) = static_cast<float>(100 * s + 40 * std::sin(p * 0.1 + s));
        }
        for (int p = 1; p <= points; ++p) labels(p).assign(RIGHT_ALIGNED(p - 1, LABEL_LENGTH));
        x_title.assign("Time period t");
        title.assign("Stocks of eight grades");
        y_title.assign("Persons");
    }
};

void BM_EightSeriesGraph(benchmark::State& state) {
    ImmediateClickLayer layer;
    INSTALL_LAYER(&layer);
    layer.showFrame();
    const int points = static_cast<int>(state.range(0));
    const EightSeries graph(points);
    OPEN_CHILD_WINDOW(GRAPH_CHANNEL, "Plain diagram");
    for (auto _ : state) {
        LINESGRAPH(graph.values, graph.labels, points, MAX_DRAWN_SERIES, graph.names, false, graph.x_title, graph.title,
                   graph.y_title);
        QApplication::processEvents();
    }
    CLOSE_CHANNEL(GRAPH_CHANNEL);
    INSTALL_LAYER(nullptr);
}
BENCHMARK(BM_EightSeriesGraph)->Arg(200)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

void BM_GraphDriver(benchmark::State& state) {
    ImmediateClickLayer layer;
    INSTALL_LAYER(&layer);
    layer.showFrame();
    const EightSeries graph(MAX_GRAPH_POINTS);
    for (auto _ : state) {
        GRAPHS(graph.values, graph.names, MAX_GRAPH_POINTS, MAX_DRAWN_SERIES, 0, graph.x_title, false, graph.title,
               graph.y_title);
        QApplication::processEvents();
    }
    INSTALL_LAYER(nullptr);
}
BENCHMARK(BM_GraphDriver)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

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
