// "Gr&aph for each stage": the user picks one stage in dialog 112; its nominal and optimal
// stock trajectories are drawn, then compared by RMSE and Theil's U in the indications window.

#include "control/trajectory_comparison.h"

#include "control/control_commands.h"
#include "control/control_state.h"
#include "base/fixed_text.h"
#include "model/messages.h"
#include "present/graph/graph_commands.h"
#include "present/tables/number_formats.h"
#include "present/window/window_layer.h"
#include "resources/dialog_ids.h"

#include <cmath>
#include <vector>

namespace korvel {

namespace {

constexpr int SELECTION_LENGTH = 100;
constexpr int TITLED_NAME_LENGTH = 13;

// The pick of the dialog now open; it lives for one run of the command.
Label selected_name;
bool name_selected = false;

void showNoSelection() {
    FOCUS_CHANNEL(INDICATIONS_WINDOW);
    BEEP(200, 200);
    SET_FONT("t'Arial'h19w8i");
    MOVE_TO(10, 50);
    DRAW_TEXT("NO NAME HAS BEEN SELLECTED.....");
    MOVE_TO(10, 80);
    DRAW_TEXT(" .....TRY AGAIN THOROUGHLY.");
    SLEEP(3200);
    CLEAR_WINDOW();
}

// The first stage of 1..n with this name, or 0.
int stageNamed(int n, const Label& name) {
    for (int k = 1; k <= n; ++k)
        if (X_SERIES_NAMES(k).text() == name.text()) return k;
    return 0;
}

// Points 0..N of the stage: series 1 nominal, series 2 optimal.
void drawTrajectories(int stage, int point_count, const Label& name) {
    static GraphValues values;
    values.fill(0.0f);
    for (int p = 1; p <= point_count; ++p) {
        values(p, 1) = NOMINAL_STOCKS(p, stage);
        values(p, 2) = OPTIMAL_STOCKS(p, stage);
        ROW_NUMBERS(p) = p - 1;
    }
    GraphNames names;
    names(1).assign("NOMINAL");
    names(2).assign("OPTIMAL");
    FixedText<20> x_title;
    x_title.assign("Time periods");
    FixedText<25> y_title;
    y_title.assign("");
    GRAPHS(values, names, point_count, 2, 0, x_title, false, TRAJECTORY_TITLE(name), y_title);
}

// Written in white on the window's own background, left until the user presses Enter.
void showStatistics(const Label& name, const TrajectoryStatistics& statistics) {
    FOCUS_CHANNEL(INDICATIONS_WINDOW);
    SET_FONT("t'Arial'h19w8b");
    SET_COLOR_RGB(RGB(255, 255, 255));
    CLEAR_WINDOW();
    MOVE_TO(35, 30);
    DRAW_TEXT("Comparison results between nominal and optimal trajectories for : " + name.text());
    MOVE_TO(35, 60);
    DRAW_TEXT("Theil's inequality coefficient  U :" + STATISTIC_TEXT(statistics.u, statistics.u_defined));
    MOVE_TO(35, 80);
    DRAW_TEXT("RMSE : " + STATISTIC_TEXT(statistics.rmse));
    MOVE_TO(35, 110);
    DRAW_TEXT("(Press Enter)");
    READ_LINE(FOCUSED_CHANNEL());
    CLEAR_WINDOW();
}

float rootMeanSquare(const float* values, int count) {
    float sum = 0.0f;
    for (int p = 0; p < count; ++p) sum += values[p] * values[p];
    return std::sqrt(sum / static_cast<float>(count));
}

}  // namespace

void GET_ESTIM_NAMES_FORPLOT(bool) {
    name_selected = false;
    if (!CONTROL_SOLVED) {
        SHOW_MESSAGE("First you have to solve the optimal control problem",
                     "Attention ! The optimal control problem has not been solved yet", MB_EXCLAMATION);
        return;
    }
    DIALOG dialog;
    if (!DIALOG_INIT(SINGLE_NAME_DIALOG, dialog)) {
        SHOW_MESSAGE(" The relevant dialog box does not exist", " The proper dialog box has not found", MB_EXCLAMATION);
        return;
    }
    const int n = STAGE_COUNT;
    DIALOG_SET_COUNT(dialog, SINGLE_NAME_LIST, n);
    for (int i = 1; i <= n; ++i) DIALOG_SET_TEXT(dialog, SINGLE_NAME_LIST, X_SERIES_NAMES(i).text(), i);
    DIALOG_SET_CALLBACK(dialog, SINGLE_NAME_LIST, GETESTIMNAME);
    DIALOG_MODAL(dialog);
    DIALOG_UNINIT(dialog);

    if (!name_selected) {
        showNoSelection();
        return;
    }
    PLOT_ESTIM(n, selected_name);
}

void GETESTIMNAME(DIALOG& dialog, int control_id, int) {
    if (control_id == SINGLE_NAME_LIST) {
        std::string buffer(SELECTION_LENGTH, ' ');
        if (!DIALOG_GET_TEXT(dialog, SINGLE_NAME_LIST, buffer)) return;
        selected_name.assign(FIRST_CHARACTERS(buffer, LABEL_LENGTH));
        name_selected = true;
    } else if (control_id == DIALOG_OK) {
        DIALOG_EXIT(dialog);
    }
}

void PLOT_ESTIM(int n, const Label& name) {
    const int stage = stageNamed(n, name);
    if (stage == 0) {
        SHOW_MESSAGE("The name you have choosen does not exist", "Name has not been choosen correctly", MB_EXCLAMATION);
        return;
    }
    const int point_count = CONTROL_PERIOD + 1;
    drawTrajectories(stage, point_count, name);

    std::vector<float> nominal, optimal;
    for (int p = 1; p <= point_count; ++p) {
        nominal.push_back(NOMINAL_STOCKS(p, stage));
        optimal.push_back(OPTIMAL_STOCKS(p, stage));
    }
    showStatistics(name, COMPARE_TRAJECTORIES(nominal.data(), optimal.data(), point_count));
}

FixedText<60> TRAJECTORY_TITLE(const Label& name) {
    FixedText<60> title;
    title.assign("NOMINAL AND OPTIMAL TRAJECTORY FOR THE STOCK : " + FIRST_CHARACTERS(name.text(), TITLED_NAME_LENGTH));
    return title;
}

TrajectoryStatistics COMPARE_TRAJECTORIES(const float* nominal, const float* optimal, int point_count) {
    float squares = 0.0f;
    for (int p = 0; p < point_count; ++p) {
        const float difference = nominal[p] - optimal[p];
        squares += difference * difference;
    }
    TrajectoryStatistics statistics;
    statistics.rmse = std::sqrt(squares / static_cast<float>(point_count));
    // Both series zero at every point: U would be 0/0.
    const float scale = rootMeanSquare(optimal, point_count) + rootMeanSquare(nominal, point_count);
    statistics.u_defined = scale != 0.0f;
    if (statistics.u_defined) statistics.u = statistics.rmse / scale;
    return statistics;
}

std::string STATISTIC_TEXT(float value, bool defined) {
    constexpr int WIDTH = 17;
    const std::string undefined = "undefined";
    const std::string field =
        defined ? FORMAT_E(value, WIDTH, 6) : std::string(WIDTH - undefined.size(), ' ') + undefined;
    return field + "   ";
}

}  // namespace korvel
