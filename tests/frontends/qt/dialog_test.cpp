// Dialogs built from the program's templates.

#include "frontends/qt/framewindow.h"
#include "frontends/qt/templatedialog.h"
#include "tests/frontends/qt/qt_layer_fixture.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <functional>
#include <vector>

namespace korvel::qt_test {
namespace {

constexpr int ABOUT_BOX = 113;

std::vector<int> g_clicks;

void endOnOk(DIALOG& dialog, int control, int kind) {
    g_clicks.push_back(control * 10 + kind);
    if (control == 1) DIALOG_EXIT(dialog);
}

QPushButton* okButton(QWidget* dialog) {
    for (QPushButton* button : dialog->findChildren<QPushButton*>())
        if (button->text() == QStringLiteral("OK")) return button;
    return nullptr;
}

class DialogTest : public QtLayerTest {
protected:
    DialogTest() { g_clicks.clear(); }

    // Runs the program's dialog `id`, with `ok` bound to its OK button, and hands it to
    // `answer` once shown; the dialog's result.
    static int runDialog(int id, std::function<void(QWidget*)> answer, DIALOG_CALLBACK ok = nullptr) {
        DIALOG dialog;
        if (!DIALOG_INIT(id, dialog)) {
            ADD_FAILURE() << "no template " << id;
            return -1;
        }
        if (ok != nullptr) DIALOG_SET_CALLBACK(dialog, 1, ok);
        whenModalShown(std::move(answer));
        const int result = DIALOG_MODAL(dialog);
        DIALOG_UNINIT(dialog);
        return result;
    }
};

TEST_F(DialogTest, InitFailsForATemplateTheProgramDoesNotHold) {
    DIALOG dialog;
    EXPECT_FALSE(DIALOG_INIT(999, dialog));
    EXPECT_TRUE(DIALOG_INIT(ABOUT_BOX, dialog));
    DIALOG_UNINIT(dialog);
}

TEST_F(DialogTest, AboutBoxShowsItsTextsAndEndsOnTheDefaultButton) {
    QStringList texts;
    QString title;
    EXPECT_EQ(1, runDialog(ABOUT_BOX, [&](QWidget* shown) {
                  title = shown->windowTitle();
                  for (const QLabel* label : shown->findChildren<QLabel*>()) texts.append(label->text());
                  ASSERT_NE(nullptr, okButton(shown));
                  okButton(shown)->click();
              }));
    EXPECT_EQ(QStringLiteral("About...."), title);
    EXPECT_TRUE(texts.contains(QStringLiteral("Korvel")));
}

TEST_F(DialogTest, BoundOkRoutineIsCalledOnTheClickAndEndsTheDialog) {
    runDialog(ABOUT_BOX, [](QWidget* shown) { okButton(shown)->click(); }, endOnOk);
    EXPECT_EQ((std::vector<int>{1 * 10 + DIALOG_CLICKED}), g_clicks);
}

TEST_F(DialogTest, ControlsAreLaidOutInDialogUnitsOfTheDialogFont) {
    QRect okArea;
    QSize dialogSize;
    runDialog(ABOUT_BOX, [&](QWidget* shown) {
        okArea = okButton(shown)->geometry();
        dialogSize = shown->size();
        shown->close();
    });
    // The OK button: 80, 56, 24 x 14 units of a 186 x 70 dialog.
    EXPECT_NEAR(80.0 / 186, static_cast<double>(okArea.x()) / dialogSize.width(), 0.01);
    EXPECT_NEAR(56.0 / 70, static_cast<double>(okArea.y()) / dialogSize.height(), 0.02);
    EXPECT_NEAR(24.0 / 186, static_cast<double>(okArea.width()) / dialogSize.width(), 0.01);
}

// Every text of the program's three dialogs is drawn whole in the box its template gives it.
TEST_F(DialogTest, EveryStaticTextFitsItsBox) {
    for (const int id : {111, 112, ABOUT_BOX}) {
        std::vector<std::pair<QString, double>> overflows;
        runDialog(id, [&](QWidget* shown) {
            for (const QLabel* label : shown->findChildren<QLabel*>()) {
                const double needed = label->fontMetrics().horizontalAdvance(label->text());
                if (needed > label->contentsRect().width()) overflows.emplace_back(label->text(), needed - label->contentsRect().width());
            }
            shown->close();
        });
        for (const auto& [text, pixels] : overflows) ADD_FAILURE() << "dialog " << id << ": \"" << text.toStdString() << "\" is " << pixels << " pixels too wide";
    }
}

// Typed text goes to the title, keys pick in the list of names.
TEST_F(DialogTest, FocusStartsOnTheFirstFieldThenTheFirstList) {
    const struct {
        int id;
        const char* focused;
    } cases[] = {{111, "QLineEdit"}, {112, "QListWidget"}};
    for (const auto& c : cases) {
        QString focused;
        runDialog(c.id, [&](QWidget* shown) {
            focused = QString::fromUtf8(shown->focusWidget() == nullptr ? "none" : shown->focusWidget()->metaObject()->className());
            shown->close();
        });
        EXPECT_EQ(QString::fromUtf8(c.focused), focused) << "dialog " << c.id;
    }
}

// A list of names, an edit field and OK, as the graph dialogs have them.
const DialogTemplate PICK_NAMES = {
    900,
    " Pick names",
    200,
    120,
    "System",
    10,
    {
        {ControlKind::ListBox, 1005, 5, 5, 80, 100, "", true},
        {ControlKind::EditField, 1006, 100, 5, 90, 12, ""},
        {ControlKind::Button, 1, 100, 90, 40, 14, "O K"},
    },
};

TemplateDialog* g_shownDialog = nullptr;

void recordUse(DIALOG&, int control, int kind) {
    g_clicks.push_back(control * 10 + kind);
    if (control == 1) g_shownDialog->exit();
}

TEST_F(DialogTest, SortedListKeepsTheGivenOrderForAddressingAndReportsEveryUse) {
    TemplateDialog dialog(PICK_NAMES, &layer.frame());
    g_shownDialog = &dialog;
    dialog.setCount(1005, 3);
    dialog.setText(1005, QStringLiteral("    x_2"), 1);
    dialog.setText(1005, QStringLiteral("   Total"), 2);
    dialog.setText(1005, QStringLiteral("    x_1"), 3);
    dialog.setCallback(1005, recordUse);
    dialog.setCallback(1006, recordUse);
    dialog.setCallback(1, recordUse);
    QStringList shown;
    QString picked;
    QString typed;
    whenModalShown([&](QWidget* modal) {
        auto* list = modal->findChild<QListWidget*>();
        for (int i = 0; i < list->count(); ++i) shown.append(list->item(i)->text());
        list->setCurrentRow(1);
        dialog.text(1005, picked);
        modal->findChild<QLineEdit*>()->setText(QStringLiteral("Title"));
        dialog.text(1006, typed);
        modal->findChild<QPushButton*>()->click();
    });
    DIALOG state;
    EXPECT_EQ(1, dialog.runModal(state));
    EXPECT_EQ((QStringList{"    x_1", "    x_2", "   Total"}), shown);
    EXPECT_EQ(QStringLiteral("    x_2"), picked);
    EXPECT_EQ(QStringLiteral("Title"), typed);
    EXPECT_EQ((std::vector<int>{1005 * 10 + DIALOG_CHANGE, 1006 * 10 + DIALOG_CHANGE, 1 * 10 + DIALOG_CLICKED}), g_clicks);
}

FILE_DIALOG_REQUEST datafileRequest() {
    FILE_DIALOG_REQUEST request;
    request.title = "Select and open the datafile";
    request.default_extension = "txt";
    request.filters = {{"Data Files(*.d)", "*.d"}, {"Program sources (.for, .f90)", "*.f90;*.f"}, {"All Files(*.*)", "*.*"}};
    return request;
}

TEST_F(DialogTest, FileDialogOffersTheFiltersInOrderAndAVisibleReadOnlyBox) {
    const QString chosen = QDir::current().absoluteFilePath(QStringLiteral("chosen.d"));
    QString title;
    QStringList filters;
    bool boxVisible = false;
    whenModalShown([&](QWidget* shown) {
        auto* dialog = qobject_cast<QFileDialog*>(shown);
        ASSERT_NE(nullptr, dialog);
        title = dialog->windowTitle();
        filters = dialog->nameFilters();
        QCheckBox* readOnly = dialog->findChild<QCheckBox*>();
        ASSERT_NE(nullptr, readOnly);
        boxVisible = readOnly->isVisible();
        readOnly->setChecked(true);
        // Typed into the name field, as a user would: selectFile() leaves the field alone once it
        // has the focus, which made the answer depend on when the window got it.
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(nullptr, name);
        name->setText(chosen);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    const FILE_DIALOG_RESULT result = OPEN_FILE_DIALOG(datafileRequest());
    EXPECT_EQ(QStringLiteral("Select and open the datafile"), title);
    EXPECT_EQ((QStringList{"Data Files(*.d) (*.d)", "Program sources (.for, .f90) (*.f90 *.f)", "All Files(*.*) (*.*)"}), filters);
    EXPECT_TRUE(boxVisible);
    EXPECT_TRUE(result.chosen);
    EXPECT_EQ(chosen.toStdString(), result.path);
    EXPECT_TRUE(result.read_only);
}

TEST_F(DialogTest, CancelledFileDialogChoosesNothing) {
    whenModalShown([](QWidget* shown) { static_cast<QDialog*>(shown)->reject(); });
    const FILE_DIALOG_RESULT result = OPEN_FILE_DIALOG(datafileRequest());
    EXPECT_FALSE(result.chosen);
}

}  // namespace
}  // namespace korvel::qt_test
