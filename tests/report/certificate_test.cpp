// The accuracy certificate after the commands a user runs: every example is ok throughout, a
// stage almost nobody leaves is flagged by its condition number, and a two-stage model whose
// inverse and control costs are worked by hand.

#include "analysis/analysis_commands.h"
#include "tests/analysis/analysis_fixture.h"
#include "control/control_commands.h"
#include "control/control_state.h"
#include "tests/control/control_oracle.h"
#include "model/read_data.h"
#include "report/certificate/accuracy_certificate.h"
#include "shell/data_file_commands.h"
#include "tests/control/working_directory.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace korvel {
namespace {

class CertificateTest : public AnalysisTest {
protected:
    // Open, read, "Sho&w details", "&Matrix [I-P]" and, with a control problem, the optimal control.
    void run(const std::string& data_text, const std::string& control_text = "") {
        m_directory.write("model.d", data_text);
        m_layer.answers().push(Answer{AnswerKind::File, (std::filesystem::current_path() / "model.d").string()});
        DATA_UNIT = DATA_CHANNEL;
        DATAFF(true);
        READ_DATA(true);
        SHOWDATA(true);
        SHOWI_A(true);
        if (control_text.empty()) return;
        m_directory.write("OPTIMAL_CONTROL.d", control_text);
        OPTIMAL_CONTROL(true);
        ASSERT_TRUE(CONTROL_SOLVED);
    }
    void TearDown() override {
        CLOSEFILECALL(true);
        AnalysisTest::TearDown();
    }
    WorkingDirectory m_directory;
};

std::string example(const std::string& name) {
    std::ostringstream text;
    text << std::ifstream(std::string(KORVEL_EXAMPLES_DIR) + "/" + name).rdbuf();
    return text.str();
}

// The line of that subject whose measure starts so; a missing one fails the test.
CertificateLine line(const std::vector<CertificateLine>& lines, const std::string& subject, const std::string& measure) {
    for (const CertificateLine& each : lines)
        if (each.subject == subject && each.measure.rfind(measure, 0) == 0) return each;
    ADD_FAILURE() << "no line " << subject << ", " << measure;
    return {};
}

struct ExampleRun {
    const char* data;
    const char* control;  // "" where the control file does not fit the model
    int stages;
};

// J of the unrounded optimum and of the rounded trajectory, by the stacked least-squares oracle
// on the problem the model state holds.
std::pair<double, double> oracleCosts() {
    const int n = STAGE_COUNT, m = 2 * n;
    ControlProblem problem{Eigen::MatrixXd(n, n), Eigen::VectorXd(m), {}, {}};
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j) problem.p(i - 1, j - 1) = MATRIX_X(i, j);
        problem.x0(i - 1) = INITIAL_STOCKS(i);
        problem.x0(n + i - 1) = INFLOWS(i);
    }
    for (int t = 1; t <= CONTROL_PERIOD; ++t) {
        problem.path.emplace_back(m);
        problem.weights.emplace_back(m);
        for (int i = 1; i <= m; ++i) {
            problem.path.back()(i - 1) = NOMINAL_PATH(t, i);
            problem.weights.back()(i - 1) = PATH_WEIGHTS(t, i);
        }
    }
    auto cost = [&](int t, const Eigen::VectorXd& x) {
        const Eigen::VectorXd e = x - problem.path[static_cast<size_t>(t - 1)];
        return e.dot(problem.weights[static_cast<size_t>(t - 1)].cwiseProduct(e));
    };
    const Eigen::VectorXd u = stackedControls(problem, 1, problem.x0);
    const RoundedTrajectory rounded = roundedTrajectory(problem);
    double unrounded_cost = 0.0, rounded_cost = 0.0;
    Eigen::VectorXd x = problem.x0;
    for (int t = 1; t <= CONTROL_PERIOD; ++t) {
        x = nextState(problem, x, u.segment(n * (t - 1), n));
        unrounded_cost += cost(t, x);
        rounded_cost += cost(t, rounded.states[static_cast<size_t>(t)]);
    }
    return {rounded_cost, unrounded_cost};
}

// Two lines per root, two for the inverse, and with a control one for all stages and one per
// stage, whose costs are those of the oracle.
TEST_F(CertificateTest, EveryExampleIsOkThroughout) {
    const ExampleRun runs[] = {{"two_stage_flows.d", "OPTIMAL_CONTROL.d", 2},
                               {"two_stage_p.d", "OPTIMAL_CONTROL.d", 2},
                               {"complex_roots.d", "", 3},
                               {"civil_service_grades.d", "OPTIMAL_CONTROL_civil_service_grades.d", 7}};
    for (const ExampleRun& example_run : runs) {
        SCOPED_TRACE(example_run.data);
        const std::string control = *example_run.control ? example(example_run.control) : "";
        run(example(example_run.data), control);
        const std::vector<CertificateLine> lines = ACCURACY_CERTIFICATE();
        const size_t control_lines = control.empty() ? 0 : static_cast<size_t>(example_run.stages) + 1;
        EXPECT_EQ(static_cast<size_t>(2 * example_run.stages) + 2 + control_lines, lines.size());
        for (const CertificateLine& each : lines) {
            EXPECT_EQ("ok", each.verdict) << each.subject << ", " << each.measure << ": " << each.value;
            EXPECT_FALSE(each.threshold.empty());
        }
        // A pair's index is its scaled residual over the solver's factor of 10.
        for (size_t k = 0; k + 1 < lines.size(); ++k) {
            if (lines[k].measure != "scaled residual") continue;
            EXPECT_EQ(lines[k].subject, lines[k + 1].subject);
            const double scaled = std::stod(lines[k].value);
            EXPECT_NEAR(scaled / 10, std::stod(line(lines, lines[k].subject, "performance index").value), 0.01 * scaled)
                << lines[k].subject;
        }
        if (!control.empty()) {
            double rounded = 0.0, unrounded = 0.0;
            ASSERT_EQ(2, std::sscanf(line(lines, "Control, all stages", "cost J").value.c_str(), "%lf / %lf", &rounded,
                                     &unrounded));
            const auto [oracle_rounded, oracle_unrounded] = oracleCosts();
            EXPECT_NEAR(oracle_rounded, rounded, 1e-5 * oracle_rounded);
            EXPECT_NEAR(oracle_unrounded, unrounded, 1e-4 * oracle_unrounded);
        }
        CLOSEFILECALL(true);
    }
}

// P(2, 2) = 1 - 1e-7 is held as 1 - 2^-23, so [I - P] = [[0.2, -0.1], [0, 2^-23]] and
// M = [[5, 0.5·2^23], [0, 2^23]]: κ = 0.2 · 1.5·2^23 = 2.5e+06, and κ·2^-24 = 0.15 leaves no digit.
// A closed system's P = [[0.1, 0.9], [0.9, 0.1]] rounds to rows that sum to 1 only within 2^-24:
// κ = 8.1e+07 passes 2^24, so [I - P] is singular for the certificate as for the program. A
// stage nobody leaves makes it exactly singular. The elimination itself stays sound in all.
TEST_F(CertificateTest, ANearlySingularOrSingularIMinusPIsFlagged) {
    const struct {
        const char* data;
        const char* value;
        const char* verdict;
    } cases[] = {{"2 10\n0.8 0.1\n0 0.9999999\n100 100\n5 5 0\n", "2.5e+06 (about 0 correct digits)",
                  "inaccurate: the condition number is 2.5e+06, not below 1e+04: 0 correct digits at most"},
                 {"2 5\n0.1 0.9\n0.9 0.1\n100 100\n10 0 0\n", "8.1e+07 (no correct digit)",
                  "inaccurate: [I - P] is singular within the rounding of P, its inverse has no correct digit"},
                 {"2 10\n80 10\n0 90\n10 0\n100 100\n5 5 0\n", "infinite (a zero pivot)",
                  "inaccurate: [I - P] is singular, it has no inverse"}};
    for (const auto& flagged : cases) {
        run(flagged.data);
        const std::vector<CertificateLine> lines = ACCURACY_CERTIFICATE();
        const CertificateLine condition = line(lines, "[I - P] inverse", "condition number");
        EXPECT_EQ(flagged.value, condition.value);
        EXPECT_EQ(flagged.verdict, condition.verdict);
        for (const CertificateLine& other : lines)
            if (other.measure.rfind("condition number", 0) != 0) EXPECT_EQ("ok", other.verdict) << other.subject;
        CLOSEFILECALL(true);
    }
}

// P = (0.9), recruits weighted 1 and stocks 0.05, on the path the rule follows with 10.4 recruits
// from a stock of 100: the rounded stock stays at NINT(0.9·100 + 10.4) = 100 while the unrounded
// one climbs towards 104, so rounding drifts by more than half a person, as the oracle confirms.
TEST_F(CertificateTest, RoundingThatDriftsFromTheRuleIsFlagged) {
    std::string control = "12\n", weights;
    double stock = 100.0;
    for (int t = 1; t <= 12; ++t) {
        stock = 0.9 * stock + 10.4;
        control += std::to_string(stock) + " 10.4\n";
        weights += "0.05 1\n";
    }
    run("1 10\n0.9\n100\n10 0\n", control + weights);
    const auto [rounded, unrounded] = oracleCosts();
    ASSERT_GT(std::abs(std::sqrt(rounded) - std::sqrt(unrounded)), 0.5 * std::sqrt(12 * 1.05));
    EXPECT_EQ(0u, line(ACCURACY_CERTIFICATE(), "Control, all stages", "cost J").verdict.rfind("inaccurate: ", 0));
}

// P = [[0.5, 0.25], [0, 0.75]]: [I - P] = [[0.5, -0.25], [0, 0.25]], M = [[2, 2], [0, 4]] exactly,
// κ = max(0.5, 0.5) · max(2, 6) = 3 and 3·2^-24 = 1.8e-7 leaves 6 digits; roots 0.75 and 0.5.
// Weights 1 on the stocks only make the rule hit the path a = (10.25, 20.75) exactly unrounded,
// and the rounded stocks (10, 21) miss it by 0.25 each: J = 2 periods · 0.0625 per stage.
// P is its own Schur form, and back-substitution gives the vectors (1, 1) and (1, 0) scaled
// alike in each part, so P x - λ x is exactly 0 for both roots.
TEST_F(CertificateTest, TwoStagesWorkedByHand) {
    run("2 10\n0.5 0.25\n0 0.75\n100 100\n5 5 0\n", "2\n10.25 20.75 0 0\n10.25 20.75 0 0\n1 1 0 0\n1 1 0 0\n");
    const std::vector<CertificateLine> lines = ACCURACY_CERTIFICATE();
    EXPECT_EQ("3 (about 6 correct digits)", line(lines, "[I - P] inverse", "condition number").value);
    EXPECT_EQ("0", line(lines, "[I - P] inverse", "residual").value);
    for (const char* root : {"Root 1 (0.7500)", "Root 2 (0.5000)"})
        for (const char* measure : {"scaled residual", "performance index"})
            EXPECT_EQ("0", line(lines, root, measure).value) << root << ", " << measure;
    EXPECT_EQ("0.25 / 0", line(lines, "Control, all stages", "cost J").value);
    EXPECT_EQ("0.125 / 0", line(lines, "Control, stage 1", "cost J").value);
    EXPECT_EQ("0.125 / 0", line(lines, "Control, stage 2", "cost J").value);
    for (const CertificateLine& each : lines) EXPECT_EQ("ok", each.verdict) << each.subject << ", " << each.measure;
}

}  // namespace
}  // namespace korvel
