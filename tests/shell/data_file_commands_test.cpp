// The data file commands' effect on the model state and on the data channel, which the
// transcript alone does not show.

#include "model/model_state.h"
#include "present/window/file_units.h"
#include "frontends/headless/script/scripted_window_layer.h"
#include "shell/data_file_commands.h"
#include "tests/control/working_directory.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdio>
#include <string>

namespace korvel {
namespace {

class DataFileCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        INSTALL_SCRIPTED_LAYER(&m_layer);
        DATA_UNIT = DATA_CHANNEL;
        m_directory.write("model.d", "2 10\n");
    }
    void TearDown() override {
        CLOSE_UNIT(DATA_UNIT);
        RESET_MODEL_FLAGS();
        INSTALL_SCRIPTED_LAYER(nullptr);
    }
    void answerFile(const std::string& path) { m_layer.answers().push({AnswerKind::File, path}); }

    ScriptedWindowLayer m_layer;
    WorkingDirectory m_directory;
    const std::string m_path = (m_directory.path() / "model.d").string();
};

// "&Close datafile" returns the flags to their start values and closes the data channel.
TEST_F(DataFileCommandsTest, CloseResetsFlagsAndClosesTheFile) {
    answerFile(m_path);
    DATAFF(true);
    ASSERT_TRUE(DATAFILE_OPEN);
    ASSERT_TRUE(UNIT_IS_OPEN(DATA_UNIT));
    DATA_READ = true;
    X_HOLDS_P = false;
    P_FROM_FILE = false;
    Q_GRAPH_MODE = true;
    CONTROL_SOLVED = true;

    CLOSEFILECALL(true);

    EXPECT_FALSE(DATAFILE_OPEN);
    EXPECT_FALSE(DATA_READ);
    EXPECT_TRUE(X_HOLDS_P);
    EXPECT_TRUE(P_FROM_FILE);
    EXPECT_FALSE(Q_GRAPH_MODE);
    EXPECT_FALSE(CONTROL_SOLVED);
    EXPECT_FALSE(UNIT_IS_OPEN(DATA_UNIT));
}

// The chosen file is read from its beginning and never written: it opens even when the user
// may only read it, and its content is untouched.
TEST_F(DataFileCommandsTest, OpensTheFileReadOnlyAtItsBeginning) {
    ::chmod(m_path.c_str(), 0444);
    answerFile(m_path);
    DATAFF(true);
    ASSERT_TRUE(DATAFILE_OPEN);
    std::FILE* file = UNIT_FILE(DATA_UNIT);
    ASSERT_NE(nullptr, file);
    EXPECT_EQ(0L, std::ftell(file));
    EXPECT_EQ(EOF, std::fputc('x', file));
    char line[16] = {};
    std::fseek(file, 0, SEEK_SET);
    ASSERT_NE(nullptr, std::fgets(line, sizeof line, file));
    EXPECT_STREQ("2 10\n", line);
}

// A cancelled dialog leaves no file open, whatever an earlier open achieved.
TEST_F(DataFileCommandsTest, CancelAfterSuccessLeavesNoFileOpen) {
    answerFile(m_path);
    DATAFF(true);
    ASSERT_TRUE(DATAFILE_OPEN);
    m_layer.answers().push({AnswerKind::FileCancel});
    DATAFF(false);
    EXPECT_FALSE(DATAFILE_OPEN);
}

}  // namespace
}  // namespace korvel
