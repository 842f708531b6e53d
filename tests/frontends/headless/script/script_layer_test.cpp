// The scripted window layer: what it records and how it answers the waits, where the scenarios
// do not show it. Picks, edits and OK through a dialog's callbacks, the file dialog's answers and
// Enter for a line read are played by every scenario that opens a file, draws a graph or
// compares trajectories.

#include "frontends/headless/script/script_failure.h"
#include "frontends/headless/script/scripted_window_layer.h"
#include "present/window/window_layer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace korvel {
namespace {

// A dialog with a list, two edit fields and the OK button.
const DialogTemplate TEST_DIALOG = {
    900,
    "Test dialog",
    200,
    150,
    "System",
    10,
    {
        {ControlKind::DefaultButton, 1, 80, 120, 24, 14, "OK"},
        {ControlKind::ListBox, 1005, 10, 10, 60, 90, "", true},
        {ControlKind::EditField, 1006, 80, 10, 100, 12, ""},
        {ControlKind::EditField, 1007, 80, 30, 100, 12, ""},
    },
};

const DialogTemplate* findTestTemplate(int id) { return id == TEST_DIALOG.id ? &TEST_DIALOG : nullptr; }

// OK ends the dialog; the other controls' uses are the graph scenarios'.
void endOnOk(DIALOG& dialog, int control, int) {
    if (control == 1) DIALOG_EXIT(dialog);
}

Answer answerOf(AnswerKind kind, const std::string& text = "", int id = 0, int line = 1) {
    Answer answer;
    answer.kind = kind;
    answer.text = text;
    answer.id = id;
    answer.line = line;
    answer.source = "answer";
    return answer;
}

class ScriptedLayerTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_layer.useTemplates(findTestTemplate);
        INSTALL_SCRIPTED_LAYER(&m_layer);
    }
    void TearDown() override { INSTALL_SCRIPTED_LAYER(nullptr); }

    std::string lastLine() const { return m_layer.transcript().lines().back(); }

    // Dialog 900 with list entries padded to 20 characters.
    DIALOG openTestDialog() {
        DIALOG dialog;
        EXPECT_TRUE(DIALOG_INIT(900, dialog));
        DIALOG_SET_COUNT(dialog, 1005, 3);
        DIALOG_SET_TEXT(dialog, 1005, "    x_1             ", 1);
        DIALOG_SET_TEXT(dialog, 1005, "    x_2             ", 2);
        DIALOG_SET_TEXT(dialog, 1005, "   Total            ", 3);
        for (int control : {1005, 1006, 1007, 1}) DIALOG_SET_CALLBACK(dialog, control, endOnOk);
        return dialog;
    }

    ScriptedWindowLayer m_layer;
};

// A dialog left without its answer, or given one of another kind, is the scenarios'
// unanswered_dialog and wrong_answer_kind; here the answers that do not fit the dialog.
TEST_F(ScriptedLayerTest, DialogWaitsAreErrorsNamingTheWait) {
    struct Case {
        const char* name;
        std::vector<Answer> answers;
        std::string message;
    };
    const Case cases[] = {
        {"pick, then nothing",
         {answerOf(AnswerKind::Pick, "x_1")},
         "dialog 900 \"Test dialog\" waits for an answer, but none is queued"},
        {"unknown entry",
         {answerOf(AnswerKind::Pick, "x_9", 0, 3)},
         "dialog 900 \"Test dialog\" has no list entry \"x_9\" for line 3 \"answer\""},
        {"not an edit field",
         {answerOf(AnswerKind::Edit, "title", 1005, 4)},
         "dialog 900 \"Test dialog\" has no edit field 1005 for line 4 \"answer\""},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        ScriptedWindowLayer layer;
        layer.useTemplates(findTestTemplate);
        INSTALL_SCRIPTED_LAYER(&layer);
        for (const Answer& answer : test.answers) layer.answers().push(answer);
        DIALOG dialog = openTestDialog();
        try {
            DIALOG_MODAL(dialog);
            ADD_FAILURE() << "the dialog did not fail";
        } catch (const ScriptFailure& failure) {
            EXPECT_EQ(test.message, failure.what());
        }
    }
}

TEST_F(ScriptedLayerTest, MissingTemplateAnswerFailsOnlyItsOwnInit) {
    m_layer.answers().push(answerOf(AnswerKind::MissingTemplate, "", 112));
    DIALOG dialog;
    EXPECT_TRUE(DIALOG_INIT(900, dialog));  // not the template the answer names: it stays queued
    EXPECT_EQ(1u, m_layer.answers().leftovers().size());
    DIALOG other;
    m_layer.useTemplates([](int id) -> const DialogTemplate* { return id == 112 ? &TEST_DIALOG : nullptr; });
    EXPECT_FALSE(DIALOG_INIT(112, other));
    EXPECT_EQ("dialog 112 init -> missing template (answer)", lastLine());
    EXPECT_TRUE(m_layer.answers().leftovers().empty());
    EXPECT_FALSE(DIALOG_INIT(111, other));
    EXPECT_EQ("dialog 111 init -> missing template", lastLine());
}

TEST_F(ScriptedLayerTest, IdlingOnTheCommandThreadFails) { EXPECT_THROW(m_layer.idleForever(), ScriptFailure); }

TEST_F(ScriptedLayerTest, PaletteIndicesAreClippedAndThePreviousReturned) {
    OPEN_CHILD_WINDOW(10, "w");
    struct Step {
        int index;
        int previous;
        std::string drawn_as;
    };
    const Step steps[] = {{3, 15, "3"}, {20, 3, "15"}, {-4, 15, "0"}, {15, 0, "15"}};
    for (const Step& step : steps) {
        SCOPED_TRACE(step.index);
        EXPECT_EQ(step.previous, SET_COLOR(step.index));
        DRAW_TEXT("x");
        EXPECT_EQ("text 10 0 0 \"\" " + step.drawn_as + " \"x\"", lastLine());
    }
    EXPECT_EQ(PALETTE[15], SET_COLOR_RGB(RGB(1, 2, 255)));
    DRAW_TEXT("x");
    EXPECT_EQ("text 10 0 0 \"\" #0102ff \"x\"", lastLine());
    EXPECT_EQ(0, SET_COLOR(9));  // a direct colour outside the palette counts as 0
}

TEST_F(ScriptedLayerTest, DrawnTextEndsAtZeroAndLosesOnlyItsPadding) {
    OPEN_CHILD_WINDOW(10, " Basic indications");
    SET_FONT("t'Arial Greek'h21w9i");
    MOVE_TO(7, 65);
    struct Case {
        std::string text;
        std::string shown;
    };
    const Case cases[] = {
        {std::string("/work/a.d\0   padding", 21), "/work/a.d"},
        {"Row_ 1" + std::string(14, ' '), "Row_ 1"},
        {" No file has been selected ! ", " No file has been selected ! "},
        {" Δεν μπορεί να εντοπιστεί το αρχείο που επέλεξες.  ", " Δεν μπορεί να εντοπιστεί το αρχείο που επέλεξες.  "},
        {" Μορφή πρόσβασης      ", " Μορφή πρόσβασης"},
        {"&Matrix [\u0399-P]", "&Matrix [Ι-P]"},
    };
    for (const Case& test : cases) {
        DRAW_TEXT(test.text);
        EXPECT_EQ("text 10 7 65 \"t'Arial Greek'h21w9i\" 15 \"" + test.shown + '"', lastLine());
    }
    MESSAGE_BOX(std::string(" Press \u039F\u039A to exit\0junk", 22), " Program is terminated", 0);
    EXPECT_EQ("msgbox 0 \" Program is terminated\" \" Press ΟΚ to exit\" -> OK", lastLine());
}

TEST_F(ScriptedLayerTest, MissingFaceKeepsThePreviousFont) {
    OPEN_CHILD_WINDOW(10, "w");
    EXPECT_GE(SET_FONT("t'Arial'h20w10b"), 0);
    EXPECT_EQ(-1, SET_FONT("t'Wingdings'h20"));
    EXPECT_EQ("font \"t'Wingdings'h20\" -> -1, keeps \"t'Arial'h20w10b\"", lastLine());
    DRAW_TEXT("a");
    EXPECT_EQ("text 10 0 0 \"t'Arial'h20w10b\" 15 \"a\"", lastLine());
}

TEST_F(ScriptedLayerTest, TextWidthsAreFixedByTheFont) {
    OPEN_CHILD_WINDOW(10, "w");
    EXPECT_EQ(5 * 8, TEXT_WIDTH("abcde"));  // no font: the default cell
    SET_FONT("t'Arial'h19w8i");
    EXPECT_EQ(3 * 8, TEXT_WIDTH("Δεν"));  // characters, not bytes
    SET_FONT("t'Arial'h20b");
    EXPECT_EQ(33, TEXT_WIDTH("abc"));  // 3 x 0.55 x 20
    EXPECT_EQ(22, TEXT_WIDTH(std::string("ab\0cd", 5)));
}

TEST_F(ScriptedLayerTest, WindowConfigIsResolvedAndAdjustedRequestsAreReported) {
    OPEN_CHILD_WINDOW(15, "Plain diagram");
    WINDOW_CONFIG config;
    config.text_columns = 150;
    config.text_rows = 18;
    EXPECT_TRUE(SET_WINDOW_CONFIG(config));
    EXPECT_EQ("config 15 -1 -1 150 18 -> 1200 288 150 18 ok", lastLine());
    WINDOW_CONFIG wide;
    wide.pixel_width = 30000;
    wide.text_columns = 9000;
    EXPECT_FALSE(SET_WINDOW_CONFIG(wide));
    EXPECT_TRUE(SET_WINDOW_CONFIG(wide));  // the adjusted record is accepted
    WINDOW_CONFIG read;
    EXPECT_TRUE(GET_WINDOW_CONFIG(read));
    EXPECT_EQ(wide.pixel_width, read.pixel_width);
    CLOSE_CHANNEL(15);
    EXPECT_FALSE(GET_WINDOW_CONFIG(read));
}

TEST_F(ScriptedLayerTest, ReopeningAWindowStartsItsDrawingStateAfresh) {
    OPEN_CHILD_WINDOW(63, "Table of results");
    SET_FONT("t'Arial'h15b");
    SET_COLOR(4);
    MOVE_TO(100, 200);
    OPEN_CHILD_WINDOW(63, "Table of results");
    DRAW_TEXT("page");
    EXPECT_EQ("text 63 0 0 \"\" 15 \"page\"", lastLine());
}

TEST_F(ScriptedLayerTest, FocusedChannelIsTheLastOpenedWindowStillOpen) {
    EXPECT_EQ(-1, FOCUSED_CHANNEL());
    OPEN_CHILD_WINDOW(10, "a");
    OPEN_CHILD_WINDOW(15, "b");
    FOCUS_CHANNEL(10);  // makes 10 the output window without giving it the focus
    EXPECT_EQ(15, FOCUSED_CHANNEL());
    CLOSE_CHANNEL(15);
    EXPECT_EQ(10, FOCUSED_CHANNEL());
}

}  // namespace
}  // namespace korvel
