// "&Common projections" and "&Fixed-size projections (matrix Q)" on small models worked by
// hand, through the scripted layer; their refusals are the scenario projections_refused.

#include "analysis/analysis_commands.h"
#include "analysis_fixture.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace korvel {
namespace {

using Rows = std::vector<std::vector<std::string>>;
// A period's label: its number ending in the 13th character; the steady state's mark.
std::string rowNumber(int t) {
    const std::string number = std::to_string(t);
    return std::string(13 - number.size(), ' ') + number;
}
const std::string STEADY_STATE_LABEL = "         { > }";

const std::vector<std::string> COMMON_HEADINGS = {"Period    t", "    x_ 1", "Percent (%)", "Total", "Percent (%)", "Tot. inflows"};

class ProjectionsTest : public AnalysisTest {
protected:
    // A model as "Sho&w details" leaves it: P in MATRIX_X and MATRIX_P, w* in OUTFLOWS; the
    // total inflow is the sum of the inflows.
    void giveModel(const std::vector<std::vector<float>>& p, const std::vector<float>& initial,
                   const std::vector<float>& inflows, int periods) {
        const int n = static_cast<int>(p.size());
        STAGE_COUNT = n;
        PERIOD_COUNT = periods;
        TOTAL_INFLOW = 0.0f;
        for (int i = 1; i <= n; ++i) {
            float w = 1.0f;
            for (int j = 1; j <= n; ++j) {
                MATRIX_X(i, j) = MATRIX_P(i, j) = p[i - 1][j - 1];
                w -= p[i - 1][j - 1];
            }
            OUTFLOWS(i) = w;
            INITIAL_STOCKS(i) = initial[i - 1];
            INFLOWS(i) = inflows[i - 1];
            TOTAL_INFLOW += inflows[i - 1];
        }
        DATA_READ = true;
    }
    // p = diag(stay), every stock and inflow as given.
    void giveStayers(int n, float stay, float stock, float inflow) {
        std::vector<std::vector<float>> p(n, std::vector<float>(n, 0.0f));
        for (int i = 0; i < n; ++i) p[i][i] = stay;
        giveModel(p, std::vector<float>(n, stock), std::vector<float>(n, inflow), 1);
    }
};

// n(t) = 0.8 n(t-1) + 10 from 100: 90, 82, 75.6 shown as 76; steady state rnd(10 x 5) = 50.
// The one stage is the whole total, so its percentage is 100 everywhere, and the total's growth
// on period 0's 100 is the stock itself.
TEST_F(ProjectionsTest, OneStageCommon) {
    giveModel({{0.8f}}, {100.0f}, {10.0f}, 3);
    COMPUTE_PROJECTIONS_T(false);
    const auto row = [](const std::string& label, const std::string& stock) {
        return std::vector<std::string>{label, stock, "    100.0000", stock, stock, "    10.00000"};
    };
    const Rows expected = {row(rowNumber(0), "    100.0000"), row(rowNumber(1), "    90.00000"),
                           row(rowNumber(2), "    82.00000"), row(rowNumber(3), "    76.00000"),
                           row(STEADY_STATE_LABEL, "    50.00000")};
    const std::vector<ShownPage> shown = pages();
    ASSERT_EQ(1u, shown.size());
    EXPECT_EQ(1, shown[0].kind);
    EXPECT_EQ(COMMON_HEADINGS, shown[0].headings);
    EXPECT_EQ(expected, shown[0].rows);
    EXPECT_TRUE(messages().empty());
}

// T = 0: the common table holds period 0 and the steady state, the fixed-size one period 0.
TEST_F(ProjectionsTest, NoPeriods) {
    giveModel({{0.8f}}, {100.0f}, {10.0f}, 0);
    COMPUTE_PROJECTIONS_T(false);
    COMPUTE_PROJECTIONS_Q(false);
    const std::vector<ShownPage> shown = pages();
    ASSERT_EQ(3u, shown.size());
    ASSERT_EQ(2u, shown[0].rows.size());
    EXPECT_EQ(rowNumber(0), shown[0].rows[0][0]);
    EXPECT_EQ(STEADY_STATE_LABEL, shown[0].rows[1][0]);
    ASSERT_EQ(1u, shown[2].rows.size());
    EXPECT_EQ(rowNumber(0), shown[2].rows[0][0]);
}

// Inflows (30, 10) give r = (0.75, 0.25); w* = (0.1, 0.1) adds 0.075 and 0.025 to each row of
// P: Q = [[0.775, 0.225], [0.075, 0.925]]. Nobody is recruited beyond the leavers' places, so
// every period keeps period 0's total of 160, up to the rounding of its two stocks.
TEST_F(ProjectionsTest, TwoStagesKeepTheirTotal) {
    giveModel({{0.7f, 0.2f}, {0.0f, 0.9f}}, {100.0f, 60.0f}, {30.0f, 10.0f}, 40);
    COMPUTE_PROJECTIONS_Q(false);
    EXPECT_EQ(0.75f, RECRUIT_DISTRIBUTION(1));
    EXPECT_EQ(0.25f, RECRUIT_DISTRIBUTION(2));
    const float q[2][2] = {{0.775f, 0.225f}, {0.075f, 0.925f}};
    for (int i = 1; i <= 2; ++i)
        for (int j = 1; j <= 2; ++j) EXPECT_NEAR(q[i - 1][j - 1], MATRIX_Q(i, j), 1e-7f) << i << "," << j;
    const std::vector<ShownPage> shown = pages();
    ASSERT_EQ(2u, shown.size());
    EXPECT_EQ((Rows{{rowNumber(1), "   0.775000", "   0.225000"}, {rowNumber(2), "   0.075000", "   0.925000"}}),
              shown[0].rows);
    ASSERT_EQ(41u, shown[1].rows.size());
    for (const std::vector<std::string>& row : shown[1].rows) {
        ASSERT_EQ(7u, row.size());
        EXPECT_NEAR(160.0f, std::stof(row[5]), 1.0f) << row[0];
    }
}

// A file that gave P can be projected before "Sho&w details" has run: MATRIX_P and OUTFLOWS
// then hold another model's values, and Q still comes from this model's P.
TEST_F(ProjectionsTest, FixedSizeBeforeTheDetails) {
    giveModel({{0.7f, 0.2f}, {0.0f, 0.9f}}, {100.0f, 60.0f}, {30.0f, 10.0f}, 1);
    MATRIX_P.fill(0.5f);
    OUTFLOWS.fill(9.0f);
    COMPUTE_PROJECTIONS_Q(false);
    const std::vector<ShownPage> shown = pages();
    ASSERT_EQ(2u, shown.size());
    EXPECT_EQ((Rows{{rowNumber(1), "   0.775000", "   0.225000"}, {rowNumber(2), "   0.075000", "   0.925000"}}),
              shown[0].rows);
}

// Halves round away from zero: 2.5 shows 3 and -2.5 shows -3, 30 % and -30 % of the total 10.
TEST_F(ProjectionsTest, HalvesRoundAwayFromZero) {
    giveModel({{0.5f, 0.0f, 0.0f}, {0.0f, 0.5f, 0.0f}, {0.0f, 0.0f, 0.5f}}, {2.5f, -2.5f, 10.0f}, {0.0f, 0.0f, 0.0f}, 0);
    COMPUTE_PROJECTIONS_T(false);
    const std::vector<ShownPage> shown = pages();
    ASSERT_EQ(1u, shown.size());
    EXPECT_EQ((std::vector<std::string>{rowNumber(0), "    3.000000", "    30.00000", "   -3.000000", "   -30.00000",
                                        "    10.00000", "    100.0000", "    10.00000", "    100.0000", "   0.000000"}),
              shown[0].rows[0]);
}

// A period without people has no shares: its percentages show "?", and with period 0 empty
// the growth of the total is unknown in every row. P = 0.5 I, so [I - P]^-1 = 2 I and the
// steady state is (20, 0).
TEST_F(ProjectionsTest, ZeroTotalStockLeavesPercentagesEmpty) {
    giveModel({{0.5f, 0.0f}, {0.0f, 0.5f}}, {0.0f, 0.0f}, {10.0f, 0.0f}, 1);
    COMPUTE_PROJECTIONS_T(false);
    const std::string q = "          ?", zero = "   0.000000", ten = "    10.00000";
    const Rows expected = {
        {rowNumber(0), zero, q, zero, q, zero, q, ten},
        {rowNumber(1), ten, "    100.0000", zero, zero, ten, q, ten},
        {STEADY_STATE_LABEL, "    20.00000", "    100.0000", zero, zero, "    20.00000", q, ten},
    };
    const std::vector<ShownPage> shown = pages();
    ASSERT_EQ(1u, shown.size());
    EXPECT_EQ(expected, shown[0].rows);
    EXPECT_TRUE(messages().empty());
}

// Stage 2 keeps everyone: [I - P] is singular. The message comes once, the projection goes on,
// and the steady-state row shows "?" rather than the 7s an earlier model left behind. Period 1:
// (10 x 0.5 + 2, 10 x 0.3 + 10 + 2) = (7, 15).
TEST_F(ProjectionsTest, SingularModelHasNoSteadyState) {
    giveModel({{0.5f, 0.3f}, {0.0f, 1.0f}}, {10.0f, 10.0f}, {2.0f, 2.0f}, 1);
    STEADY_STATE.fill(7.0f);
    COMPUTE_PROJECTIONS_T(false);
    EXPECT_EQ(std::vector<std::string>{SINGULAR_MESSAGE}, messages());
    const std::vector<ShownPage> shown = pages();
    ASSERT_EQ(1u, shown.size());
    ASSERT_EQ(3u, shown[0].rows.size());
    EXPECT_EQ("    7.000000", shown[0].rows[1][1]);
    EXPECT_EQ("    15.00000", shown[0].rows[1][3]);
    const std::string q = "          ?";
    EXPECT_EQ((std::vector<std::string>{STEADY_STATE_LABEL, q, q, q, q, q, q, "    4.000000"}), shown[0].rows[2]);
}

// 12 stages fill the table (three column pages) but not a graph: each request is refused
// after the table and cleared; 11 stages are graphed. 26 stages still fit the table.
TEST_F(ProjectionsTest, GraphOfMoreThanElevenStagesRefused) {
    const std::string refused = "msgbox 64 \" The graph is not going to be presented \" \" The graph of more than 11 stages cannot be drawn. \" -> OK";
    giveStayers(12, 0.5f, 10.0f, 1.0f);
    STOCK_GRAPH_REQUESTED = OUTFLOW_GRAPH_REQUESTED = Q_GRAPH_MODE = true;
    COMPUTE_PROJECTIONS_T(false);
    EXPECT_EQ(3u, pages().size());
    EXPECT_EQ((std::vector<std::string>{refused, refused}), messages());
    EXPECT_FALSE(STOCK_GRAPH_REQUESTED);
    EXPECT_FALSE(OUTFLOW_GRAPH_REQUESTED);
    EXPECT_TRUE(Q_GRAPH_MODE);

    size_t from = lines().size();
    COMPUTE_PROJECTIONS_Q(false);
    EXPECT_EQ(2u + 3u, pages(from).size());  // Q in columns 1-11 and 12, then the projection
    EXPECT_EQ(std::vector<std::string>{refused}, messages(from));
    EXPECT_FALSE(Q_GRAPH_MODE);

    from = lines().size();
    giveStayers(11, 0.5f, 10.0f, 1.0f);
    DATAFILE_OPEN = true;
    m_layer.answers().push({AnswerKind::Ok});  // no names picked: the notice, then an empty graph
    STOCK_GRAPH_REQUESTED = true;
    COMPUTE_PROJECTIONS_T(false);
    const std::vector<std::string> eleven = messages(from);
    EXPECT_EQ(0, std::count(eleven.begin(), eleven.end(), refused));
    EXPECT_EQ(1u, linesStartingWith("graph ", from).size());

    from = lines().size();
    giveStayers(26, 0.5f, 10.0f, 1.0f);
    COMPUTE_PROJECTIONS_T(false);
    EXPECT_EQ(5u, pages(from).size());
    EXPECT_TRUE(messages(from).empty());
}

}  // namespace
}  // namespace korvel
