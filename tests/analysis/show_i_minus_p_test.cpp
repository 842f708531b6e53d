// "&Matrix [Ι-P]": the tables of [I - P] and of its inverse, each cell against Eigen in double
// rounded to single.

#include "analysis_fixture.h"
#include "control/control_commands.h"

#include <Eigen/Dense>

namespace korvel {
namespace {

constexpr int I_MINUS_P_KIND = 18;
constexpr int INVERSE_KIND = 19;

class ShowIMinusPTest : public AnalysisTest {
protected:
    void giveP(const Eigen::MatrixXf& p) {
        DATA_READ = true;
        X_HOLDS_P = true;
        STAGE_COUNT = static_cast<int32_t>(p.rows());
        for (int i = 0; i < p.rows(); ++i)
            for (int j = 0; j < p.cols(); ++j) MATRIX_X(i + 1, j + 1) = p(i, j);
    }
    // The page of `kind` shows `matrix` (in double) rounded to single, rows numbered from 1 and
    // columns headed "  Column" with their numbers.
    static void expectPage(const ShownPage& page, int kind, const Eigen::MatrixXd& matrix) {
        const int n = static_cast<int>(matrix.rows());
        EXPECT_EQ(kind, page.kind);
        std::vector<std::string> headings = {"Row / Column"};
        for (int j = 1; j <= n; ++j) headings.push_back(TRIM_RIGHT(columnHeading(j)));
        EXPECT_EQ(headings, page.headings) << "kind " << kind;
        ASSERT_EQ(static_cast<size_t>(n), page.rows.size()) << "kind " << kind;
        for (int i = 1; i <= n; ++i) {
            std::vector<std::string> row = {rowNumberText(i)};
            for (int j = 1; j <= n; ++j) row.push_back(cellText(static_cast<float>(matrix(i - 1, j - 1)), kind));
            EXPECT_EQ(row, page.rows[static_cast<size_t>(i - 1)]) << "kind " << kind << " row " << i;
        }
    }
    static std::string columnHeading(int j) { return "  Column" + RIGHT_ALIGNED(j, 2); }
};

const std::string SINGULAR_MESSAGE = "msgbox 48 \" Singular matrix \" \" The matrix (\u0399 - P') is singular \" -> OK";

TEST_F(ShowIMinusPTest, RefusedBeforeTheDataAreRead) {
    SHOWI_A(true);
    EXPECT_EQ(std::vector<std::string>{"msgbox 48 \" Data have not been read\" \" Firest you have to read in your data. \" -> OK"},
              lines());
}

TEST_F(ShowIMinusPTest, RefusedBeforePIsFormed) {
    DATA_READ = true;
    X_HOLDS_P = false;
    STAGE_COUNT = 2;
    SHOWI_A(true);
    EXPECT_EQ(std::vector<std::string>{"msgbox 64 \" Activate the command to show the input data \" \" The computation of "
                                       "matrix P is preceded. \" -> OK"},
              lines());
}

// Three stages: [I - P] and its inverse, each with three numbered rows.
TEST_F(ShowIMinusPTest, ThreeStagesShowBothTables) {
    Eigen::MatrixXf p(3, 3);
    p << 0.6f, 0.25f, 0.05f,
         0.1f, 0.7f, 0.15f,
         0.0f, 0.3f, 0.65f;
    giveP(p);
    SHOWI_A(true);

    const Eigen::MatrixXd i_minus_p = Eigen::MatrixXd::Identity(3, 3) - p.cast<double>();
    const std::vector<ShownPage> shown = pages();
    ASSERT_EQ(2u, shown.size());
    expectPage(shown[0], I_MINUS_P_KIND, i_minus_p);
    expectPage(shown[1], INVERSE_KIND, i_minus_p.inverse());
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(i, ROW_NUMBERS(i));
    EXPECT_TRUE(linesStartingWith("msgbox").empty());
    EXPECT_EQ((std::vector<std::string>{"file created XINVF", "file deleted XINVF"}), linesStartingWith("file "));
}

// One stage: [0.2] and its inverse [5].
TEST_F(ShowIMinusPTest, OneStage) {
    giveP(Eigen::MatrixXf::Constant(1, 1, 0.8f));
    SHOWI_A(true);
    const std::vector<ShownPage> shown = pages();
    ASSERT_EQ(2u, shown.size());
    EXPECT_EQ((std::vector<std::string>{rowNumberText(1), cellText(0.2f, I_MINUS_P_KIND)}), shown[0].rows.at(0));
    EXPECT_EQ((std::vector<std::string>{rowNumberText(1), cellText(5.0f, INVERSE_KIND)}), shown[1].rows.at(0));
}

// A stage nobody leaves: the singular message and [I - P] alone; a following run on an
// invertible model shows both tables again.
TEST_F(ShowIMinusPTest, SingularThenInvertible) {
    Eigen::MatrixXf p(2, 2);
    p << 0.5f, 0.3f,
         0.0f, 1.0f;
    giveP(p);
    SHOWI_A(true);
    std::vector<ShownPage> shown = pages();
    ASSERT_EQ(1u, shown.size());
    expectPage(shown[0], I_MINUS_P_KIND, Eigen::MatrixXd::Identity(2, 2) - p.cast<double>());
    EXPECT_EQ(std::vector<std::string>{SINGULAR_MESSAGE}, linesStartingWith("msgbox"));

    p(1, 1) = 0.6f;
    giveP(p);
    SHOWI_A(true);
    shown = pages();
    ASSERT_EQ(3u, shown.size());
    const Eigen::MatrixXd i_minus_p = Eigen::MatrixXd::Identity(2, 2) - p.cast<double>();
    expectPage(shown[1], I_MINUS_P_KIND, i_minus_p);
    expectPage(shown[2], INVERSE_KIND, i_minus_p.inverse());
    EXPECT_EQ(1u, linesStartingWith("msgbox").size());
}

}  // namespace
}  // namespace korvel
