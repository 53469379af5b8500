// Command routing and the main frame's own commands: which actions are enabled and checked,
// the keys of the Property Window, and the chain from the active pane to the application.
#include "AppFixture.h"
#include "app/CVantorApp.h"
#include "ui/frame/CMainFrame.h"
#include "ui/frame/CommandRouter.h"
#include "ui/frame/CommandTarget.h"
#include "ui/frame/WindowTitle.h"

#include <QAction>
#include <QDockWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

#include <map>

namespace vantor::test {
namespace {

/// A target that handles the commands it was given, in the state it was given.
class FakeTarget : public CommandTarget {
public:
    struct State {
        bool enabled = true;
        bool checked = false;
    };
    bool Handles(CommandId id) const override { return states.count(id) != 0; }
    bool IsEnabled(CommandId id) const override { return states.at(id).enabled; }
    bool IsChecked(CommandId id) const override { return states.at(id).checked; }
    void Execute(CommandId id) override { executed.push_back(id); }

    std::map<CommandId, State> states;
    std::vector<CommandId> executed;
};

/// A Library window stand-in: a sub-window that routes commands to a pane and to itself.
class FakeDocumentWindow : public QMdiSubWindow, public DocumentCommandTarget {
public:
    CommandTarget* ActivePaneTarget() const override { return pane; }
    bool Handles(CommandId id) const override { return self.Handles(id); }
    bool IsEnabled(CommandId id) const override { return self.IsEnabled(id); }
    void Execute(CommandId id) override { self.Execute(id); }

    FakeTarget* pane = nullptr;
    FakeTarget self;
};

class FrameCommandsTest : public AppFixture {
protected:
    QAction* Action(CommandId id) const { return Frame()->Router().Action(id); }
    void Update() const { Frame()->Router().UpdateActions(); }
};

TEST_F(FrameCommandsTest, StatesWithNoLibraryOpen) {
    ASSERT_TRUE(Start({}, false));
    Update();
    struct Case {
        CommandId id;
        bool enabled;
        bool checked;
    } const cases[] = {
        {CommandId::ViewProperties, true, true},
        {CommandId::ViewKeyboard, true, true},
        {CommandId::ViewToolbar, true, true},
        {CommandId::ViewStatusBar, true, true},
        {CommandId::ShowPropertyWindow, true, false},
        {CommandId::Options, true, false},
        {CommandId::AppAbout, true, false},
        {CommandId::HomePage, true, false},
        {CommandId::HelpTopics, true, false},
        {CommandId::AppExit, true, false},
        // Nothing handles these without a Library (or without the Library windows at all).
        {CommandId::FileOpen, false, false},
        {CommandId::FileSave, false, false},
        {CommandId::EditCut, false, false},
        {CommandId::EditDelete, false, false},
        {CommandId::NewModule, false, false},
        {CommandId::ShowGamePane, false, false},
        {CommandId::WindowCascade, false, false},
        {CommandId::WindowTile, false, false},
        {CommandId::EditUndo, false, false},
        {CommandId::FilePrint, false, false},
    };
    for (const Case& c : cases) {
        QAction* action = Action(c.id);
        ASSERT_NE(action, nullptr) << static_cast<int>(c.id);
        EXPECT_EQ(action->isEnabled(), c.enabled) << action->objectName().toStdString();
        EXPECT_EQ(action->isChecked(), c.checked) << action->objectName().toStdString();
    }
}

TEST(CommandKeysTest, EveryKeyReachesExactlyOneCommand) {
    CommandRouter router;
    const struct {
        const char* key;
        CommandId id;
    } table[] = {
        {"Ctrl+A", CommandId::EditSelectAll},     {"Ctrl+B", CommandId::NewBind},
        {"Ctrl+C", CommandId::EditCopy},          {"Ctrl+D", CommandId::NewDefinition},
        {"Ctrl+E", CommandId::NewStartup},        {"Ctrl+G", CommandId::NewGame},
        {"Ctrl+K", CommandId::ViewKeyboard},      {"Ctrl+L", CommandId::NewAlias},
        {"Ctrl+M", CommandId::NewModule},         {"Ctrl+N", CommandId::NewLibrary},
        {"Ctrl+O", CommandId::FileOpen},          {"Ctrl+P", CommandId::FilePrint},
        {"Ctrl+S", CommandId::FileSave},          {"Ctrl+V", CommandId::EditPaste},
        {"Ctrl+X", CommandId::EditCut},           {"Shift+Del", CommandId::EditCut},
        {"Del", CommandId::EditDelete},           {"Ctrl+Z", CommandId::EditUndo},
        {"Ctrl+Up", CommandId::MoveUp},           {"Ctrl+Down", CommandId::MoveDown},
        {"Ins", CommandId::NewCommand},           {"F1", CommandId::HelpTopics},
        {"Shift+F1", CommandId::ContextHelp},     {"F6", CommandId::NextPane},
        {"Shift+F6", CommandId::PrevPane},        {"F7", CommandId::ShowPropertyWindow},
        {"F9", CommandId::ShowGamePane},          {"F10", CommandId::ShowModulePane},
        {"F11", CommandId::ShowCommandPane},      {"Alt+Return", CommandId::ViewProperties},
        {"Alt+Enter", CommandId::ViewProperties},
    };
    for (const auto& row : table) {
        const QKeySequence key(QString::fromLatin1(row.key));
        std::vector<QAction*> found;
        for (QAction* action : router.Actions())
            if (action->shortcuts().contains(key))
                found.push_back(action);
        ASSERT_EQ(found.size(), 1U) << row.key;
        EXPECT_EQ(found.front(), router.Action(row.id)) << row.key;
    }
    // Qt ignores a key that two actions claim; no key may be claimed twice.
    QStringList keys;
    for (QAction* action : router.Actions())
        for (const QKeySequence& key : action->shortcuts())
            keys.append(key.toString());
    const qsizetype all = keys.size();
    keys.removeDuplicates();
    EXPECT_EQ(keys.size(), all);
}

TEST_F(FrameCommandsTest, TogglesFollowTheBarsBothWays) {
    ASSERT_TRUE(Start({}, false));
    struct Case {
        CommandId id;
        QWidget* bar;
    } const cases[] = {
        {CommandId::ViewProperties, Frame()->PropertyDock()},
        {CommandId::ViewKeyboard, Frame()->KeyboardDock()},
        {CommandId::ViewToolbar, Frame()->ToolBar()},
        {CommandId::ViewStatusBar, Frame()->statusBar()},
    };
    for (const Case& c : cases) {
        const std::string name = Action(c.id)->objectName().toStdString();
        Action(c.id)->trigger();
        Update();
        EXPECT_TRUE(c.bar->isHidden()) << name;
        EXPECT_FALSE(Action(c.id)->isChecked()) << name;
        // Closed another way (the dock's own close button): the check mark follows.
        c.bar->show();
        Update();
        EXPECT_TRUE(Action(c.id)->isChecked()) << name;
    }
}

TEST_F(FrameCommandsTest, PropertyWindowKeys) {
    ASSERT_TRUE(Start({}, false));
    QDockWidget* dock = Frame()->PropertyDock();
    for (bool startHidden : {false, true}) {
        dock->setVisible(!startHidden);
        Update();
        // Alt+Enter twice leaves the Property Window as it was.
        QTest::keyClick(Frame(), Qt::Key_Return, Qt::AltModifier);
        EXPECT_EQ(dock->isHidden(), !startHidden);
        Update();
        QTest::keyClick(Frame(), Qt::Key_Return, Qt::AltModifier);
        EXPECT_EQ(dock->isHidden(), startHidden);
        Update();
        // F7 shows it, never hides it, and puts the keyboard focus into it.
        for (int press = 0; press < 2; ++press) {
            QTest::keyClick(Frame(), Qt::Key_F7);
            Update();
            EXPECT_FALSE(dock->isHidden());
        }
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return dock->isAncestorOf(QApplication::focusWidget()); }, 2000));
        Frame()->MdiArea()->setFocus();
    }
}

TEST_F(FrameCommandsTest, ActivePaneComesFirstAndStatesFollowTheActiveWindow) {
    ASSERT_TRUE(Start({}, false));
    FakeTarget pane;
    pane.states[CommandId::EditCut] = {false, false};
    pane.states[CommandId::EditCopy] = {true, false};
    pane.states[CommandId::ViewProperties] = {true, false}; // shadows the frame's handler
    auto* document = new FakeDocumentWindow;
    document->pane = &pane;
    document->self.states[CommandId::FileSave] = {true, false};
    document->self.states[CommandId::EditCut] = {true, false}; // never reached: the pane has it
    auto* plain = new QMdiSubWindow;
    Frame()->MdiArea()->addSubWindow(document);
    Frame()->MdiArea()->addSubWindow(plain);
    document->show();
    plain->show();

    Frame()->MdiArea()->setActiveSubWindow(document);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Action(CommandId::EditCopy)->isEnabled(); }, 2000));
    EXPECT_FALSE(Action(CommandId::EditCut)->isEnabled());
    EXPECT_TRUE(Action(CommandId::FileSave)->isEnabled());
    EXPECT_FALSE(Action(CommandId::EditPaste)->isEnabled());
    EXPECT_TRUE(Action(CommandId::WindowCascade)->isEnabled());
    EXPECT_FALSE(Action(CommandId::ViewProperties)->isChecked());

    Action(CommandId::EditCopy)->trigger();
    Action(CommandId::FileSave)->trigger();
    EXPECT_EQ(pane.executed, std::vector<CommandId>{CommandId::EditCopy});
    EXPECT_EQ(document->self.executed, std::vector<CommandId>{CommandId::FileSave});
    // A disabled command does not run, even when its action was left enabled.
    Action(CommandId::EditCut)->setEnabled(true);
    Action(CommandId::EditCut)->trigger();
    EXPECT_EQ(pane.executed.size(), 1U);

    Frame()->MdiArea()->setActiveSubWindow(plain);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !Action(CommandId::EditCopy)->isEnabled(); }, 2000));
    EXPECT_FALSE(Action(CommandId::FileSave)->isEnabled());
    EXPECT_TRUE(Action(CommandId::ViewProperties)->isChecked());
    EXPECT_EQ(Frame()->windowTitle(), QStringLiteral("Vantor"));
    plain->setWindowTitle(QStringLiteral("Quake.vtl[*]"));
    plain->setWindowModified(true);
    EXPECT_EQ(ShownWindowTitle(*Frame()), QStringLiteral("Quake.vtl* - Vantor"));
}

TEST_F(FrameCommandsTest, RecentFilesOpenThroughTheHostAndFailuresLeaveTheList) {
    ASSERT_TRUE(Start());
    host.existing = {"/l/kept.vtl"};
    App().AddToRecentFiles(QStringLiteral("/l/gone.vtl"));
    App().AddToRecentFiles(QStringLiteral("/l/kept.vtl"));
    Update();
    QAction* first = Action(RecentFileCommand(0));
    QAction* second = Action(RecentFileCommand(1));
    EXPECT_EQ(first->text(), QStringLiteral("&1 kept.vtl"));
    EXPECT_TRUE(second->isVisible());
    EXPECT_FALSE(Action(RecentFileCommand(2))->isVisible());

    second->trigger();
    EXPECT_EQ(host.attempts, QStringList("/l/gone.vtl"));
    EXPECT_EQ(App().RecentFiles().Paths(), QStringList("/l/kept.vtl"));
    Update();
    EXPECT_FALSE(second->isVisible());
    EXPECT_FALSE(second->isEnabled());

    first->trigger();
    EXPECT_EQ(host.open, QStringList("/l/kept.vtl"));
}

} // namespace
} // namespace vantor::test
