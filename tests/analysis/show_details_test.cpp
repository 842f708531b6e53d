// "Sho&w details": the X table, P and w* derived and written over the model, the P table,
// the series names and the flags.

#include "analysis/analysis_commands.h"
#include "analysis/numbered_label.h"
#include "analysis/show_details.h"
#include "analysis_fixture.h"

#include <cmath>
#include <vector>

namespace korvel {
namespace {

using Rows = std::vector<std::vector<float>>;

constexpr int COUNTS_TABLE_KIND = 20;
constexpr int P_TABLE_KIND = 22;

class ShowDetailsTest : public AnalysisTest {
protected:
    void SetUp() override {
        AnalysisTest::SetUp();
        DATA_READ = true;
        CONTROL_SOLVED = true;
    }
    // A file that gave P itself.
    void giveP(const Rows& p) {
        STAGE_COUNT = static_cast<int32_t>(p.size());
        load(p);
    }
    // A file that gave counts: X with its outflows.
    void giveCounts(const Rows& x, const std::vector<float>& outflows) {
        STAGE_COUNT = static_cast<int32_t>(x.size());
        load(x);
        for (size_t i = 0; i < outflows.size(); ++i) OUTFLOWS(static_cast<int>(i) + 1) = outflows[i];
        X_HOLDS_P = false;
        P_FROM_FILE = false;
    }
    static void load(const Rows& matrix) {
        const int n = static_cast<int>(matrix.size());
        for (int i = 1; i <= n; ++i) {
            for (int j = 1; j <= n; ++j) MATRIX_X(i, j) = matrix[i - 1][j - 1];
            INITIAL_STOCKS(i) = 100.0f * static_cast<float>(i);
            INFLOWS(i) = 10.0f + static_cast<float>(i);
        }
    }
    static std::string label(const std::string& text) { return PAD_TEXT(text, LABEL_LENGTH); }
};

// 1 - P(i,1) - ... - P(i,n), in single precision in column order.
float wStar(const Rows& p, int i) {
    float w = 1.0f;
    for (float value : p[static_cast<size_t>(i - 1)]) w -= value;
    return w;
}

TEST(NumberedLabelTest, NumberInTwoCharactersThenThree) {
    const struct {
        const char* stem;
        int number;
        const char* expected;
    } cases[] = {
        {"Row_", 1, "Row_ 1"},     {"Row_", 99, "Row_99"},          {"Row_", 100, "Row_100"},
        {"   Column", 1, "   Column 1"}, {"  Column", 12, "  Column12"}, {"    x_", 7, "    x_ 7"},
    };
    for (const auto& row : cases)
        EXPECT_EQ(PAD_TEXT(row.expected, LABEL_LENGTH), NUMBERED_LABEL(row.stem, row.number).text()) << row.expected;
}

TEST_F(ShowDetailsTest, RefusedBeforeTheDataAreRead) {
    DATA_READ = false;
    giveP({{0.5f}});
    SHOWDATA(true);
    EXPECT_EQ(std::vector<std::string>{"msgbox 48 \" Data have not been read\" \" Firest you have to read in your data. \" -> OK"},
              lines());
    EXPECT_EQ(0.0f, MATRIX_P(1, 1));
    EXPECT_EQ(0.0f, OUTFLOWS(1));
    EXPECT_EQ(0.0f, RESULT_TABLE(1, 1));
    EXPECT_TRUE(CONTROL_SOLVED);
}

// The P table as the command fills it for P given directly: P, initial conditions and inflows,
// w* and the check totals; the 2 x 2 corner and the rest of the table empty.
TEST_F(ShowDetailsTest, PTableCells) {
    const Rows p = {{0.6f, 0.25f, 0.05f}, {0.1f, 0.7f, 0.15f}, {0.0f, 0.3f, 0.65f}};
    giveP(p);
    const int n = 3;
    LABEL_DETAILS_TABLE(n);
    FILL_P_TABLE(n);

    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j) {
            EXPECT_EQ(p[i - 1][j - 1], RESULT_TABLE(i, j));
            EXPECT_EQ(p[i - 1][j - 1], MATRIX_P(i, j));
        }
        EXPECT_EQ(wStar(p, i), RESULT_TABLE(i, n + 1)) << i;
        EXPECT_EQ(1.0f, RESULT_TABLE(i, n + 2)) << i;
        EXPECT_EQ(INITIAL_STOCKS(i), RESULT_TABLE(n + 1, i));
        EXPECT_EQ(INFLOWS(i), RESULT_TABLE(n + 2, i));
        EXPECT_EQ(label("Row_ " + std::to_string(i)), ROW_LABELS(i).text());
        EXPECT_EQ(label("   Column " + std::to_string(i)), COLUMN_LABELS(i).text());
    }
    for (int i = n + 1; i <= n + 2; ++i)
        for (int j = n + 1; j <= n + 2; ++j) EXPECT_EQ(EMPTY_CELL, RESULT_TABLE(i, j));
    EXPECT_EQ(EMPTY_CELL, RESULT_TABLE(n + 3, 1));
    EXPECT_EQ(EMPTY_CELL, RESULT_TABLE(MAX_ROWS, MAX_STAGES));
    EXPECT_EQ(label("Initial cond."), ROW_LABELS(n + 1).text());
    EXPECT_EQ(label("Inflows"), ROW_LABELS(n + 2).text());
    EXPECT_EQ(label("  Vector w*"), COLUMN_LABELS(n + 1).text());
    EXPECT_EQ(label(" Totals"), COLUMN_LABELS(n + 2).text());
    for (int k = 1; k <= MAX_ROWS; ++k) ASSERT_EQ(k, ROW_NUMBERS(k));
}

// P given directly: no X table; the P table with N + 2 rows; the model keeps P and w*.
TEST_F(ShowDetailsTest, ProportionsGivenByTheFile) {
    const Rows p = {{0.6f, 0.25f, 0.05f}, {0.1f, 0.7f, 0.15f}, {0.0f, 0.3f, 0.65f}};
    giveP(p);
    SHOWDATA(true);

    const int n = 3;
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j) {
            EXPECT_EQ(p[i - 1][j - 1], MATRIX_P(i, j));
            EXPECT_EQ(p[i - 1][j - 1], MATRIX_X(i, j));
        }
        EXPECT_EQ(wStar(p, i), OUTFLOWS(i)) << i;
    }
    const std::vector<ShownPage> shown = pages();
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(P_TABLE_KIND, shown[0].kind);
    ASSERT_EQ(static_cast<size_t>(n + 2), shown[0].rows.size());
    EXPECT_EQ((std::vector<std::string>{"Row_ 2", cellText(0.1f, P_TABLE_KIND), cellText(0.7f, P_TABLE_KIND),
                                        cellText(0.15f, P_TABLE_KIND), cellText(wStar(p, 2), P_TABLE_KIND),
                                        cellText(1.0f, P_TABLE_KIND)}),
              shown[0].rows[1]);
    const std::string empty = cellText(EMPTY_CELL, P_TABLE_KIND);
    EXPECT_EQ((std::vector<std::string>{"Inflows", cellText(11.0f, P_TABLE_KIND), cellText(12.0f, P_TABLE_KIND),
                                        cellText(13.0f, P_TABLE_KIND), empty, empty}),
              shown[0].rows[4]);
    EXPECT_TRUE(X_HOLDS_P);
    EXPECT_TRUE(P_FROM_FILE);
    EXPECT_FALSE(CONTROL_SOLVED);
    EXPECT_TRUE(linesStartingWith("msgbox").empty());
}

// The series names of the graphs, one per stage and the total.
TEST_F(ShowDetailsTest, NamesTheSeries) {
    giveP({{0.5f, 0.1f}, {0.2f, 0.3f}});
    SHOWDATA(true);
    EXPECT_EQ(label("    x_ 1"), X_SERIES_NAMES(1).text());
    EXPECT_EQ(label("    x_ 2"), X_SERIES_NAMES(2).text());
    EXPECT_EQ(label("   Total"), X_SERIES_NAMES(3).text());
    EXPECT_EQ(label("    w_ 1"), W_SERIES_NAMES(1).text());
    EXPECT_EQ(label("    w_ 2"), W_SERIES_NAMES(2).text());
    EXPECT_EQ(label("   Total"), W_SERIES_NAMES(3).text());
}

// The table of counts: X with the outflows, the inflows as a row, T(i) and the column totals,
// and an empty 2 x 2 corner.
TEST_F(ShowDetailsTest, CountsTable) {
    const Rows x = {{50.0f, 10.0f, 0.0f}, {3.0f, 70.0f, 12.5f}, {0.0f, 1.0f, 40.0f}};
    const std::vector<float> outflows = {8.0f, 4.0f, 9.0f};
    giveCounts(x, outflows);
    const int n = 3;
    LABEL_DETAILS_TABLE(n);
    FILL_COUNTS_TABLE(n);

    for (int i = 1; i <= n; ++i) {
        float row_total = 0.0f;
        for (int j = 1; j <= n; ++j) {
            EXPECT_EQ(x[i - 1][j - 1], RESULT_TABLE(i, j));
            row_total += x[i - 1][j - 1];
        }
        row_total += outflows[i - 1];
        EXPECT_EQ(outflows[i - 1], RESULT_TABLE(i, n + 1));
        EXPECT_EQ(row_total, RESULT_TABLE(i, n + 2)) << i;
        EXPECT_EQ(INFLOWS(i), RESULT_TABLE(n + 1, i));
        const float column_total = x[0][i - 1] + x[1][i - 1] + x[2][i - 1] + INFLOWS(i);
        EXPECT_EQ(column_total, RESULT_TABLE(n + 2, i)) << i;
    }
    for (int i = n + 1; i <= n + 2; ++i)
        for (int j = n + 1; j <= n + 2; ++j) EXPECT_EQ(EMPTY_CELL, RESULT_TABLE(i, j)) << i << "," << j;
    EXPECT_EQ(label("Outflows"), COLUMN_LABELS(n + 1).text());
    EXPECT_EQ(label("Total"), COLUMN_LABELS(n + 2).text());
    EXPECT_EQ(label("Inflows"), ROW_LABELS(n + 1).text());
    EXPECT_EQ(label("Total"), ROW_LABELS(n + 2).text());
    EXPECT_EQ(0, STAGE_WITHOUT_PEOPLE(n));
}

// Counts: P = X / T(i) written over X, w* over the outflows; the row of a stage with nobody
// staying or moving but with outflows is zero and its w* is 1.
TEST_F(ShowDetailsTest, CountsBecomeProportions) {
    const Rows x = {{50.0f, 10.0f, 0.0f}, {0.0f, 0.0f, 0.0f}, {0.0f, 1.0f, 40.0f}};
    const std::vector<float> outflows = {8.0f, 4.0f, 9.0f};
    giveCounts(x, outflows);
    SHOWDATA(true);

    const int n = 3;
    Rows p(3, std::vector<float>(3));
    for (int i = 1; i <= n; ++i) {
        const float t = x[i - 1][0] + x[i - 1][1] + x[i - 1][2] + outflows[i - 1];
        for (int j = 1; j <= n; ++j) {
            p[i - 1][j - 1] = x[i - 1][j - 1] / t;
            EXPECT_EQ(p[i - 1][j - 1], MATRIX_X(i, j)) << i << "," << j;
            EXPECT_EQ(p[i - 1][j - 1], MATRIX_P(i, j)) << i << "," << j;
        }
    }
    for (int i = 1; i <= n; ++i) EXPECT_EQ(wStar(p, i), OUTFLOWS(i)) << i;
    EXPECT_EQ(1.0f, OUTFLOWS(2));
    // The X table, then the P table of the stage rows alone.
    const std::vector<ShownPage> shown = pages();
    ASSERT_LE(2u, shown.size());
    EXPECT_EQ(COUNTS_TABLE_KIND, shown[0].kind);
    EXPECT_EQ(P_TABLE_KIND, shown[1].kind);
    ASSERT_EQ(static_cast<size_t>(n), shown[1].rows.size());
    for (int i = 1; i <= n; ++i) {
        std::vector<std::string> row = {"Row_ " + std::to_string(i)};
        for (int j = 1; j <= n; ++j) row.push_back(cellText(p[i - 1][j - 1], P_TABLE_KIND));
        row.push_back(cellText(wStar(p, i), P_TABLE_KIND));
        row.push_back(cellText(1.0f, P_TABLE_KIND));
        EXPECT_EQ(row, shown[1].rows[static_cast<size_t>(i - 1)]);
    }
    EXPECT_TRUE(X_HOLDS_P);
    EXPECT_FALSE(P_FROM_FILE);
    EXPECT_FALSE(CONTROL_SOLVED);
    // The rows of initial conditions and inflows keep the counts table's labels.
    EXPECT_EQ(label("Inflows"), ROW_LABELS(n + 1).text());
    EXPECT_EQ(label("Total"), ROW_LABELS(n + 2).text());
}

// A stage with nobody in it at the start of the period has no row of P: the command stops
// with a message naming the stage and changes nothing of the model.
TEST_F(ShowDetailsTest, ZeroRowTotalStops) {
    giveCounts({{5.0f, 1.0f}, {0.0f, 0.0f}}, {2.0f, 0.0f});
    SHOWDATA(true);
    EXPECT_EQ(std::vector<std::string>{"msgbox 48 \" Zero row total\" \" The row total of stage 2 is zero: matrix P "
                                       "cannot be formed. \" -> OK"},
              linesStartingWith("msgbox"));
    EXPECT_EQ(5.0f, MATRIX_X(1, 1));
    EXPECT_EQ(1.0f, MATRIX_X(1, 2));
    EXPECT_EQ(2.0f, OUTFLOWS(1));
    EXPECT_EQ(0.0f, MATRIX_P(1, 1));
    EXPECT_FALSE(X_HOLDS_P);
    EXPECT_TRUE(CONTROL_SOLVED);
}

// More than 53 stages: refused before anything is drawn or changed, whatever the file gave.
class TooManyStagesTest : public ShowDetailsTest, public ::testing::WithParamInterface<bool> {};

TEST_P(TooManyStagesTest, RefusedBeforeAnythingChanges) {
    const bool counts = GetParam();
    STAGE_COUNT = 54;
    MATRIX_X(1, 1) = counts ? 5.0f : 0.5f;
    X_HOLDS_P = !counts;
    P_FROM_FILE = !counts;
    SHOWDATA(true);
    EXPECT_EQ(std::vector<std::string>{"msgbox 48 \" Too many stages\" \" The tables of more than 53 stages cannot "
                                       "be shown. \" -> OK"},
              lines());
    EXPECT_EQ(!counts, static_cast<bool>(X_HOLDS_P));
    EXPECT_EQ(counts ? 5.0f : 0.5f, MATRIX_X(1, 1));
    EXPECT_EQ(0.0f, MATRIX_P(1, 1));
    EXPECT_EQ(0.0f, RESULT_TABLE(1, 1));
    EXPECT_TRUE(CONTROL_SOLVED);
}

INSTANTIATE_TEST_SUITE_P(CountsOrProportions, TooManyStagesTest, ::testing::Bool());

// A row of P summing to more than 1 shows a negative w* and still a total of 1.
TEST_F(ShowDetailsTest, RowAboveOneHasNegativeWStar) {
    const Rows p = {{0.7f, 0.5f}, {0.2f, 0.3f}};
    giveP(p);
    SHOWDATA(true);
    EXPECT_EQ(wStar(p, 1), OUTFLOWS(1));
    EXPECT_LT(OUTFLOWS(1), 0.0f);
    const std::vector<ShownPage> shown = pages();
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(cellText(wStar(p, 1), P_TABLE_KIND), shown[0].rows.at(0).at(3));
    EXPECT_EQ(cellText(1.0f, P_TABLE_KIND), shown[0].rows.at(0).at(4));
    EXPECT_EQ(cellText(1.0f, P_TABLE_KIND), shown[0].rows.at(1).at(4));
}

// The second run finds P in place and derives the same P and w* again.
TEST_F(ShowDetailsTest, SecondRunKeepsP) {
    giveCounts({{6.0f, 2.0f}, {1.0f, 3.0f}}, {2.0f, 4.0f});
    SHOWDATA(true);
    const float p12 = MATRIX_X(1, 2), w2 = OUTFLOWS(2);
    CONTROL_SOLVED = true;
    SHOWDATA(true);
    EXPECT_EQ(p12, MATRIX_X(1, 2));
    EXPECT_EQ(p12, MATRIX_P(1, 2));
    EXPECT_EQ(w2, OUTFLOWS(2));
    EXPECT_EQ(2.0f / 10.0f, MATRIX_X(1, 2));
    EXPECT_FALSE(CONTROL_SOLVED);
    // The counts are gone: the second run shows P and the roots only, as the first did.
    const std::vector<ShownPage> shown = pages();
    std::vector<int> kinds;
    for (const ShownPage& page : shown) kinds.push_back(page.kind);
    ASSERT_EQ((std::vector<int>{COUNTS_TABLE_KIND, P_TABLE_KIND, 13, P_TABLE_KIND, 13}), kinds);
    EXPECT_EQ(shown[1].rows, shown[3].rows);
    EXPECT_EQ(shown[2].rows, shown[4].rows);
}

}  // namespace
}  // namespace korvel
