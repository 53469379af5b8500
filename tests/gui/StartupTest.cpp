// Start-up and exit of the editor: settings defaults, the main window's placement, reopening
// the last session's Libraries, the command line and the exit sequence.
#include "AppFixture.h"
#include "app/CVantorApp.h"
#include "ui/frame/CMainFrame.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

namespace vantor::test {
namespace {

using StartupTest = AppFixture;

QRect WorkArea() {
    return QGuiApplication::primaryScreen()->availableGeometry();
}

TEST_F(StartupTest, FirstStartUsesEveryDefaultAndExitWritesEveryKey) {
    ASSERT_TRUE(Start({}, false));
    const AppSettings& s = App().Settings();
    EXPECT_EQ(s.author, QString());
    EXPECT_TRUE(s.childMax);
    EXPECT_TRUE(s.confirmAll);
    EXPECT_TRUE(s.reload);
    EXPECT_TRUE(s.firstPreview);
    EXPECT_TRUE(s.paneHeader);
    EXPECT_EQ(s.mcCol, 150);
    EXPECT_EQ(s.ColumnWidth(0), 150);
    EXPECT_EQ(s.ColumnWidth(1), 150);
    EXPECT_EQ(s.splitLoc, 200);
    const QString programFolder = QCoreApplication::applicationDirPath();
    EXPECT_EQ(s.converterPath, programFolder + QStringLiteral("/lumenote"));
    EXPECT_EQ(s.exampleFolder, programFolder);
    // The default place: inside the work area, not the saved (-1, -1, 0 x 0) rectangle.
    EXPECT_TRUE(WorkArea().contains(Frame()->frameGeometry()));
    EXPECT_FALSE(Frame()->isMaximized());

    const QRect outer = Frame()->frameGeometry();
    ASSERT_TRUE(CloseFrame());
    QStringList expected = {"options/author",    "options/firstpreview", "metrics/ChildMax",
                            "metrics/FrameX",    "metrics/FrameY",       "metrics/FrameCX",
                            "metrics/FrameCY",   "metrics/FrameMax",     "metrics/ConfirmAll",
                            "metrics/Reload",    "metrics/MCCol",        "metrics/SLCol0",
                            "metrics/SLCol1",    "metrics/SplitLoc",     "metrics/paneheader",
                            "metrics/barstates", "OpenFiles/count"};
    QStringList stored = StoredKeys();
    for (const QString& key : expected)
        EXPECT_TRUE(stored.contains(key)) << key.toStdString();
    EXPECT_FALSE(stored.contains(QStringLiteral("options/htmlcvt")));
    EXPECT_FALSE(stored.contains(QStringLiteral("options/examplefolder")));
    EXPECT_EQ(Stored("OpenFiles/count").toInt(), 0);
    EXPECT_EQ(Stored("metrics/SplitLoc").toInt(), 200);
    // The place the window had (outer size, frame included) is what the next start gets.
    EXPECT_EQ(Stored("metrics/FrameCX").toInt(), outer.width());
    EXPECT_EQ(Stored("metrics/FrameY").toInt(), outer.y());
    EXPECT_TRUE(messages.calls.isEmpty()) << messages.calls.join('\n').toStdString();
}

TEST_F(StartupTest, SavedRectangleIsUsedOnlyWhenWhollyOnScreen) {
    const QRect area = WorkArea();
    const QSize size = area.size() * 3 / 4;
    struct Case {
        const char* what;
        QRect saved;
        bool maximized;
        bool used;
    } const cases[] = {
        {"inside", QRect(area.topLeft() + QPoint(40, 30), size), false, true},
        {"inside, maximised", QRect(area.topLeft() + QPoint(40, 30), size), true, true},
        {"partly off the right edge", QRect(QPoint(area.right() - 100, area.y() + 30), size), false,
         false},
        {"partly above the top", QRect(QPoint(area.x() + 40, area.y() - 10), size), true, false},
    };
    for (const Case& c : cases) {
        Preset({{"metrics/FrameX", c.saved.x()},
                {"metrics/FrameY", c.saved.y()},
                {"metrics/FrameCX", c.saved.width()},
                {"metrics/FrameCY", c.saved.height()},
                {"metrics/FrameMax", c.maximized ? 1 : 0}});
        ASSERT_TRUE(Start({}, false)) << c.what;
        EXPECT_EQ(Frame()->isMaximized(), c.used && c.maximized) << c.what;
        if (c.used) {
            // The saved rectangle is the outer one; a maximised window restores to it.
            Frame()->showNormal();
            EXPECT_TRUE(QTest::qWaitFor([&] { return Frame()->frameGeometry() == c.saved; }, 2000))
                << c.what;
        } else {
            EXPECT_NE(Frame()->frameGeometry(), c.saved) << c.what;
            EXPECT_TRUE(area.contains(Frame()->frameGeometry())) << c.what;
        }
        App().DestroyMainFrame();
    }
}

TEST_F(StartupTest, PlacementSettingsFollowTheWindow) {
    ASSERT_TRUE(Start({}, false));
    CMainFrame* frame = Frame();
    const AppSettings& s = App().Settings();

    frame->move(33, 44);
    frame->resize(500, 420);
    // Position and size of the outer window, frame included.
    const QSize outer = frame->frameGeometry().size();
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return s.frameX == 33 && s.frameCX == outer.width(); }, 2000));
    EXPECT_EQ(s.frameY, 44);
    EXPECT_EQ(s.frameCY, outer.height());
    EXPECT_FALSE(s.frameMax);

    frame->showMaximized();
    ASSERT_TRUE(QTest::qWaitFor([&] { return s.frameMax; }, 2000));
    // The restored place stays what it was, so that it comes back on the next start.
    EXPECT_EQ(s.frameX, 33);
    EXPECT_EQ(s.frameCX, outer.width());

    frame->showNormal();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !s.frameMax; }, 2000));
    EXPECT_EQ(s.frameCX, outer.width());
}

TEST_F(StartupTest, ReopensTheLastSessionAndReportsWhatIsMissingOnce) {
    Preset({{"OpenFiles/count", 3},
            {"OpenFiles/File0", "/libs/a.vtl"},
            {"OpenFiles/File1", "/libs/gone.vtl"},
            {"OpenFiles/File2", "/libs/b.vtl"}});
    host.existing = {"/libs/a.vtl", "/libs/b.vtl", "/libs/c.vtl"};

    ASSERT_TRUE(Start({"/libs/c.vtl"}));
    EXPECT_EQ(host.open, QStringList({"/libs/a.vtl", "/libs/b.vtl", "/libs/c.vtl"}));
    EXPECT_EQ(host.newEmpty, 0);
    EXPECT_EQ(messages.calls, QStringList("Warning: Couldn't restore all previously open files."));
}

TEST_F(StartupTest, EmptyLibraryOnlyWhenNothingElseOpens) {
    struct Case {
        const char* what;
        bool reload;
        int count; // entries recorded at the last exit, all of them present
        int expectedNewEmpty;
    } const cases[] = {
        {"reopened Libraries replace the empty one", true, 2, 0},
        {"nothing recorded", true, 0, 1},
        {"reload switched off", false, 2, 1},
    };
    for (const Case& c : cases) {
        Preset({{"metrics/Reload", c.reload ? 1 : 0},
                {"OpenFiles/count", c.count},
                {"OpenFiles/File0", "/l/one.vtl"},
                {"OpenFiles/File1", "/l/two.vtl"}});
        host = FakeLibraryHost();
        host.existing = {"/l/one.vtl", "/l/two.vtl"};
        ASSERT_TRUE(Start()) << c.what;
        EXPECT_EQ(host.newEmpty, c.expectedNewEmpty) << c.what;
        EXPECT_EQ(host.open.size(), c.reload ? c.count : 0) << c.what;
        App().DestroyMainFrame();
    }
    EXPECT_TRUE(messages.calls.isEmpty());
}

TEST_F(StartupTest, DamagedOpenFilesListIsReportedWithoutWalkingIt) {
    // A count far beyond the entries present: the missing ones are failures, looked up once.
    Preset({{"OpenFiles/count", 2000000000}, {"OpenFiles/File0", "/l/one.vtl"}});
    host.existing = {"/l/one.vtl"};
    ASSERT_TRUE(Start());
    EXPECT_EQ(host.attempts, QStringList("/l/one.vtl"));
    EXPECT_EQ(messages.calls.size(), 1);
}

TEST_F(StartupTest, CommandLineThatOpensNothingEndsTheProgram) {
    App().SetLibraryHost(&host);
    EXPECT_FALSE(App().InitInstance({"/nowhere/missing.vtl"}));
    EXPECT_EQ(Frame(), nullptr);
    // With one of two named files opening, the program goes on.
    host.existing = {"/l/ok.vtl"};
    EXPECT_TRUE(App().InitInstance({"/nowhere/missing.vtl", "/l/ok.vtl"}));
    EXPECT_EQ(host.open, QStringList("/l/ok.vtl"));
}

TEST_F(StartupTest, ExitRecordsOpenLibrariesAndCancelStopsEverything) {
    Preset({{"OpenFiles/count", 1}, {"OpenFiles/File0", "/l/old.vtl"}});
    host.existing = {"/l/old.vtl", "/l/new.vtl"};
    ASSERT_TRUE(Start({"/l/new.vtl"}));
    App().Settings().author = QStringLiteral("Changed");

    host.allowClose = false;
    EXPECT_FALSE(CloseFrame());
    EXPECT_EQ(host.savePrompts, 1);
    EXPECT_TRUE(Frame()->isVisible());
    EXPECT_EQ(Stored("OpenFiles/count").toInt(), 1);
    EXPECT_FALSE(Stored("options/author").isValid());

    host.allowClose = true;
    host.open.insert(1, QString()); // an untitled Library is left out
    ASSERT_TRUE(CloseFrame());
    EXPECT_EQ(Stored("OpenFiles/count").toInt(), 2);
    EXPECT_EQ(Stored("OpenFiles/File0").toString(), QStringLiteral("/l/old.vtl"));
    EXPECT_EQ(Stored("OpenFiles/File1").toString(), QStringLiteral("/l/new.vtl"));
    EXPECT_FALSE(Stored("OpenFiles/File2").isValid());
    EXPECT_EQ(Stored("options/author").toString(), QStringLiteral("Changed"));
}

} // namespace
} // namespace vantor::test
