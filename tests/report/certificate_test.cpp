// The accuracy certificate after the commands a user runs: every example is ok throughout, a
// stage almost nobody leaves is flagged by its condition number, and a two-stage model whose
// inverse and control costs are worked by hand.

#include "analysis/analysis_commands.h"
#include "analysis_fixture.h"
#include "control/control_commands.h"
#include "control/control_state.h"
#include "model/read_data.h"
#include "report/certificate/accuracy_certificate.h"
#include "shell/data_file_commands.h"
#include "working_directory.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace korvel {
namespace {

class CertificateTest : public AnalysisTest {
protected:
    // Open, read, "Sho&w details", "&Matrix [I-P]" and, with a control file, the optimal control.
    void run(const std::string& data_path, const std::string& control_text = "") {
        Answer answer;
        answer.kind = AnswerKind::File;
        answer.text = data_path;
        m_layer.answers().push(answer);
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
    void runText(const std::string& data_text, const std::string& control_text = "") {
        m_directory.write("model.d", data_text);
        run((std::filesystem::current_path() / "model.d").string(), control_text);
    }
    void TearDown() override {
        CLOSEFILECALL(true);
        AnalysisTest::TearDown();
    }
    WorkingDirectory m_directory;
};

std::string example(const std::string& name) { return std::string(KORVEL_EXAMPLES_DIR) + "/" + name; }

std::string contents(const std::string& path) {
    std::ostringstream text;
    text << std::ifstream(path).rdbuf();
    return text.str();
}

const CertificateLine* find(const std::vector<CertificateLine>& lines, const std::string& subject,
                            const std::string& measure) {
    for (const CertificateLine& line : lines)
        if (line.subject == subject && line.measure.rfind(measure, 0) == 0) return &line;
    return nullptr;
}

struct ExampleRun {
    const char* data;
    const char* control;  // "" where the control file does not fit the model
    int stages;
};

// Two lines per root, two for the inverse, and with a control one for all stages and one per stage.
TEST_F(CertificateTest, EveryExampleIsOkThroughout) {
    const ExampleRun runs[] = {{"two_stage_flows.d", "OPTIMAL_CONTROL.d", 2},
                               {"two_stage_p.d", "OPTIMAL_CONTROL.d", 2},
                               {"complex_roots.d", "", 3},
                               {"civil_service_grades.d", "OPTIMAL_CONTROL_civil_service_grades.d", 7}};
    for (const ExampleRun& example_run : runs) {
        SCOPED_TRACE(example_run.data);
        const std::string control = *example_run.control ? contents(example(example_run.control)) : "";
        run(example(example_run.data), control);
        const std::vector<CertificateLine> lines = ACCURACY_CERTIFICATE();
        const size_t control_lines = control.empty() ? 0 : static_cast<size_t>(example_run.stages) + 1;
        EXPECT_EQ(static_cast<size_t>(2 * example_run.stages) + 2 + control_lines, lines.size());
        for (const CertificateLine& line : lines) {
            EXPECT_EQ("ok", line.verdict) << line.subject << ", " << line.measure << ": " << line.value;
            EXPECT_FALSE(line.threshold.empty());
        }
        CLOSEFILECALL(true);
    }
}

// P(2, 2) = 1 - 1e-7 is held as 1 - 2^-23, so [I - P] = [[0.2, -0.1], [0, 2^-23]] and
// M = [[5, 0.5·2^23], [0, 2^23]]: κ = 0.2 · 1.5·2^23 = 2.5e+06, and κ·2^-24 = 0.15 leaves no digit.
TEST_F(CertificateTest, AStageAlmostNobodyLeavesIsFlaggedByItsConditionNumber) {
    runText("2 10\n0.8 0.1\n0 0.9999999\n100 100\n5 5 0\n");
    const std::vector<CertificateLine> lines = ACCURACY_CERTIFICATE();
    const CertificateLine* condition = find(lines, "[I - P] inverse", "condition number");
    ASSERT_NE(nullptr, condition);
    EXPECT_EQ("2.5e+06 (about 0 correct digits)", condition->value);
    EXPECT_EQ(0u, condition->verdict.rfind("inaccurate: ", 0));
    EXPECT_NE(std::string::npos, condition->verdict.find("2.5e+06"));
    // The elimination itself was sound: its residual is ok.
    EXPECT_EQ("ok", find(lines, "[I - P] inverse", "residual")->verdict);
}

// A singular [I - P] has no inverse to certify.
TEST_F(CertificateTest, ASingularIMinusPIsFlagged) {
    runText("2 10\n80 10\n0 90\n10 0\n100 100\n5 5 0\n");
    const std::vector<CertificateLine> lines = ACCURACY_CERTIFICATE();
    const CertificateLine* condition = find(lines, "[I - P] inverse", "condition number");
    ASSERT_NE(nullptr, condition);
    EXPECT_EQ("inaccurate: [I - P] is singular, it has no inverse", condition->verdict);
}

// P = [[0.5, 0.25], [0, 0.75]]: [I - P] = [[0.5, -0.25], [0, 0.25]], M = [[2, 2], [0, 4]] exactly,
// κ = max(0.5, 0.5) · max(2, 6) = 3 and 3·2^-24 = 1.8e-7 leaves 6 digits; roots 0.75 and 0.5.
// Weights 1 on the stocks only make the rule hit the path a = (10.25, 20.75) exactly unrounded,
// and the rounded stocks (10, 21) miss it by 0.25 each: J = 2 periods · 0.0625 per stage.
TEST_F(CertificateTest, TwoStagesWorkedByHand) {
    runText("2 10\n0.5 0.25\n0 0.75\n100 100\n5 5 0\n", "2\n10.25 20.75 0 0\n10.25 20.75 0 0\n1 1 0 0\n1 1 0 0\n");
    const std::vector<CertificateLine> lines = ACCURACY_CERTIFICATE();
    const CertificateLine* condition = find(lines, "[I - P] inverse", "condition number");
    ASSERT_NE(nullptr, condition);
    EXPECT_EQ("3 (about 6 correct digits)", condition->value);
    EXPECT_EQ("0", find(lines, "[I - P] inverse", "residual")->value);
    EXPECT_NE(nullptr, find(lines, "Root 1 (0.7500)", "scaled residual"));
    EXPECT_NE(nullptr, find(lines, "Root 2 (0.5000)", "performance index"));
    const std::pair<const char*, const char*> costs[] = {
        {"Control, all stages", "0.25 / 0"}, {"Control, stage 1", "0.125 / 0"}, {"Control, stage 2", "0.125 / 0"}};
    for (const auto& [subject, value] : costs) {
        const CertificateLine* cost = find(lines, subject, "cost J");
        ASSERT_NE(nullptr, cost) << subject;
        EXPECT_EQ(value, cost->value) << subject;
        EXPECT_EQ("ok", cost->verdict) << subject;
    }
    for (const CertificateLine& line : lines) EXPECT_EQ("ok", line.verdict) << line.subject << ", " << line.measure;
}

}  // namespace
}  // namespace korvel
