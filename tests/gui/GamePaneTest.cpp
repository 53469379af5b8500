// The Game Pane on a real Library of three Games: the first Game selected and current after
// opening, the commands and their states, renaming in place, deleting, the context menus, the
// column widths and the refusal of every drop.
#include "DragEvents.h"
#include "LibraryFixture.h"
#include "app/CVantorApp.h"
#include "document/CScriptOutput.h"
#include "document/CVantorDoc.h"
#include "model/CCmdFrag.h"
#include "model/CScript.h"
#include "model/CVConfig.h"
#include "ui/frame/CChildFrame.h"
#include "ui/frame/CMainFrame.h"
#include "ui/frame/CScriptView.h"
#include "ui/frame/ClipboardFormats.h"
#include "ui/frame/CommandRouter.h"
#include "ui/frame/GameListModel.h"
#include "ui/frame/PaneContextMenu.h"
#include "ui/frame/PaneList.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include <memory>

namespace vantor::test {
namespace {

class GamePaneTest : public LibraryFixture {
protected:
    // A Library of two Modules and three Games named Alpha, Beta and Gamma; Alpha uses the
    // first Module, Beta the second.
    void OpenThreeGames() {
        CVantorDoc library;
        CVConfig* first = library.NewModule("Tester");
        CVConfig* second = library.NewModule("Tester");
        const char* names[] = {"Alpha", "Beta", "Gamma"};
        for (const char* name : names)
            library.NewGame()->SetGameName(name, false);
        library.GetGame(0)->AddModuleUse(*first);
        library.GetGame(1)->AddModuleUse(*second);
        const QString path = folder.filePath(QStringLiteral("three.vtl"));
        CScriptOutput output;
        ASSERT_TRUE(library.Save(QFile::encodeName(path).toStdString(), output).saved);
        ASSERT_TRUE(StartEditor({path}));
        ASSERT_EQ(Doc().GetGameCount(), 3);
        Active()->ActivatePane(CChildFrame::GamePane);
        // Every test also checks that the list model keeps Qt's rules.
        tester = std::make_unique<QAbstractItemModelTester>(
            Pane().Model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    }
    void TearDown() override {
        tester.reset();
        LibraryFixture::TearDown();
    }

    CVantorDoc& Doc() const { return Active()->Document(); }
    CScriptView& Pane() const { return Active()->GameView(); }
    PaneList* List() const { return Pane().List(); }
    CScript* Game(int row) const { return Doc().GetGame(row); }
    QStringList Names() const {
        QStringList names;
        for (int i = 0; i < Doc().GetGameCount(); ++i)
            names.append(QString::fromStdString(Game(i)->GetGameName()));
        return names;
    }
    // Near the left edge: the pane's column may be narrower than the first list column.
    QPoint RowPoint(int row) const {
        const QRect rect = List()->visualRect(Pane().Model()->index(row, 0));
        return QPoint(rect.left() + 24, rect.center().y());
    }
    void ClickRow(int row) {
        QTest::mouseClick(List()->viewport(), Qt::LeftButton, Qt::NoModifier, RowPoint(row));
    }
    bool Enabled(CommandId id) const {
        Frame()->Router().UpdateActions();
        return Frame()->Router().Action(id)->isEnabled();
    }
    int SelectedRow() const {
        const QModelIndexList rows = List()->selectionModel()->selectedRows();
        return rows.size() == 1 ? rows.first().row() : -1;
    }
    CVantorDoc::ModuleState State(int module) const {
        return Doc().GetModuleState(*Doc().GetModule(module));
    }

    std::unique_ptr<QAbstractItemModelTester> tester;
};

TEST_F(GamePaneTest, OpensWithTheFirstGameSelectedAndCurrent) {
    OpenThreeGames();
    EXPECT_EQ(SelectedRow(), 0);
    EXPECT_EQ(Doc().GetCurrentGame(), Game(0));
    EXPECT_EQ(Frame()->PropertyObject(), Game(0));
    // The Module check boxes show Alpha's Modules.
    EXPECT_EQ(State(0), CVantorDoc::ModuleUsed);
    EXPECT_EQ(State(1), CVantorDoc::ModuleUnused);

    const QAbstractItemModel* model = List()->model();
    EXPECT_EQ(model->headerData(0, Qt::Horizontal), QStringLiteral("Game"));
    EXPECT_EQ(model->headerData(1, Qt::Horizontal), QStringLiteral("Script File"));
    EXPECT_EQ(model->index(2, 0).data(), QStringLiteral("Gamma"));
    EXPECT_EQ(List()->header()->sectionSize(0), 150);
    EXPECT_EQ(List()->header()->sectionSize(1), 150);

    // Clicking another Game makes it current and the check boxes follow.
    ClickRow(1);
    EXPECT_EQ(Doc().GetCurrentGame(), Game(1));
    EXPECT_EQ(Frame()->PropertyObject(), Game(1));
    EXPECT_EQ(State(0), CVantorDoc::ModuleUnused);
    EXPECT_EQ(State(1), CVantorDoc::ModuleUsed);

    // A script file set elsewhere shows in its row.
    Game(1)->SetScriptFile("/games/x/autoexec.cfg", true);
    EXPECT_EQ(model->index(1, 1).data(), QStringLiteral("/games/x/autoexec.cfg"));
}

TEST_F(GamePaneTest, MovesKeepTheGameSelectedAndFollowTheEnableRules) {
    OpenThreeGames();
    struct Row {
        int row;
        bool up, down;
    } const rows[] = {{0, false, true}, {1, true, true}, {2, true, false}};
    for (const Row& r : rows) {
        ClickRow(r.row);
        EXPECT_EQ(Enabled(CommandId::MoveUp), r.up) << r.row;
        EXPECT_EQ(Enabled(CommandId::MoveDown), r.down) << r.row;
    }

    ClickRow(0);
    Trigger(CommandId::MoveDown);
    EXPECT_EQ(Names(), QStringList({"Beta", "Alpha", "Gamma"}));
    EXPECT_EQ(SelectedRow(), 1);
    EXPECT_EQ(List()->currentIndex().row(), 1);
    EXPECT_EQ(Doc().GetCurrentGame(), Game(1));
    Trigger(CommandId::MoveDown);
    EXPECT_EQ(Names(), QStringList({"Beta", "Gamma", "Alpha"}));
    EXPECT_EQ(SelectedRow(), 2);
    EXPECT_FALSE(Enabled(CommandId::MoveDown));
    Trigger(CommandId::MoveUp);
    EXPECT_EQ(Names(), QStringList({"Beta", "Alpha", "Gamma"}));
    EXPECT_EQ(SelectedRow(), 1);
    EXPECT_TRUE(Doc().IsModified());
}

TEST_F(GamePaneTest, CommandStatesFollowTheSelectedGame) {
    OpenThreeGames();
    // Save Script needs a script file; Copy and the Module objects' New commands are not for
    // Games, while New Game and New Module stay with the Library.
    EXPECT_FALSE(Enabled(CommandId::SaveScript));
    for (CommandId id : {CommandId::EditRename, CommandId::EditDelete, CommandId::BrowseForScript,
                         CommandId::Preview})
        EXPECT_TRUE(Enabled(id)) << static_cast<int>(id);
    for (CommandId id : {CommandId::EditCopy, CommandId::EditPaste, CommandId::EditSelectAll,
                         CommandId::NewAlias, CommandId::NewCommand})
        EXPECT_FALSE(Enabled(id)) << static_cast<int>(id);
    EXPECT_NE(Frame()->Router().FindHandler(CommandId::NewGame), &Pane());
    Game(0)->SetScriptFile("/games/x/autoexec.cfg", true);
    EXPECT_TRUE(Enabled(CommandId::SaveScript));

    // With no row selected every Game command is off.
    List()->selectionModel()->clearSelection();
    for (CommandId id : {CommandId::EditRename, CommandId::EditDelete, CommandId::SaveScript,
                         CommandId::MoveDown, CommandId::Preview})
        EXPECT_FALSE(Enabled(id)) << static_cast<int>(id);
    // Losing the selection leaves the current Game.
    EXPECT_EQ(Doc().GetCurrentGame(), Game(0));
}

TEST_F(GamePaneTest, RenameInPlaceRefusesAnEmptyNameSilently) {
    OpenThreeGames();
    ClickRow(1);
    struct Case {
        const char* typed;
        const char* name;
    } const cases[] = {{"", "Beta"}, {"Quake \xC3\x89", "Quake \xC9"}};
    for (const Case& c : cases) {
        Trigger(CommandId::EditRename);
        auto* editor = List()->findChild<QLineEdit*>();
        ASSERT_NE(editor, nullptr) << c.typed;
        editor->selectAll();
        QTest::keyClick(editor, Qt::Key_Backspace);
        QTest::keyClicks(editor, QString::fromUtf8(c.typed));
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(Game(1)->GetGameName(), c.name) << c.typed;
        EXPECT_EQ(Pane().Model()->index(1, 0).data().toString(), QString::fromLatin1(c.name, -1))
            << c.typed;
    }
    EXPECT_TRUE(messages.calls.isEmpty()) << messages.calls.join('\n').toStdString();
    EXPECT_EQ(Doc().GetCurrentGame(), Game(1));
}

TEST_F(GamePaneTest, DeleteAsksWhenConfirmAllIsOnAndLeavesNoGameCurrent) {
    OpenThreeGames();
    const QString question = QStringLiteral("YesNo: Are you sure you want to delete this Game?");
    messages.yesNoAnswer = false;
    Trigger(CommandId::EditDelete);
    EXPECT_EQ(messages.calls, QStringList({question}));
    EXPECT_EQ(Doc().GetGameCount(), 3);

    messages.yesNoAnswer = true;
    Trigger(CommandId::EditDelete);
    EXPECT_EQ(Names(), QStringList({"Beta", "Gamma"}));
    EXPECT_EQ(Doc().GetCurrentGame(), nullptr);
    EXPECT_EQ(Frame()->PropertyObject(), nullptr);
    EXPECT_EQ(SelectedRow(), -1);
    // Every Module box turns grey.
    EXPECT_EQ(State(0), CVantorDoc::ModuleNoGame);
    EXPECT_EQ(State(1), CVantorDoc::ModuleNoGame);

    // With ConfirmAll off nothing is asked.
    App().Settings().confirmAll = false;
    messages.calls.clear();
    ClickRow(1);
    Trigger(CommandId::EditDelete);
    EXPECT_TRUE(messages.calls.isEmpty());
    EXPECT_EQ(Names(), QStringList({"Beta"}));
    App().Settings().confirmAll = true;
}

TEST_F(GamePaneTest, DeletingAGameThatIsNotSelectedKeepsTheCurrentGame) {
    OpenThreeGames();
    Pane().DeleteGame(*Game(2));
    EXPECT_EQ(Names(), QStringList({"Alpha", "Beta"}));
    EXPECT_EQ(Doc().GetCurrentGame(), Game(0));
    EXPECT_EQ(SelectedRow(), 0);
}

TEST_F(GamePaneTest, NothingCanBeDroppedOnTheGamePane) {
    OpenThreeGames();
    CCmdFrag fragment;
    std::unique_ptr<QMimeData> commands(MakeCommandMimeData({&fragment}));
    QMimeData module;
    module.setData(ObjectDataFormat(), QByteArray("\x01\x00", 2));
    const QPoint empty(5, List()->viewport()->height() - 2);
    const QMimeData* const offers[] = {commands.get(), &module};
    for (const QMimeData* data : offers) {
        for (const QPoint& point : {RowPoint(0), RowPoint(1), RowPoint(2), empty}) {
            for (Qt::KeyboardModifiers modifiers : {Qt::NoModifier, Qt::ControlModifier}) {
                const DragAnswer answer =
                    DragOver(List()->viewport(), point, data, modifiers, true);
                EXPECT_FALSE(answer.moveAccepted) << point.y();
                EXPECT_EQ(answer.Result(), Qt::IgnoreAction) << point.y();
            }
        }
    }
    EXPECT_EQ(Doc().GetGameCount(), 3);
    EXPECT_EQ(List()->DropRow(), -1);
}

TEST_F(GamePaneTest, ContextMenusForARowAndForEmptySpace) {
    OpenThreeGames();
    auto names = [](const QMenu* menu) {
        QStringList texts;
        for (const QAction* action : menu->actions())
            texts.append(action->isSeparator() ? QStringLiteral("-") : action->objectName());
        return texts;
    };
    QWidget* viewport = List()->viewport();
    // The menu acts on the pane clicked, whichever pane was active.
    Active()->ActivatePane(CChildFrame::CommandPane);
    QTest::mousePress(viewport, Qt::RightButton, Qt::NoModifier, RowPoint(2));
    EXPECT_EQ(Active()->ActivePaneIndex(), CChildFrame::GamePane);
    EXPECT_EQ(SelectedRow(), 2);
    EXPECT_EQ(Doc().GetCurrentGame(), Game(2));
    QTest::mouseRelease(viewport, Qt::RightButton, Qt::NoModifier, RowPoint(2));
    QMenu* menu = Pane().ContextMenus()->Shown();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->objectName(), QStringLiteral("menu146"));
    EXPECT_EQ(names(menu), QStringList({"actionNewGame", "-", "actionSaveScript",
                                        "actionPreviewGameScript", "actionBrowseForScript", "-",
                                        "actionEditDelete", "actionMoveUp", "actionMoveDown"}));
    EXPECT_FALSE(Frame()->Router().Action(CommandId::MoveDown)->isEnabled());
    menu->close();

    const QPoint empty(5, viewport->height() - 2);
    QTest::mousePress(viewport, Qt::RightButton, Qt::NoModifier, empty);
    QTest::mouseRelease(viewport, Qt::RightButton, Qt::NoModifier, empty);
    ASSERT_NE(Pane().ContextMenus()->Shown(), nullptr);
    EXPECT_EQ(names(Pane().ContextMenus()->Shown()), QStringList({"actionNewGame"}));
    EXPECT_EQ(Doc().GetCurrentGame(), Game(2));
    Pane().ContextMenus()->Shown()->close();

    // From the keyboard: the selected row's menu.
    QTest::keyClick(List(), Qt::Key_F10, Qt::ShiftModifier);
    ASSERT_NE(Pane().ContextMenus()->Shown(), nullptr);
    EXPECT_EQ(Pane().ContextMenus()->Shown()->objectName(), QStringLiteral("menu146"));
    Pane().ContextMenus()->Shown()->close();
}

TEST_F(GamePaneTest, ColumnWidthsComeFromAndGoToTheSettings) {
    Preset({{"metrics/SLCol0", 90}, {"metrics/SLCol1", 210}});
    OpenThreeGames();
    EXPECT_EQ(List()->header()->sectionSize(0), 90);
    EXPECT_EQ(List()->header()->sectionSize(1), 210);
    List()->header()->resizeSection(1, 170);
    messages.saveAnswer = MessageService::SaveAnswer::No;
    ASSERT_TRUE(CloseFrame());
    EXPECT_EQ(Stored("metrics/SLCol0").toInt(), 90);
    EXPECT_EQ(Stored("metrics/SLCol1").toInt(), 170);
}

TEST_F(GamePaneTest, GamesAddedAndRemovedByTheLibraryShowAtOnce) {
    OpenThreeGames();
    CScript* added = Doc().NewGame();
    ASSERT_EQ(Pane().Model()->rowCount(), 4);
    Pane().SelectGame(*added);
    EXPECT_EQ(SelectedRow(), 3);
    EXPECT_EQ(List()->currentIndex().row(), 3);
    EXPECT_EQ(Doc().GetCurrentGame(), added);
    const std::unique_ptr<CScript> taken = Doc().RemoveGame(*Game(0));
    EXPECT_EQ(Pane().Model()->rowCount(), 3);
    EXPECT_EQ(Pane().Model()->index(0, 0).data(), QStringLiteral("Beta"));
    EXPECT_EQ(Pane().SelectedGame(), added);
}

} // namespace
} // namespace vantor::test
