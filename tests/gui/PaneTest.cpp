// The panes of a Library window: the keys that move the focus between them, the active pane
// in the command chain, the header line (its colours, hidden with paneheader 0, following the
// Options at once), and what the active Library drives (command states, Keyboard caption).
#include "LibraryFixture.h"
#include "app/CVantorApp.h"
#include "document/CVantorDoc.h"
#include "model/CScript.h"
#include "ui/frame/CChildFrame.h"
#include "ui/frame/CMainFrame.h"
#include "ui/frame/CPaneView.h"
#include "ui/frame/CommandRouter.h"
#include "ui/frame/CommandTarget.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDockWidget>
#include <QImage>
#include <QMdiArea>
#include <QPushButton>
#include <QTest>

namespace vantor::test {
namespace {

class PaneTest : public LibraryFixture {
protected:
    QWidget* Focus() const { return QApplication::focusWidget(); }
    QWidget* ViewOf(int pane) const { return Active()->Pane(pane)->View(); }
    bool Enabled(CommandId id) const {
        Frame()->Router().UpdateActions();
        return Frame()->Router().Action(id)->isEnabled();
    }
    /// Which panes draw themselves active, as "GMC" letters (lower case: inactive).
    QString ActiveMarks() const {
        QString marks;
        for (int i = 0; i < CChildFrame::kPaneCount; ++i) {
            const QChar letter = QLatin1Char("GMC"[i]);
            marks += Active()->Pane(i)->IsActive() ? letter : letter.toLower();
        }
        return marks;
    }
};

TEST_F(PaneTest, KeysMoveTheFocusBetweenThePanes) {
    ASSERT_TRUE(StartEditor());
    ASSERT_TRUE(QTest::qWaitFor([&] { return Focus() == ViewOf(CChildFrame::GamePane); }, 2000));
    EXPECT_EQ(ActiveMarks(), QStringLiteral("Gmc"));

    struct Step {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int pane;
        const char* marks;
    } const steps[] = {
        {Qt::Key_F11, Qt::NoModifier, CChildFrame::CommandPane, "gmC"},
        {Qt::Key_F10, Qt::NoModifier, CChildFrame::ModulePane, "gMc"},
        {Qt::Key_F9, Qt::NoModifier, CChildFrame::GamePane, "Gmc"},
        // Tab goes Game, Module, Command and round again; Shift+Tab goes back.
        {Qt::Key_Tab, Qt::NoModifier, CChildFrame::ModulePane, "gMc"},
        {Qt::Key_Tab, Qt::NoModifier, CChildFrame::CommandPane, "gmC"},
        {Qt::Key_Tab, Qt::NoModifier, CChildFrame::GamePane, "Gmc"},
        {Qt::Key_Backtab, Qt::ShiftModifier, CChildFrame::CommandPane, "gmC"},
        // F6 and Shift+F6 step through the panes as well.
        {Qt::Key_F6, Qt::NoModifier, CChildFrame::GamePane, "Gmc"},
        {Qt::Key_F6, Qt::ShiftModifier, CChildFrame::CommandPane, "gmC"},
    };
    for (const Step& step : steps) {
        const std::string what = QKeySequence(step.key | step.modifiers).toString().toStdString();
        QTest::keyClick(Focus(), step.key, step.modifiers);
        EXPECT_TRUE(QTest::qWaitFor([&] { return Focus() == ViewOf(step.pane); }, 2000)) << what;
        EXPECT_EQ(ActiveMarks(), QLatin1String(step.marks)) << what;
        // The active pane is the first target of the command chain.
        EXPECT_EQ(Frame()->ActiveDocumentTarget()->ActivePaneTarget(), Active()->Pane(step.pane))
            << what;
    }

    // The focus in the Property Window leaves the pane active.
    QTest::keyClick(Focus(), Qt::Key_F7);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return Frame()->PropertyDock()->isAncestorOf(Focus()); }, 2000));
    EXPECT_EQ(ActiveMarks(), QStringLiteral("gmC"));
    EXPECT_TRUE(Enabled(CommandId::ShowModulePane));
}

TEST_F(PaneTest, CommandsFollowTheActiveLibrary) {
    ASSERT_TRUE(StartEditor());
    const CommandId libraryCommands[] = {CommandId::FileSave,       CommandId::FileSaveAs,
                                         CommandId::FileClose,      CommandId::ShowGamePane,
                                         CommandId::ShowModulePane, CommandId::ShowCommandPane,
                                         CommandId::NextPane,       CommandId::PrevPane};
    for (CommandId id : libraryCommands)
        EXPECT_TRUE(Enabled(id)) << static_cast<int>(id);
    ASSERT_TRUE(libraries.NewEmptyLibrary());
    CChildFrame* first = Windows().at(0);
    CChildFrame* second = Windows().at(1);
    EXPECT_EQ(App().ActiveLibrary(), &second->Document());
    EXPECT_TRUE(second->IsFrameActive());
    EXPECT_FALSE(first->IsFrameActive());

    // Save As goes to the active Library: its name is the one proposed.
    Frame()->MdiArea()->setActiveSubWindow(first);
    EXPECT_EQ(App().ActiveLibrary(), &first->Document());
    Trigger(CommandId::FileSaveAs);
    Frame()->MdiArea()->setActiveSubWindow(second);
    Trigger(CommandId::FileSaveAs);
    EXPECT_EQ(messages.proposedNames, QStringList({"Vantor1.vtl", "Vantor2.vtl"}));
    // Only the active window draws a pane active.
    EXPECT_FALSE(first->Pane(first->ActivePaneIndex())->IsActive());
    EXPECT_TRUE(second->Pane(second->ActivePaneIndex())->IsActive());

    for (CChildFrame* window : Windows())
        window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(Windows().empty());
    EXPECT_EQ(App().ActiveLibrary(), nullptr);
    for (CommandId id : libraryCommands)
        EXPECT_FALSE(Enabled(id)) << static_cast<int>(id);
    EXPECT_EQ(Frame()->windowTitle(), QStringLiteral("Vantor"));
}

TEST_F(PaneTest, KeyboardCaptionNamesTheActiveLibrarysCurrentGame) {
    ASSERT_TRUE(StartEditor());
    QDockWidget* keyboard = Frame()->KeyboardDock();
    const QString none = QStringLiteral("Binds (no Game selected)");
    EXPECT_EQ(keyboard->windowTitle(), none);

    CVantorDoc& library = Active()->Document();
    CScript* game = library.NewGame();
    game->SetGameName("Alpha", false);
    library.SetCurrentGame(game);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return keyboard->windowTitle() == QStringLiteral("Binds for Alpha"); }, 2000));
    game->SetGameName("Quake \xC9", true); // Windows-1252 bytes
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return keyboard->windowTitle() == QStringLiteral("Binds for Quake \u00C9"); }, 2000));

    // Another Library without a current Game becomes active, then the first again.
    ASSERT_TRUE(libraries.NewEmptyLibrary());
    EXPECT_TRUE(QTest::qWaitFor([&] { return keyboard->windowTitle() == none; }, 2000));
    Frame()->MdiArea()->setActiveSubWindow(Windows().front());
    EXPECT_TRUE(QTest::qWaitFor([&] { return keyboard->windowTitle() != none; }, 2000));
}

// The header's colour where its text is not: the pane's top-left corner.
QColor HeaderColour(CPaneView* pane) {
    return pane->grab().toImage().pixelColor(1, 1);
}

TEST_F(PaneTest, HeadersShowWhichPaneIsActiveAndFollowTheOptionAtOnce) {
    ASSERT_TRUE(StartEditor());
    ASSERT_TRUE(libraries.NewEmptyLibrary());
    const int height = App().PaneHeaderHeight();
    ASSERT_GT(height, 1);
    CPaneView* game = Active()->Pane(CChildFrame::GamePane);
    CPaneView* module = Active()->Pane(CChildFrame::ModulePane);
    Active()->ActivatePane(CChildFrame::GamePane);
    const QColor highlight = game->palette().color(QPalette::Active, QPalette::Highlight);
    EXPECT_EQ(HeaderColour(game), highlight);
    EXPECT_NE(HeaderColour(module), highlight);
    EXPECT_EQ(module->View()->geometry().top(), height);
    // The line along the header's bottom edge.
    EXPECT_NE(game->grab().toImage().pixelColor(1, height - 1), highlight);

    // "Show pane headers" off in Options: every open window drops its headers at once.
    ASSERT_TRUE(RunWithDialog(CommandId::Options, [](QWidget* dialog) {
        dialog->findChild<QCheckBox*>("showPaneHeaders")->setChecked(false);
        dialog->findChild<QDialogButtonBox*>("buttons")->button(QDialogButtonBox::Ok)->click();
    }));
    for (CChildFrame* window : Windows()) {
        for (int i = 0; i < CChildFrame::kPaneCount; ++i) {
            CPaneView* pane = window->Pane(i);
            EXPECT_EQ(pane->HeaderHeight(), 0);
            EXPECT_TRUE(QTest::qWaitFor([&] { return pane->View()->geometry().top() == 0; }, 2000));
        }
    }
    EXPECT_NE(HeaderColour(game), highlight);

    // A Library opened afterwards has none either, nor has one after a new start.
    ASSERT_TRUE(libraries.NewEmptyLibrary());
    EXPECT_EQ(Active()->Pane(CChildFrame::CommandPane)->HeaderHeight(), 0);
    messages.saveAnswer = MessageService::SaveAnswer::No;
    ASSERT_TRUE(CloseFrame());
    EXPECT_EQ(Stored("metrics/paneheader").toInt(), 0);
    ASSERT_TRUE(StartEditor());
    EXPECT_EQ(Active()->Pane(CChildFrame::GamePane)->View()->geometry().top(), 0);
}

} // namespace
} // namespace vantor::test
