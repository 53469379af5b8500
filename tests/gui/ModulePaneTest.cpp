// The Module Pane on real Library windows: the tree and its adapter, the check boxes of the
// current Game, the commands, clipboard bytes, context menus, and drag and drop driven by
// real mouse and key events and hand-built drop events.
#include "LibraryFixture.h"
#include "ModuleTreeActions.h"
#include "app/CVantorApp.h"
#include "document/CVantorDoc.h"
#include "model/CCmdFrag.h"
#include "model/CScript.h"
#include "model/CVAlias.h"
#include "model/CVBind.h"
#include "model/CVCommand.h"
#include "model/CVConfig.h"
#include "model/CVObList.h"
#include "model/ModelCodes.h"
#include "ui/frame/CChildFrame.h"
#include "ui/frame/CCmdFragView.h"
#include "ui/frame/CMainFrame.h"
#include "ui/frame/CModuleView.h"
#include "ui/frame/ClipboardFormats.h"
#include "ui/frame/CommandRouter.h"
#include "ui/frame/ModuleTreeModel.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDockWidget>
#include <QDropEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSplitter>
#include <QTest>

namespace vantor::test {
namespace {

QByteArray Bytes(const std::string& data) {
    return QByteArray(data.data(), static_cast<qsizetype>(data.size()));
}

class ModulePaneTest : public LibraryFixture {
protected:
    void SetUp() override {
        LibraryFixture::SetUp();
        ASSERT_TRUE(StartEditor());
        // Room for the deepest items.
        Frame()->resize(1000, 700);
        Active()->showMaximized();
        Active()->Splitter()->setSizes({150, 400, 150});
        Active()->ActivatePane(CChildFrame::ModulePane);
    }

    CVantorDoc& Doc() const { return Active()->Document(); }
    CModuleView& Pane() const { return Active()->ModuleTreeView(); }
    ModuleTree* Tree() const { return Pane().Tree(); }
    ModuleTreeModel* Model() const { return Pane().Model(); }
    QWidget* Viewport() const { return Tree()->viewport(); }
    QModelIndex IndexOf(const CMTObj* node) const { return Model()->IndexOf(node); }

    /// A Module named `name` with `aliases` Aliases "a0", "a1", ...
    CVConfig* AddModule(const std::string& name, int aliases = 0) {
        CVConfig* module = Doc().NewModule("Tester");
        module->Rename(name);
        for (int i = 0; i < aliases; ++i)
            AddTo<CVAlias>(*module, TypeAliasList, "a" + std::to_string(i));
        return module;
    }
    template <typename Class>
    Class* AddTo(CVConfig& module, int listType, const std::string& name) {
        auto node = std::make_unique<Class>();
        if (!name.empty())
            node->Rename(name);
        Class* added = node.get();
        module.GetList(listType)->AddChild(std::move(node));
        return added;
    }
    static CCmdFrag* AddCommand(CMTObj& owner, const std::string& command) {
        auto fragment = std::make_unique<CCmdFrag>();
        fragment->SetCommand(command);
        CCmdFrag* added = fragment.get();
        owner.AddCommand(std::move(fragment));
        return added;
    }
    static std::vector<std::string> Commands(const CMTObj& owner) {
        std::vector<std::string> names;
        for (int i = 0; i < owner.GetCommandCount(); ++i)
            names.push_back(owner.GetCommand(i)->GetCommand());
        return names;
    }
    static std::vector<std::string> Names(const CMTObj& parent) {
        std::vector<std::string> names;
        for (int i = 0; i < parent.GetChildCount(); ++i)
            names.push_back(parent.GetChild(i)->GetName());
        return names;
    }

    QPoint CentreOf(const CMTObj* node) const { return TreePoint(Pane(), node); }
    void Click(const CMTObj* node) const { ClickNode(Pane(), node); }
    void ClickCheckBox(const CMTObj* module) const { ClickModuleCheckBox(Pane(), module); }
    /// A key as the user presses it, once the command states are current.
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) const {
        QCoreApplication::processEvents();
        QTest::keyClick(Tree(), key, modifiers);
    }
    bool Enabled(CommandId id) const {
        Frame()->Router().UpdateActions();
        return Frame()->Router().Action(id)->isEnabled();
    }
    Qt::CheckState CheckOf(const CMTObj* module) const {
        return IndexOf(module).data(Qt::CheckStateRole).value<Qt::CheckState>();
    }
    static std::string ClipboardBytes(const QString& format) {
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        return data ? data->data(format).toStdString() : std::string();
    }
    QMenu* OpenMenu() const {
        QMenu* menu = nullptr;
        static_cast<void>(QTest::qWaitFor(
            [&] { return (menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())); },
            2000));
        return menu;
    }
    static QStringList Entries(const QMenu* menu) {
        QStringList texts;
        for (const QAction* action : menu->actions())
            texts << (action->isSeparator() ? QStringLiteral("-")
                                            : action->text().section(QLatin1Char('\t'), 0, 0));
        return texts;
    }

    QPoint PullAway(const QPoint& start) const { return test::PullAway(Pane(), start); }
    Qt::DropAction Drop(QMimeData* data, const QPoint& pos, Qt::KeyboardModifiers modifiers,
                        bool* moveAccepted = nullptr) const {
        return DropOnTree(Pane(), data, pos, modifiers, moveAccepted);
    }
};

TEST_F(ModulePaneTest, TreeFollowsTheLibraryThroughItsNotifications) {
    QAbstractItemModelTester tester(Model(),
                                    QAbstractItemModelTester::FailureReportingMode::Warning);
    QSignalSpy resets(Model(), &QAbstractItemModel::modelReset);
    CVConfig* first = AddModule("First", 2);
    CVConfig* second = AddModule("Second");
    ASSERT_EQ(Model()->rowCount(), 2);
    const QModelIndex firstIndex = IndexOf(first);
    EXPECT_EQ(firstIndex.data().toString(), QStringLiteral("First"));
    EXPECT_EQ(Model()->rowCount(firstIndex), 4); // the four lists
    CVObList* aliases = first->GetList(TypeAliasList);
    EXPECT_EQ(IndexOf(aliases).data().toString(), QStringLiteral("Aliases"));
    EXPECT_EQ(Model()->rowCount(IndexOf(aliases)), 2);
    EXPECT_EQ(IndexOf(aliases->GetChild(1)).parent(), IndexOf(aliases));

    // Renames, commands (the emblem), moves and removals arrive as single changes.
    CMTObj* a0 = aliases->GetChild(0);
    QSignalSpy changes(Model(), &QAbstractItemModel::dataChanged);
    a0->Rename("renamed");
    EXPECT_EQ(IndexOf(a0).data().toString(), QStringLiteral("renamed"));
    second->Rename("Second \xC9"); // Windows-1252 bytes
    EXPECT_EQ(IndexOf(second).data().toString(), QStringLiteral("Second \u00C9"));
    const qint64 plain = IndexOf(a0).data(Qt::DecorationRole).value<QIcon>().cacheKey();
    AddCommand(*a0, "say");
    EXPECT_NE(IndexOf(a0).data(Qt::DecorationRole).value<QIcon>().cacheKey(), plain);
    EXPECT_EQ(changes.count(), 3);
    aliases->MoveChild(*a0, false);
    EXPECT_EQ(IndexOf(a0).row(), 1);
    Doc().MoveModule(*second, true);
    EXPECT_EQ(IndexOf(second).row(), 0);
    aliases->RemoveChild(*a0).reset();
    EXPECT_EQ(Model()->rowCount(IndexOf(aliases)), 1);
    Doc().RemoveModule(*first, true).reset();
    EXPECT_EQ(Model()->rowCount(), 1);
    EXPECT_EQ(resets.count(), 0);

    // A node that is not in the Library has no item.
    CVAlias loose;
    EXPECT_FALSE(IndexOf(&loose).isValid());
}

TEST_F(ModulePaneTest, ARenameOrInsertKeepsOpenItemsAndTheScrollPosition) {
    CVConfig* module = AddModule("Big", 300);
    CVObList* aliases = module->GetList(TypeAliasList);
    Tree()->expand(IndexOf(module));
    Tree()->expand(IndexOf(aliases));
    Tree()->scrollTo(IndexOf(aliases->GetChild(150)), QAbstractItemView::PositionAtTop);
    QCoreApplication::processEvents();
    const int scroll = Tree()->verticalScrollBar()->value();
    ASSERT_GT(scroll, 0);

    aliases->GetChild(150)->Rename("renamed");
    AddTo<CVAlias>(*module, TypeAliasList, "appended");
    aliases->InsertChildAfter(std::make_unique<CVAlias>(), aliases->GetChild(200));
    QCoreApplication::processEvents();
    EXPECT_TRUE(Tree()->isExpanded(IndexOf(module)));
    EXPECT_TRUE(Tree()->isExpanded(IndexOf(aliases)));
    EXPECT_EQ(Tree()->verticalScrollBar()->value(), scroll);
    EXPECT_TRUE(module->IsExpanded() && aliases->IsExpanded());
}

TEST_F(ModulePaneTest, ExpandingFollowsAndSetsTheExpandedFlags) {
    // A Library saved with open items opens with them open.
    {
        CVantorDoc library;
        CVConfig* module = library.NewModule("Tester");
        module->GetList(TypeAliasList)->AddChild(std::make_unique<CVAlias>());
        module->SetExpanded(true);
        module->GetList(TypeAliasList)->SetExpanded(true);
        module->GetList(TypeBindList)->SetExpanded(true); // no children: stays closed
        ASSERT_TRUE(library.SaveLibrary(folder.filePath("open.vtl").toStdString()).saved);
    }
    ASSERT_TRUE(libraries.OpenLibrary(folder.filePath("open.vtl")));
    Active()->ActivatePane(CChildFrame::ModulePane);
    CVConfig* module = Doc().GetModule(0);
    EXPECT_TRUE(Tree()->isExpanded(IndexOf(module)));
    EXPECT_TRUE(Tree()->isExpanded(IndexOf(module->GetList(TypeAliasList))));
    EXPECT_FALSE(Tree()->isExpanded(IndexOf(module->GetList(TypeDefinitionList))));

    // The user's expanding and collapsing go into the flags, without marking the Library.
    CVObList* definitions = module->GetList(TypeDefinitionList);
    definitions->AddChild(std::make_unique<CVCommand>());
    Doc().SetModified(false);
    Tree()->expand(IndexOf(definitions));
    EXPECT_TRUE(definitions->IsExpanded());
    Tree()->collapse(IndexOf(module));
    EXPECT_FALSE(module->IsExpanded());
    EXPECT_FALSE(Doc().IsModified());
}

TEST_F(ModulePaneTest, CheckBoxesShowAndToggleTheCurrentGamesModules) {
    CVConfig* module = AddModule("Used", 1);
    const CMTObj* alias = module->GetList(TypeAliasList)->GetChild(0);
    CScript* game = Doc().NewGame();
    Tree()->expand(IndexOf(module));
    Tree()->expand(IndexOf(alias->GetParent()));

    // No current Game: the grey box, which a click or Space does not change.
    EXPECT_EQ(CheckOf(module), Qt::PartiallyChecked);
    ClickCheckBox(module);
    Click(module);
    Key(Qt::Key_Space);
    EXPECT_EQ(CheckOf(module), Qt::PartiallyChecked);
    EXPECT_FALSE(IndexOf(alias).data(Qt::CheckStateRole).isValid());

    Doc().SetCurrentGame(game);
    EXPECT_EQ(CheckOf(module), Qt::Unchecked);
    ClickCheckBox(module);
    EXPECT_EQ(CheckOf(module), Qt::Checked);
    EXPECT_TRUE(game->UsesModule(*module));
    Key(Qt::Key_Space); // the Module is selected
    EXPECT_FALSE(game->UsesModule(*module));
    EXPECT_EQ(CheckOf(module), Qt::Unchecked);

    // Space on an Alias changes no Game.
    Click(alias);
    ASSERT_EQ(Pane().SelectedObject(), alias);
    Key(Qt::Key_Space);
    EXPECT_FALSE(game->UsesModule(*module));

    // A double click on the box neither toggles it nor opens or closes the Module.
    const bool open = Tree()->isExpanded(IndexOf(module));
    const QPoint box = Tree()->CheckBoxRect(IndexOf(module)).center();
    QMouseEvent twice(QEvent::MouseButtonDblClick, box, Viewport()->mapToGlobal(box),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(Viewport(), &twice);
    QTest::mouseRelease(Viewport(), Qt::LeftButton, {}, box);
    EXPECT_FALSE(game->UsesModule(*module));
    EXPECT_EQ(Tree()->isExpanded(IndexOf(module)), open);

    // The Game changing its Modules elsewhere shows once the Modules are asked again.
    game->AddModuleUse(*module);
    Pane().UpdateModuleChecks();
    EXPECT_EQ(CheckOf(module), Qt::Checked);
    Doc().SetCurrentGame(nullptr);
    EXPECT_EQ(CheckOf(module), Qt::PartiallyChecked);
}

TEST_F(ModulePaneTest, SelectionDrivesTheCommandPaneAndThePropertyWindow) {
    CVConfig* module = AddModule("M", 1);
    CMTObj* alias = module->GetList(TypeAliasList)->GetChild(0);
    Click(module);
    EXPECT_EQ(Active()->CommandView().CommandOwner(), module);
    EXPECT_EQ(Frame()->PropertyObject(), module);
    // The model's select-in-tree opens the parents.
    EXPECT_TRUE(alias->SelectNode());
    EXPECT_TRUE(Tree()->isExpanded(IndexOf(alias->GetParent())));
    EXPECT_EQ(Pane().SelectedObject(), alias);
    EXPECT_EQ(Active()->CommandView().CommandOwner(), alias);
    EXPECT_EQ(Frame()->PropertyObject(), alias);
    // Tab goes on to the Command Pane.
    Key(Qt::Key_Tab);
    EXPECT_EQ(Active()->ActivePaneIndex(), CChildFrame::CommandPane);
}

TEST_F(ModulePaneTest, ClipboardHoldsTheCoresArchiveAndPasteFollowsTheInsertRules) {
    CVConfig* module = AddModule("Source", 2);
    CMTObj* alias = module->GetList(TypeAliasList)->GetChild(0);
    AddCommand(*alias, "say");
    alias->SelectNode();
    Key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(ClipboardBytes(ObjectDataFormat()), alias->WriteClipboardData());

    // Pasted on a sibling the copy goes right after it.
    CMTObj* other = module->GetList(TypeAliasList)->GetChild(1);
    other->SelectNode();
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Names(*module->GetList(TypeAliasList)), (std::vector<std::string>{"a0", "a1", "a0"}));
    CMTObj* pasted = module->GetList(TypeAliasList)->GetChild(2);
    EXPECT_EQ(Pane().SelectedObject(), pasted);
    EXPECT_EQ(Commands(*pasted), std::vector<std::string>{"say"});

    // An Alias with nothing selected, or where an Alias cannot go: message 230, no change.
    const QString failed = QStringLiteral("Warning: Couldn't paste from the clipboard.");
    Tree()->clearSelection();
    EXPECT_TRUE(Enabled(CommandId::EditPaste));
    Trigger(CommandId::EditPaste);
    module->GetList(TypeBindList)->SelectNode();
    Trigger(CommandId::EditPaste);
    EXPECT_EQ(messages.calls, QStringList({failed, failed}));
    EXPECT_EQ(module->GetList(TypeAliasList)->GetChildCount(), 3);

    // A copied Module pasted with nothing selected is appended.
    module->SelectNode();
    Trigger(CommandId::EditCopy);
    const std::string moduleBytes = module->WriteClipboardData();
    Tree()->clearSelection();
    Trigger(CommandId::EditPaste);
    ASSERT_EQ(Doc().GetModuleCount(), 2);
    EXPECT_EQ(Doc().GetModule(1)->WriteClipboardData(), moduleBytes);
    EXPECT_EQ(Pane().SelectedObject(), Doc().GetModule(1));

    // Damaged data pastes nothing.
    auto* damaged = new QMimeData;
    damaged->setData(ObjectDataFormat(), QByteArray("\xFF\xFF\x02\x00", 4));
    QGuiApplication::clipboard()->setMimeData(damaged);
    messages.calls.clear();
    Trigger(CommandId::EditPaste);
    EXPECT_EQ(messages.calls, QStringList(failed));
    EXPECT_EQ(Doc().GetModuleCount(), 2);
}

TEST_F(ModulePaneTest, CutAndPasteOfAModuleRestoresItWithoutAsking) {
    App().Settings().confirmAll = true;
    CVConfig* module = AddModule("Whole", 3);
    AddTo<CVBind>(*module, TypeBindList, "");
    AddCommand(*module->GetList(TypeAliasList)->GetChild(1), "jump");
    AddCommand(*module->GetList(TypeStartupList), "echo");
    const std::string before = module->WriteClipboardData();
    module->SelectNode();
    Key(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(Doc().GetModuleCount(), 0);
    EXPECT_TRUE(messages.calls.isEmpty());
    EXPECT_EQ(Active()->CommandView().CommandOwner(), nullptr);
    EXPECT_EQ(Frame()->PropertyObject(), nullptr);
    Key(Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(Doc().GetModuleCount(), 1);
    EXPECT_EQ(Doc().GetModule(0)->WriteClipboardData(), before);
}

TEST_F(ModulePaneTest, DeleteAsksOnlyWithConfirmAll) {
    CVConfig* module = AddModule("M", 3);
    CVObList* aliases = module->GetList(TypeAliasList);

    App().Settings().confirmAll = true;
    messages.yesNoAnswer = false;
    aliases->GetChild(0)->SelectNode();
    Key(Qt::Key_Delete);
    EXPECT_EQ(messages.calls, QStringList("YesNo: Are you sure you want to delete this Alias?"));
    EXPECT_EQ(aliases->GetChildCount(), 3);
    messages.yesNoAnswer = true;
    Key(Qt::Key_Delete);
    EXPECT_EQ(Names(*aliases), (std::vector<std::string>{"a1", "a2"}));
    // The item that took its place is selected.
    EXPECT_EQ(Pane().SelectedObject(), aliases->GetChild(0));

    App().Settings().confirmAll = false;
    messages.calls.clear();
    Key(Qt::Key_Delete);
    EXPECT_EQ(Names(*aliases), std::vector<std::string>{"a2"});
    EXPECT_TRUE(messages.calls.isEmpty());
    // Lists cannot be deleted.
    aliases->SelectNode();
    EXPECT_FALSE(Enabled(CommandId::EditDelete));
}

TEST_F(ModulePaneTest, NewObjectsTakeTheirNamesAndLabelEditing) {
    CVConfig* module = AddModule("M");
    module->SelectNode();

    Trigger(CommandId::NewDefinition);
    CMTObj* definition = module->GetList(TypeDefinitionList)->GetChild(0);
    EXPECT_EQ(definition->GetName().rfind("NewDefinition", 0), 0u) << definition->GetName();
    EXPECT_EQ(Pane().SelectedObject(), definition);
    ASSERT_TRUE(Tree()->IsEditing());
    auto* editor = Tree()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, "bad.name"); // refused by Rename: the old name stays, no message
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(definition->GetName().rfind("NewDefinition", 0), 0u);
    EXPECT_TRUE(messages.calls.isEmpty());

    Key(Qt::Key_F2);
    editor = Tree()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, "sensitivity");
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(definition->GetName(), "sensitivity");

    // New Bind: no name from a format, no label editing, and no Rename.
    Key(Qt::Key_B, Qt::ControlModifier);
    CMTObj* bind = module->GetList(TypeBindList)->GetChild(0);
    EXPECT_EQ(Pane().SelectedObject(), bind);
    EXPECT_FALSE(Tree()->IsEditing());
    EXPECT_EQ(bind->GetName().find("New"), std::string::npos) << bind->GetName();
    EXPECT_FALSE(Enabled(CommandId::EditRename));

    // New Action Alias opens to show its halves and starts editing.
    Trigger(CommandId::NewActionAlias);
    CMTObj* action = module->GetList(TypeAliasList)->GetChild(0);
    EXPECT_EQ(action->GetType(), TypeActionAlias);
    EXPECT_TRUE(Tree()->isExpanded(IndexOf(action)));
    EXPECT_TRUE(Tree()->IsEditing());
    QTest::keyClick(Tree()->findChild<QLineEdit*>(), Qt::Key_Escape);

    // New Startup appends an empty command to the Startup List.
    bind->SelectNode();
    Key(Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(module->GetList(TypeStartupList)->GetCommandCount(), 1);
}

TEST_F(ModulePaneTest, NewCommandGoesToTheCommandPaneAndThePropertyWindow) {
    CVConfig* module = AddModule("M", 1);
    CMTObj* alias = module->GetList(TypeAliasList)->GetChild(0);
    Frame()->PropertyDock()->hide();
    module->GetList(TypeDefinitionList)->SelectNode();
    EXPECT_FALSE(Enabled(CommandId::NewCommand));
    alias->SelectNode();
    Trigger(CommandId::NewCommand);
    EXPECT_EQ(alias->GetCommandCount(), 1);
    EXPECT_EQ(Active()->ActivePaneIndex(), CChildFrame::CommandPane);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Frame()->PropertyDock()->isVisible(); }, 2000));
}

TEST_F(ModulePaneTest, MoveUpAndDownKeepTheSelection) {
    CVConfig* first = AddModule("First", 3);
    CVConfig* second = AddModule("Second");
    CVObList* aliases = first->GetList(TypeAliasList);
    CMTObj* a2 = aliases->GetChild(2);
    a2->SelectNode();
    Key(Qt::Key_Up, Qt::ControlModifier);
    Key(Qt::Key_Up, Qt::ControlModifier);
    Key(Qt::Key_Up, Qt::ControlModifier); // already first: nothing moves
    EXPECT_EQ(Names(*aliases), (std::vector<std::string>{"a2", "a0", "a1"}));
    EXPECT_EQ(Pane().SelectedObject(), a2);
    second->SelectNode();
    Trigger(CommandId::MoveUp);
    EXPECT_EQ(Doc().GetModule(0), second);
    EXPECT_EQ(Pane().SelectedObject(), second);
    aliases->SelectNode();
    EXPECT_FALSE(Enabled(CommandId::MoveDown));
}

TEST_F(ModulePaneTest, ContextMenusFollowTheObjectAndRouteLikeTheMenuBar) {
    CVConfig* module = AddModule("M", 1);
    CMTObj* alias = module->GetList(TypeAliasList)->GetChild(0);
    alias->SelectNode();
    Tree()->clearSelection();

    QTest::mouseClick(Viewport(), Qt::RightButton, {}, CentreOf(alias));
    QMenu* menu = OpenMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(Entries(menu),
              QStringList({"Cu&t", "&Copy", "&Delete", "-", "&Rename", "-", "N&ew Command"}));
    EXPECT_EQ(Pane().SelectedObject(), alias); // the right button selects
    // Choosing Copy runs the command on the selection.
    QAction* copy = menu->actions().at(1);
    EXPECT_TRUE(copy->isEnabled());
    menu->close();
    copy->trigger();
    EXPECT_EQ(ClipboardBytes(ObjectDataFormat()), alias->WriteClipboardData());

    // Shift+F10 and the menu key open the menu of the selected item.
    module->GetList(TypeAliasList)->SelectNode();
    Key(Qt::Key_F10, Qt::ShiftModifier);
    menu = OpenMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(Entries(menu), QStringList({"New &Alias", "New Action Alias"}));
    menu->close();
    module->SelectNode();
    Key(Qt::Key_Menu);
    menu = OpenMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(Entries(menu).size(), 15);
    EXPECT_EQ(Entries(menu).first(), QStringLiteral("New Definition"));
    menu->close();
    // Right button on the empty space below the items.
    QTest::mouseClick(Viewport(), Qt::RightButton, {}, QPoint(5, Viewport()->height() - 5));
    menu = OpenMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(Entries(menu),
              QStringList({"New &Module", "-", "&Import Module...", "Import &Script file..."}));
    menu->close();
    EXPECT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() == nullptr; }, 2000));
}

TEST_F(ModulePaneTest, DraggingAnAliasCopiesWithCtrlAndMovesWithout) {
    CVConfig* source = AddModule("Source", 2);
    CVConfig* target = AddModule("Target", 1);
    CVObList* from = source->GetList(TypeAliasList);
    CVObList* to = target->GetList(TypeAliasList);
    CMTObj* dragged = from->GetChild(0);
    AddCommand(*dragged, "say");
    Tree()->expand(IndexOf(from));
    Tree()->expand(IndexOf(to));
    QCoreApplication::processEvents();

    // The drag loop drops on the target list with the test's modifiers.
    Qt::KeyboardModifiers modifiers;
    Pane().SetDragLoop([&](QMimeData* data, Qt::DropActions actions) {
        EXPECT_EQ(actions, Qt::CopyAction | Qt::MoveAction);
        EXPECT_EQ(data->data(ObjectDataFormat()).toStdString(), dragged->WriteClipboardData());
        return Drop(data, CentreOf(to), modifiers);
    });
    const auto drag = [&](CMTObj* node) { DragNode(Pane(), node); };

    modifiers = Qt::ControlModifier;
    drag(dragged);
    EXPECT_EQ(Names(*from), (std::vector<std::string>{"a0", "a1"}));
    EXPECT_EQ(Names(*to), (std::vector<std::string>{"a0", "a0"}));
    EXPECT_EQ(Commands(*to->GetChild(1)), std::vector<std::string>{"say"});

    modifiers = Qt::NoModifier;
    drag(dragged);
    EXPECT_EQ(Names(*from), std::vector<std::string>{"a1"});
    EXPECT_EQ(Names(*to), (std::vector<std::string>{"a0", "a0", "a0"}));
    EXPECT_EQ(Pane().SelectedObject(), to->GetChild(2));

    // A list may not be dragged: the no-drop cursor until the button is released.
    const QPoint start = CentreOf(from);
    QTest::mousePress(Viewport(), Qt::LeftButton, {}, start);
    const QPoint far = PullAway(start);
    EXPECT_EQ(Tree()->Mode(), ModuleTree::MouseMode::RefusedDrag);
    EXPECT_EQ(Viewport()->cursor().shape(), Qt::ForbiddenCursor);
    QTest::mouseRelease(Viewport(), Qt::LeftButton, {}, far);
    EXPECT_EQ(Tree()->Mode(), ModuleTree::MouseMode::Idle);
    EXPECT_EQ(Viewport()->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(ModulePaneTest, DroppedObjectsThatCannotGoThereLeaveTheLibraryAlone) {
    CVConfig* module = AddModule("M", 1);
    Tree()->expand(IndexOf(module));
    CVAlias alias;
    alias.Rename("loose");
    QMimeData data;
    data.setData(ObjectDataFormat(), Bytes(alias.WriteClipboardData()));
    // An Alias on the Bind List: no effect, so a moving drag keeps its source.
    EXPECT_EQ(Drop(&data, CentreOf(module->GetList(TypeBindList)), {}), Qt::IgnoreAction);
    EXPECT_EQ(Drop(&data, QPoint(5, Viewport()->height() - 5), {}), Qt::IgnoreAction);
    EXPECT_EQ(module->GetList(TypeBindList)->GetChildCount(), 0);
    EXPECT_EQ(module->GetList(TypeAliasList)->GetChildCount(), 1);
    EXPECT_FALSE(Tree()->DropHighlight().isValid());
}

TEST_F(ModulePaneTest, AModuleDroppedBelowTheItemsGoesLast) {
    CVConfig* first = AddModule("First", 1);
    AddModule("Second");
    // The selection decides where a pasted Module goes, not where a dropped one does.
    first->SelectNode();
    QMimeData data;
    data.setData(ObjectDataFormat(), Bytes(first->WriteClipboardData()));
    bool accepted = false;
    EXPECT_EQ(Drop(&data, QPoint(5, Viewport()->height() - 5), Qt::ControlModifier, &accepted),
              Qt::CopyAction);
    EXPECT_TRUE(accepted);
    ASSERT_EQ(Doc().GetModuleCount(), 3);
    EXPECT_EQ(Doc().GetModule(2)->WriteClipboardData(), first->WriteClipboardData());
    EXPECT_EQ(Pane().SelectedObject(), Doc().GetModule(2));
}

TEST_F(ModulePaneTest, AModuleDroppedBelowTheRowsGoesInAsANewModule) {
    // As when dragged from another Library's window into an empty Module Pane.
    CVConfig other;
    other.Rename("Zoom");
    QMimeData data;
    data.setData(ObjectDataFormat(), Bytes(other.WriteClipboardData()));
    const QPoint below(5, Viewport()->height() - 5);
    ASSERT_FALSE(Tree()->indexAt(below).isValid());
    bool moveAccepted = false;
    EXPECT_EQ(Drop(&data, below, Qt::ControlModifier, &moveAccepted), Qt::CopyAction);
    EXPECT_TRUE(moveAccepted);
    ASSERT_EQ(Doc().GetModuleCount(), 1);
    EXPECT_EQ(Doc().GetModule(0)->GetName(), "Zoom");
    EXPECT_EQ(Pane().SelectedObject(), Doc().GetModule(0));
}

TEST_F(ModulePaneTest, FragmentsDropAndPasteOnlyOntoObjectsThatTakeCommands) {
    CVConfig* module = AddModule("M");
    CMTObj* definition = AddTo<CVCommand>(*module, TypeDefinitionList, "def");
    CMTObj* bind = AddTo<CVBind>(*module, TypeBindList, "");
    AddCommand(*bind, "old");
    Tree()->expand(IndexOf(module));
    Tree()->expand(IndexOf(definition->GetParent()));
    Tree()->expand(IndexOf(bind->GetParent()));

    CCmdFrag one, two;
    one.SetCommand("first");
    two.SetCommand("second");
    QMimeData data;
    data.setData(CommandDataFormat(), Bytes(CCmdFrag::WriteCommandData({&one, &two})));

    bool accepted = true;
    EXPECT_EQ(Drop(&data, CentreOf(definition), {}, &accepted), Qt::IgnoreAction);
    EXPECT_FALSE(accepted); // the no-drop effect while over it
    EXPECT_EQ(definition->GetCommandCount(), 0);

    EXPECT_EQ(Drop(&data, CentreOf(bind), Qt::ControlModifier, &accepted), Qt::CopyAction);
    EXPECT_TRUE(accepted);
    EXPECT_EQ(Commands(*bind), (std::vector<std::string>{"first", "second", "old"}));

    // Paste of the same data does what the drop does.
    auto* copied = new QMimeData;
    copied->setData(CommandDataFormat(), data.data(CommandDataFormat()));
    QGuiApplication::clipboard()->setMimeData(copied);
    definition->SelectNode();
    EXPECT_FALSE(Enabled(CommandId::EditPaste));
    bind->SelectNode();
    EXPECT_TRUE(Enabled(CommandId::EditPaste));
    Trigger(CommandId::EditPaste);
    EXPECT_EQ(Commands(*bind),
              (std::vector<std::string>{"first", "second", "first", "second", "old"}));
    EXPECT_TRUE(messages.calls.isEmpty());
}

} // namespace
} // namespace vantor::test
