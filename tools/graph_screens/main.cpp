// korvel_graph_screens three|eight|dialog [maximised]: shows a graph of three projected stocks,
// or of eight series, in the program's frame, as a projection would after the series dialog,
// and waits for the click that closes it; or shows the series dialog itself for three stages.
// For taking screenshots under Xvfb (docs/screens/).

#include "present/graph/graph_commands.h"
#include "present/graph/line_graph.h"
#include "frontends/qt/qtwindowlayer.h"
#include "shell/menu_bar.h"

#include <QApplication>
#include <QTimer>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using namespace korvel;

// Maximises the graph window before the graph waits for its click.
class ScreenLayer : public QtWindowLayer {
public:
    explicit ScreenLayer(bool maximised) : m_maximised(maximised) {}
    MOUSE_RESULT waitMouseEvent(int mask) override {
        if (m_maximised) setWindowPlacement(GRAPH_CHANNEL, WINDOW_PLACEMENT{PLACE_MAXIMIZED, 0, 0, 0, 0});
        return QtWindowLayer::waitMouseEvent(mask);
    }

private:
    bool m_maximised;
};

constexpr int PERIODS = 20;

// Stocks of stage s over periods 0..T and the steady state: a drift toward a level of its own.
float stock(int s, int period) {
    const double start = 120.0 * s;
    const double level = 60.0 + 95.0 * ((s * 37) % 8);
    return static_cast<float>(std::round(level + (start - level) * std::pow(0.85, period)));
}

void drawGraph(int series) {
    GraphValues values;
    GraphNames names;
    const int points = PERIODS + 2;
    for (int s = 1; s <= series; ++s) {
        names(s).assign("    x_" + std::to_string(s));
        for (int p = 1; p <= points; ++p) values(p, s) = stock(s, p == points ? 200 : p - 1);
    }
    FixedText<20> x_title;
    x_title.assign("Time period t");
    FixedText<60> title;
    title.assign(series == 3 ? "Projected stocks of the grades" : "Stocks of eight grades");
    FixedText<25> y_title;
    y_title.assign("Persons");
    GRAPHS(values, names, points, series, 0, x_title, false, title, y_title);
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const std::string which = argc > 1 ? argv[1] : "three";
    const bool maximised = argc > 2 && std::string(argv[2]) == "maximised";
    ScreenLayer layer(maximised);
    INSTALL_LAYER(&layer);
    INITIALSETTINGS();
    layer.showFrame();
    SET_WINDOW_PLACEMENT(FRAME_WINDOW, WINDOW_PLACEMENT{PLACE_POSITION_AND_SIZE, 0, 0, 1024, 1280});
    QTimer::singleShot(0, [&] {
        if (which == "dialog") {
            for (int k = 1; k <= 3; ++k) X_SERIES_NAMES(k).assign("    x_" + std::to_string(k));
            X_SERIES_NAMES(4).assign("   Total");
            DATAFILE_OPEN = true;
            STOCK_GRAPH_REQUESTED = true;
            PLOTVARCALL0(3);
        } else {
            drawGraph(which == "eight" ? MAX_DRAWN_SERIES : 3);
        }
        QApplication::quit();
    });
    const int status = QApplication::exec();
    std::fflush(nullptr);
    std::quick_exit(status);
}
