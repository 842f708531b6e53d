// What the desktop gives a program beyond its windows: starting other programs, and drawing
// at a display's resolution.

#include "frontends/qt/childwindow.h"
#include "frontends/qt/framewindow.h"
#include "frontends/qt/programlauncher.h"
#include "tests/frontends/qt/qt_layer_fixture.h"

#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>

#include <cstdlib>

namespace korvel::qt_test {
namespace {

// A desktop with nothing to start: no xdg-open, no editor on the path, none named.
class NothingToStart : public QtLayerTest {
protected:
    NothingToStart() : m_path(qgetenv("PATH")), m_visual(qgetenv("VISUAL")), m_editor(qgetenv("EDITOR")) {
        qputenv("PATH", m_empty.path().toLocal8Bit());
        qunsetenv("VISUAL");
        qunsetenv("EDITOR");
    }
    ~NothingToStart() override {
        qputenv("PATH", m_path);
        if (!m_visual.isEmpty()) qputenv("VISUAL", m_visual);
        if (!m_editor.isEmpty()) qputenv("EDITOR", m_editor);
    }

    QTemporaryDir m_empty;
    QByteArray m_path;
    QByteArray m_visual;
    QByteArray m_editor;
};

TEST_F(NothingToStart, FailedLaunchIsToldWithThePathToTakeByHand) {
    struct Case {
        const char* what;
        std::function<bool()> launch;
        QString path;
        QString caption;
    };
    const Case cases[] = {
        {"help", [] { return OPEN_DOCUMENT("HelpText.htm"); }, QDir::current().absoluteFilePath(QStringLiteral("HelpText.htm")),
         QStringLiteral(" Instructions to users")},
        {"editor", [] { return RUN_TEXT_EDITOR(); }, QDir::currentPath(), QStringLiteral(" Create datafile")},
    };
    for (const Case& c : cases) {
        QString caption;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        whenModalShown([&](QWidget* modal) {
            auto* box = static_cast<QMessageBox*>(modal);
            caption = box->windowTitle();
            text = box->text();
            icon = box->icon();
            box->close();
        });
        EXPECT_FALSE(c.launch()) << c.what;
        EXPECT_EQ(c.caption, caption) << c.what;
        EXPECT_TRUE(text.endsWith(QLatin1Char(' ') + c.path + QLatin1Char(' '))) << c.what << ": " << text.toStdString();
        EXPECT_EQ(QMessageBox::Warning, icon) << c.what;
    }
}

// Installed, the program finds its instructions in the share folder beside its bin folder,
// unless the working directory has its own.
TEST(HelpFile, WorkingDirectoryFirstThenTheShareFolder) {
    QTemporaryDir work;
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(work.path()));
    const QString share = QCoreApplication::applicationDirPath() + QStringLiteral("/../share/korvel");
    ASSERT_TRUE(QDir().mkpath(share));
    const QString installed = QDir(share).canonicalPath() + QStringLiteral("/HelpText.htm");
    for (const QString& file : {installed, work.filePath(QStringLiteral("HelpText.htm"))}) {
        QFile help(file);
        ASSERT_TRUE(help.open(QIODevice::WriteOnly));
        EXPECT_EQ(file, ProgramLauncher::documentPath(QStringLiteral("HelpText.htm")));
    }
    QDir(share).removeRecursively();
    QDir::setCurrent(previous);
}

// The screen's ratio, 1 unless KORVEL_EXPECT_RATIO names another: the test runs once as it is,
// and once on a screen scaled 2x.
TEST_F(QtLayerTest, ChildSurfaceIsDrawnAtTheScreensRatio) {
    OPEN_CHILD_WINDOW(63, "Table of results");
    WINDOW_CONFIG config;
    config.pixel_width = 300;
    config.pixel_height = 200;
    ASSERT_TRUE(SET_WINDOW_CONFIG(config));
    const SurfaceCanvas& canvas = layer.child(63)->canvas();
    const qreal ratio = layer.frame().devicePixelRatioF();
    EXPECT_EQ(QSize(300, 200), canvas.rect().size());
    EXPECT_EQ(qEnvironmentVariable("KORVEL_EXPECT_RATIO", QStringLiteral("1")).toDouble(), ratio);
    EXPECT_EQ(QSize(300, 200) * ratio, canvas.image().size());
}

}  // namespace
}  // namespace korvel::qt_test
