// The initial-data, P, roots, [I - P] and inverse pages of the seven grades and of the complex
// roots (the widest pages of either layout) as a person sees them:
// no text over another, every column inside the window at its default size, and Copy giving
// the same headings and rows as the transcript of the same pages.

#include "analysis/analysis_commands.h"
#include "control/control_commands.h"
#include "model/model_state.h"
#include "model/read_data.h"
#include "present/tables/table_page.h"
#include "present/window/file_units.h"
#include "frontends/qt/childwindow.h"
#include "frontends/qt/framewindow.h"
#include "resources/menu_texts.h"
#include "shell/menu_bar.h"
#include "tests/frontends/qt/qt_layer_fixture.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QMenuBar>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace korvel::qt_test {
namespace {

const std::string EXAMPLES = KORVEL_EXAMPLES_DIR;

// The headings and rows of each page of the transcript, as tab-separated lines of texts
// without their blanks.
std::vector<QString> transcriptPages(const std::string& example) {
    const QString folder = QDir::temp().filePath(QStringLiteral("korvel-pages-XXXXXX"));
    std::string pattern = folder.toStdString();
    if (::mkdtemp(pattern.data()) == nullptr) return {};
    const std::string scenario = pattern + "/pages.scn";
    std::FILE* file = std::fopen(scenario.c_str(), "w");
    std::fprintf(file,
                 "copy %s/%s data.d\nstart\nenter\nanswer file data.d\nmenu O&pen datafile\nmenu Rea&d data\n"
                 "menu Sho&w details\nmenu %s\n",
                 EXAMPLES.c_str(), example.c_str(), menu_text::MATRIX_I_MINUS_P);
    std::fclose(file);
    std::vector<QString> pages;
    std::FILE* output = ::popen((std::string(KORVEL_REPLAY) + " " + scenario).c_str(), "r");
    char line[8192];
    while (output != nullptr && std::fgets(line, sizeof line, output) != nullptr) {
        const QString text = QString::fromUtf8(line).chopped(1);
        const bool headings = text.startsWith(QLatin1String("headings "));
        if (!headings && !text.startsWith(QLatin1String("row "))) continue;
        QStringList cells;
        const QStringList parts = text.split(QLatin1Char('"'));
        for (qsizetype i = 1; i < parts.size(); i += 2) cells << parts[i].trimmed();
        if (headings)
            pages.push_back(cells.join(QLatin1Char('\t')));
        else
            pages.back() += QLatin1Char('\n') + cells.join(QLatin1Char('\t'));
    }
    if (output != nullptr) ::pclose(output);
    QDir(QString::fromStdString(pattern)).removeRecursively();
    return pages;
}

class ExamplePagesTest : public QtLayerTest, public ::testing::WithParamInterface<const char*> {
protected:
    ExamplePagesTest() {
        INITIALSETTINGS();
        RESET_MODEL_FLAGS();
        WAITING_FOR_ENTER = false;
    }

    void copyPage() {
        for (QAction* action : layer.frame().menuBar()->findChildren<QAction*>())
            if (action->text() == QString::fromUtf8(menu_text::COPY)) action->trigger();
    }
};

TEST_P(ExamplePagesTest, PagesShowWholeWithoutOverlapAndCopyAsTheTranscript) {
    std::vector<QString> copied;
    const auto look = [&](ChildWindow& page) {
        const std::vector<PlacedText>& texts = page.canvas().texts();
        for (size_t a = 0; a < texts.size(); ++a)
            for (size_t b = a + 1; b < texts.size(); ++b)
                EXPECT_FALSE(texts[a].box.intersects(texts[b].box))
                    << "page " << copied.size() + 1 << ": \"" << texts[a].text.toStdString() << "\" and \""
                    << texts[b].text.toStdString() << '"';
        const QRect seen = page.surface().visibleRegion().boundingRect();
        EXPECT_GE(seen.right(), page.canvas().drawnExtent().right()) << "page " << copied.size() + 1;
        copyPage();
        copied.push_back(QGuiApplication::clipboard()->text());
        click(page);
    };
    ASSERT_TRUE(OPEN_UNIT(DATA_UNIT, EXAMPLES + "/" + GetParam(), UnitAccess::ReadOnly));
    DATAFILE_OPEN = true;
    READ_DATA(false);
    whileWaitingForClicks(TABLE_CHANNEL, look, [] {
        SHOWDATA(false);
        SHOWI_A(false);
    });

    const std::vector<QString> transcript = transcriptPages(GetParam());
    ASSERT_GE(transcript.size(), 4u);
    ASSERT_EQ(transcript.size(), copied.size());
    for (size_t k = 0; k < copied.size(); ++k) EXPECT_EQ(transcript[k], copied[k]) << "page " << k + 1;
}

INSTANTIATE_TEST_SUITE_P(Examples, ExamplePagesTest,
                         ::testing::Values("civil_service_grades.d", "complex_roots.d"),
                         [](const auto& info) { return std::string(info.param).substr(0, std::string(info.param).find('.')); });

}  // namespace
}  // namespace korvel::qt_test
