#include "model/model_state.h"

namespace korvel {

int32_t STAGE_COUNT = 0;
int32_t PERIOD_COUNT = 0;

Matrix<float, MAX_STAGES, MAX_ROWS> MATRIX_X;
Vector<float, MAX_STAGES> OUTFLOWS;
Vector<float, MAX_STAGES> INITIAL_STOCKS;
Vector<float, MAX_STAGES> INFLOWS;
float TOTAL_INFLOW = 0.0f;
Matrix<float, MAX_STAGES, MAX_STAGES> MATRIX_P;

Matrix<float, MAX_ROWS, MAX_STAGES> RESULT_TABLE;
Vector<Label, MAX_ROWS> ROW_LABELS;
Vector<Label, MAX_STAGES> COLUMN_LABELS;
Vector<int32_t, MAX_ROWS> ROW_NUMBERS;

Vector<Label, MAX_STAGES + 1> X_SERIES_NAMES;
Vector<Label, MAX_STAGES + 1> W_SERIES_NAMES;

Vector<float, MAX_STAGES> STEADY_STATE;
Matrix<float, MAX_ROWS, MAX_STAGES> STOCK_SERIES;
Matrix<float, MAX_ROWS, MAX_STAGES> OUTFLOW_SERIES;
Matrix<float, MAX_STAGES, MAX_STAGES> MATRIX_Q;
Vector<float, MAX_STAGES> RECRUIT_DISTRIBUTION;
Matrix<float, MAX_GRAPH_POINTS, MAX_GRAPH_SERIES> GRAPH_VALUES;

FixedText<PATH_LENGTH> DATAFILE_NAME;
int32_t DATA_UNIT = 0;  // set to DATA_CHANNEL by the main routine after the opening screen
int32_t INDICATIONS_WINDOW = INDICATIONS_CHANNEL;
FixedText<MESSAGE_LENGTH> MSG_TEXT;
FixedText<MESSAGE_LENGTH> MSG_CAPTION;

Logical DATAFILE_OPEN = false;
Logical DATA_READ = false;
Logical X_HOLDS_P = true;
Logical P_FROM_FILE = true;
Logical CONTROL_SOLVED = false;
Logical Q_GRAPH_MODE = false;
Logical STOCK_GRAPH_REQUESTED = false;
Logical OUTFLOW_GRAPH_REQUESTED = false;
Logical I_MINUS_P_SINGULAR = false;
std::atomic<bool> WAITING_FOR_ENTER = false;

void RESET_MODEL_FLAGS() {
    DATAFILE_OPEN = false;
    DATA_READ = false;
    X_HOLDS_P = true;
    P_FROM_FILE = true;
    Q_GRAPH_MODE = false;
    CONTROL_SOLVED = false;
}

}  // namespace korvel
