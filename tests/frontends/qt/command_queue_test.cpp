// Menu commands run one at a time on the GUI thread, each to its end.

#include "frontends/qt/framewindow.h"
#include "tests/frontends/qt/qt_layer_fixture.h"

#include <QAction>
#include <QMessageBox>

#include <string>
#include <vector>

namespace korvel::qt_test {
namespace {

std::vector<std::string> g_events;

void recordChecked(bool checked) { g_events.push_back(checked ? "checked" : "unchecked"); }

void commandWithBox(bool) {
    g_events.push_back("box start");
    MESSAGE_BOX("Waiting for OK", "Test", MB_INFORMATION);
    g_events.push_back("box end");
}

void second(bool) { g_events.push_back("second"); }

void queueingCommand(bool) {
    g_events.push_back("queueing start");
    WINDOW_MENU_COMMAND(second);
    // A pause lets the event loop run, where a queued command must not start.
    SLEEP(50);
    g_events.push_back("queueing end");
}

class CommandQueueTest : public QtLayerTest {
protected:
    CommandQueueTest() {
        g_events.clear();
        APPEND_MENU_ITEM(1, MENU_ITEM, "&Test", WIN_NONE);
    }
    QAction* entry(int item) { return layer.menus().entry(1, item); }
};

TEST_F(CommandQueueTest, RoutineReceivesTheCheckStateTheEntryHadWhenChosen) {
    APPEND_MENU_ITEM(1, MENU_ITEM_CHECKED, "&Checked", recordChecked);
    APPEND_MENU_ITEM(1, MENU_ITEM, "&Plain", recordChecked);
    entry(1)->trigger();
    entry(2)->trigger();
    EXPECT_EQ((std::vector<std::string>{"checked", "unchecked"}), g_events);
    // Choosing does not move the marks: the routines do that.
    EXPECT_TRUE(entry(1)->isChecked());
    EXPECT_FALSE(entry(2)->isChecked());
}

TEST_F(CommandQueueTest, PickDuringMessageBoxRunsAfterTheCommandEnds) {
    APPEND_MENU_ITEM(1, MENU_ITEM, "&Box", commandWithBox);
    APPEND_MENU_ITEM(1, MENU_ITEM, "&Second", second);
    // While the box waits, the user picks the second entry, then answers the box.
    whenModalShown([this](QWidget* box) {
        entry(2)->trigger();
        g_events.push_back("closing box");
        box->close();
    });
    entry(1)->trigger();
    EXPECT_EQ((std::vector<std::string>{"box start", "closing box", "box end", "second"}), g_events);
}

TEST_F(CommandQueueTest, CommandQueuedFromACommandRunsAfterIt) {
    APPEND_MENU_ITEM(1, MENU_ITEM, "&Queueing", queueingCommand);
    entry(1)->trigger();
    ASSERT_TRUE(waitUntil([] { return g_events.size() == 3; }));
    EXPECT_EQ((std::vector<std::string>{"queueing start", "queueing end", "second"}), g_events);
}

// The user's exit acts at once: every wait ends, the waiting command runs to its end, and
// what was queued behind it is dropped.
TEST_F(CommandQueueTest, ClosingTheFrameDuringAWaitEndsTheProgram) {
    APPEND_MENU_ITEM(1, MENU_ITEM, "&Box", commandWithBox);
    APPEND_MENU_ITEM(1, MENU_ITEM, "&Second", second);
    whenModalShown([this](QWidget*) {
        entry(2)->trigger();
        EXPECT_TRUE(layer.frame().close());
    });
    entry(1)->trigger();
    EXPECT_EQ((std::vector<std::string>{"box start", "box end"}), g_events);
    EXPECT_FALSE(layer.frame().isVisible());
    // The application's loop, had it run, would end here; starting it once clears the exit.
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    QApplication::exec();
}

TEST_F(CommandQueueTest, MessageBoxShowsItsTextsUpToTheFirstZeroByte) {
    QString shownText;
    QString shownCaption;
    whenModalShown([&](QWidget* box) {
        shownCaption = box->windowTitle();
        shownText = static_cast<QMessageBox*>(box)->text();
        box->close();
    });
    EXPECT_EQ(1, MESSAGE_BOX(std::string(" Pathname ") + '\0' + "rest", std::string(" Caption ") + '\0' + "  ", MB_INFORMATION));
    EXPECT_EQ(QStringLiteral(" Pathname "), shownText);
    EXPECT_EQ(QStringLiteral(" Caption "), shownCaption);
}

}  // namespace
}  // namespace korvel::qt_test
