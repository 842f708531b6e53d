#pragma once
// The model state: the one set of data every command works on. It lives in static storage for
// the whole run; commands read and write it directly.

#include "base/fixed_array.h"
#include "base/fixed_text.h"
#include "base/logical.h"

#include <atomic>
#include <cstdint>

namespace korvel {

// Capacities
inline constexpr int MAX_STAGES = 55;
inline constexpr int MAX_ROWS = 200;
inline constexpr int MAX_PERIODS = MAX_ROWS - 2;  // projection tables use rows 1..T+2
inline constexpr int LABEL_LENGTH = 20;
inline constexpr int PATH_LENGTH = 512;
inline constexpr int MESSAGE_LENGTH = 500;
inline constexpr int MAX_GRAPH_POINTS = 200;
inline constexpr int MAX_GRAPH_SERIES = 12;  // a graph from the projections needs N + 1 <= 12

// Marker values
inline constexpr float EMPTY_CELL = 123456789.0f;  // stored as 123456792.0
inline constexpr float MISSING_VALUE = 1234567.9f;  // a projection value that does not exist
inline constexpr int32_t STEADY_STATE_ROW = 12345678;

// Channels
inline constexpr int32_t DATA_CHANNEL = 8;
inline constexpr int32_t INDICATIONS_CHANNEL = 10;

using Label = FixedText<LABEL_LENGTH>;

// Model size
extern int32_t STAGE_COUNT;   // N, 1..55
extern int32_t PERIOD_COUNT;  // T, at most 198

// Model data
extern Matrix<float, MAX_STAGES, MAX_ROWS> MATRIX_X;
extern Vector<float, MAX_STAGES> OUTFLOWS;  // outflows as read, then w*
extern Vector<float, MAX_STAGES> INITIAL_STOCKS;
extern Vector<float, MAX_STAGES> INFLOWS;
extern float TOTAL_INFLOW;
extern Matrix<float, MAX_STAGES, MAX_STAGES> MATRIX_P;

// Result table
extern Matrix<float, MAX_ROWS, MAX_STAGES> RESULT_TABLE;
extern Vector<Label, MAX_ROWS> ROW_LABELS;
extern Vector<Label, MAX_STAGES> COLUMN_LABELS;
extern Vector<int32_t, MAX_ROWS> ROW_NUMBERS;

// Series names of the graphs: one per stage, then the total
extern Vector<Label, MAX_STAGES + 1> X_SERIES_NAMES;
extern Vector<Label, MAX_STAGES + 1> W_SERIES_NAMES;

// Projections: the steady state, the series of stocks and outflows (time row t, series k: the
// stages, then the total), and the fixed-size model's matrix Q with its recruit distribution
extern Vector<float, MAX_STAGES> STEADY_STATE;
extern Matrix<float, MAX_ROWS, MAX_STAGES> STOCK_SERIES;
extern Matrix<float, MAX_ROWS, MAX_STAGES> OUTFLOW_SERIES;
extern Matrix<float, MAX_STAGES, MAX_STAGES> MATRIX_Q;
extern Vector<float, MAX_STAGES> RECRUIT_DISTRIBUTION;

// The points a graph command draws: point p of series s
extern Matrix<float, MAX_GRAPH_POINTS, MAX_GRAPH_SERIES> GRAPH_VALUES;

// Files and windows
extern FixedText<PATH_LENGTH> DATAFILE_NAME;
extern int32_t DATA_UNIT;
extern int32_t INDICATIONS_WINDOW;
extern FixedText<MESSAGE_LENGTH> MSG_TEXT;
extern FixedText<MESSAGE_LENGTH> MSG_CAPTION;

// Flags
extern Logical DATAFILE_OPEN;
extern Logical DATA_READ;
extern Logical X_HOLDS_P;
extern Logical P_FROM_FILE;
extern Logical CONTROL_SOLVED;
extern Logical Q_GRAPH_MODE;
extern Logical STOCK_GRAPH_REQUESTED;
extern Logical OUTFLOW_GRAPH_REQUESTED;
extern Logical I_MINUS_P_SINGULAR;
// Written by the main routine's thread while the commands run on the layer's thread.
extern std::atomic<bool> WAITING_FOR_ENTER;

// Returns the flags DATAFILE_OPEN, DATA_READ, X_HOLDS_P, P_FROM_FILE, CONTROL_SOLVED and
// Q_GRAPH_MODE to their values at program start; the arrays keep their contents.
void RESET_MODEL_FLAGS();

}  // namespace korvel
