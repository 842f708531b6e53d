#include "model/model_state.h"

#include <gtest/gtest.h>

#include <cstring>

namespace korvel {
namespace {

uint32_t bitsOf(float value) {
    uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

// The marker values must keep their single-precision bit patterns: tables compare against them.
TEST(ModelStateTest, MarkerValuesAreSinglePrecision) {
    EXPECT_EQ(0x4CEB79A3u, bitsOf(EMPTY_CELL));
    EXPECT_EQ(123456792.0, static_cast<double>(EMPTY_CELL));
    EXPECT_EQ(1234567.875, static_cast<double>(MISSING_VALUE));
}

// The flags that "&Close datafile" returns to their values at program start.
void expectFileFlagsAtStartValues() {
    EXPECT_FALSE(DATAFILE_OPEN);
    EXPECT_FALSE(DATA_READ);
    EXPECT_TRUE(X_HOLDS_P);
    EXPECT_TRUE(P_FROM_FILE);
    EXPECT_FALSE(CONTROL_SOLVED);
    EXPECT_FALSE(Q_GRAPH_MODE);
}

TEST(ModelStateTest, StartValues) {
    expectFileFlagsAtStartValues();
    EXPECT_FALSE(I_MINUS_P_SINGULAR);
    EXPECT_FALSE(WAITING_FOR_ENTER.load());
    EXPECT_EQ(10, INDICATIONS_WINDOW);
    EXPECT_EQ(0, STAGE_COUNT);
    EXPECT_EQ(0.0f, MATRIX_X(55, 200));
    EXPECT_EQ(std::string(20, '\0'), ROW_LABELS(200).text());
}

TEST(ModelStateTest, CapacitiesMatchTheLimits) {
    EXPECT_EQ(55, MATRIX_X.rows());
    EXPECT_EQ(200, MATRIX_X.columns());
    EXPECT_EQ(200, RESULT_TABLE.rows());
    EXPECT_EQ(55, RESULT_TABLE.columns());
    EXPECT_EQ(198, MAX_PERIODS);
    EXPECT_EQ(55, MATRIX_P.rows());
}

// Element (i, j) is row i, column j, both counted from 1.
TEST(ModelStateTest, MatrixIsRowFirstFromOne) {
    Matrix<float, 3, 4> m;
    m(1, 1) = 11.0f;
    m(2, 3) = 23.0f;
    m(3, 4) = 34.0f;
    EXPECT_EQ(11.0f, m(1, 1));
    EXPECT_EQ(23.0f, m(2, 3));
    EXPECT_EQ(0.0f, m(3, 2));
    EXPECT_EQ(34.0f, m(3, 4));
}

TEST(ModelStateTest, ResetReturnsFlagsToStartValuesButKeepsData) {
    DATAFILE_OPEN = true;
    DATA_READ = true;
    X_HOLDS_P = false;
    P_FROM_FILE = false;
    CONTROL_SOLVED = true;
    Q_GRAPH_MODE = true;
    I_MINUS_P_SINGULAR = true;
    WAITING_FOR_ENTER = true;
    MATRIX_X(2, 2) = 7.0f;

    RESET_MODEL_FLAGS();

    expectFileFlagsAtStartValues();
    EXPECT_TRUE(I_MINUS_P_SINGULAR);  // belongs to the latest inversion, not to the file
    EXPECT_TRUE(WAITING_FOR_ENTER.load());
    EXPECT_EQ(7.0f, MATRIX_X(2, 2));

    I_MINUS_P_SINGULAR = false;
    WAITING_FOR_ENTER = false;
    MATRIX_X(2, 2) = 0.0f;
}

// A logical is true whenever its lowest bit is 1, and is stored as -1 or 0.
TEST(LogicalTest, LowestBitDecides) {
    EXPECT_EQ(-1, Logical(true).bits());
    EXPECT_EQ(0, Logical(false).bits());
    struct Case {
        int32_t bits;
        bool value;
    };
    for (const Case& c : {Case{-1, true}, Case{1, true}, Case{3, true}, Case{2, false}, Case{0, false}, Case{-2, false}})
        EXPECT_EQ(c.value, static_cast<bool>(Logical::fromBits(c.bits))) << "bits " << c.bits;
}

}  // namespace
}  // namespace korvel
