#include "model/model_state.h"

#include <gtest/gtest.h>

namespace korvel {
namespace {

// The flags a file sets return to their start values; the data, the latest inversion's flag and
// the main routine's wait are left as they are.
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

    EXPECT_FALSE(DATAFILE_OPEN);
    EXPECT_FALSE(DATA_READ);
    EXPECT_TRUE(X_HOLDS_P);
    EXPECT_TRUE(P_FROM_FILE);
    EXPECT_FALSE(CONTROL_SOLVED);
    EXPECT_FALSE(Q_GRAPH_MODE);
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
