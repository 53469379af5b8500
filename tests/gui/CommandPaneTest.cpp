// The Command Pane on the fragments of real Aliases: listing an owner, the commands and their
// states, the clipboard (its bytes are the core's), drags within the list and from outside with
// their anchor rules, and the owner leaving the Library.
#include "DragEvents.h"
#include "LibraryFixture.h"
#include "app/CVantorApp.h"
#include "document/CVantorDoc.h"
#include "model/CCmdFrag.h"
#include "model/CVAlias.h"
#include "model/CVConfig.h"
#include "model/CVObList.h"
#include "model/ModelCodes.h"
#include "ui/frame/CChildFrame.h"
#include "ui/frame/CCmdFragView.h"
#include "ui/frame/CMainFrame.h"
#include "ui/frame/ClipboardFormats.h"
#include "ui/frame/CommandListModel.h"
#include "ui/frame/CommandRouter.h"
#include "ui/frame/PaneContextMenu.h"
#include "ui/frame/PaneList.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QClipboard>
#include <QDockWidget>
#include <QDrag>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace vantor::test {
namespace {

class CommandPaneTest : public LibraryFixture {
protected:
    void SetUp() override {
        LibraryFixture::SetUp();
        ASSERT_TRUE(StartEditor());
        window = Active();
        module = Active()->Document().NewModule("Tester");
        aliases = module->GetList(TypeAliasList);
        alias = AddAlias("c1;c2;c3;c4");
        Pane().SetCommandOwner(alias);
        Active()->ActivatePane(CChildFrame::CommandPane);
        QGuiApplication::clipboard()->clear();
        // Every test also checks that the list model keeps Qt's rules.
        tester = std::make_unique<QAbstractItemModelTester>(
            Pane().Model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    }
    void TearDown() override {
        tester.reset();
        LibraryFixture::TearDown();
    }

    CMTObj* AddAlias(const char* commands) {
        auto made = std::make_unique<CVAlias>();
        made->SetCommandsFromText(commands);
        CMTObj* added = made.get();
        aliases->AddChild(std::move(made));
        return added;
    }

    // The pane of the window opened at the start, even while another window is active.
    CCmdFragView& Pane() const { return window->CommandView(); }
    PaneList* List() const { return Pane().List(); }
    QWidget* Viewport() const { return List()->viewport(); }
    /// The commands of the owner, in order.
    static QStringList Commands(const CMTObj* owner) {
        QStringList texts;
        for (int i = 0; i < owner->GetCommandCount(); ++i)
            texts.append(QString::fromStdString(owner->GetCommand(i)->GetCommand()));
        return texts;
    }
    QStringList Rows() const {
        QStringList texts;
        for (int i = 0; i < Pane().Model()->rowCount(); ++i)
            texts.append(Pane().Model()->index(i).data().toString());
        return texts;
    }
    QPoint RowPoint(int row) const {
        const QRect rect = List()->visualRect(Pane().Model()->index(row));
        return QPoint(rect.left() + 24, rect.center().y());
    }
    void ClickRow(int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::mouseClick(Viewport(), Qt::LeftButton, modifiers, RowPoint(row));
    }
    bool Enabled(CommandId id) const {
        Frame()->Router().UpdateActions();
        return Frame()->Router().Action(id)->isEnabled();
    }
    std::vector<int> SelectedRows() const {
        std::vector<int> rows;
        for (const CCmdFrag* fragment : Pane().SelectedFragments())
            rows.push_back(fragment->GetRow());
        return rows;
    }

    CChildFrame* window = nullptr;
    CVConfig* module = nullptr;
    CMTObj* aliases = nullptr;
    CMTObj* alias = nullptr;
    std::unique_ptr<QAbstractItemModelTester> tester;
};

TEST_F(CommandPaneTest, ListsTheOwnersCommandsAndKeepsThemCurrent) {
    EXPECT_EQ(Rows(), QStringList({"c1", "c2", "c3", "c4"}));
    EXPECT_EQ(List()->model()->headerData(0, Qt::Horizontal), QStringLiteral("Command"));
    EXPECT_EQ(List()->header()->sectionSize(0), 150);

    // The same owner again rebuilds nothing; another one does.
    QSignalSpy resets(Pane().Model(), &QAbstractItemModel::modelReset);
    ClickRow(1);
    Pane().SetCommandOwner(alias);
    EXPECT_EQ(resets.count(), 0);
    EXPECT_EQ(SelectedRows(), std::vector<int>({1}));
    CMTObj* other = AddAlias("x");
    Pane().SetCommandOwner(other);
    EXPECT_EQ(resets.count(), 1);
    EXPECT_EQ(Rows(), QStringList({"x"}));
    EXPECT_EQ(Frame()->PropertyObject(), nullptr);
    Pane().SetCommandOwner(alias);

    // Changes made elsewhere show in their rows; other owners' changes are not listed.
    QSignalSpy changed(Pane().Model(), &QAbstractItemModel::dataChanged);
    alias->GetCommand(2)->SetCommand("fov");
    alias->GetCommand(2)->UpdateText();
    EXPECT_EQ(Rows(), QStringList({"c1", "c2", "fov", "c4"}));
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.first().first().value<QModelIndex>().row(), 2);
    other->AddCommand(std::make_unique<CCmdFrag>());
    EXPECT_EQ(Pane().Model()->rowCount(), 4);

    // Focusing a row shows its fragment in the Property Window.
    ClickRow(3);
    EXPECT_EQ(Frame()->PropertyObject(), alias->GetCommand(3));
}

TEST_F(CommandPaneTest, NewCommandGoesAfterTheFocusedRowOrAtTheEnd) {
    struct Case {
        int focused; // -1: no focused row
        int newRow;
    } const cases[] = {{-1, 4}, {1, 2}};
    for (const Case& c : cases) {
        CMTObj* owner = AddAlias("c1;c2;c3;c4");
        Pane().SetCommandOwner(owner);
        Active()->ActivatePane(CChildFrame::CommandPane);
        if (c.focused >= 0)
            ClickRow(c.focused);
        Frame()->PropertyDock()->hide();
        Trigger(CommandId::NewCommand);
        ASSERT_EQ(owner->GetCommandCount(), 5) << c.focused;
        const CCmdFrag* made = owner->GetCommand(c.newRow);
        EXPECT_EQ(made->GetCommand(), "") << c.focused;
        EXPECT_EQ(Pane().FocusedFragment(), made) << c.focused;
        EXPECT_EQ(SelectedRows(), std::vector<int>({c.newRow})) << c.focused;
        EXPECT_EQ(Frame()->PropertyObject(), made) << c.focused;
        EXPECT_EQ(Pane().Model()->index(c.newRow).data(), QStringLiteral("???"));
        // Show Property Window follows once the command is done.
        EXPECT_TRUE(QTest::qWaitFor([&] { return Frame()->PropertyDock()->isVisible(); }, 2000))
            << c.focused;
    }
    // An owner that takes no commands offers no New Command.
    Pane().SetCommandOwner(aliases);
    EXPECT_FALSE(Enabled(CommandId::NewCommand));
}

TEST_F(CommandPaneTest, CopyPutsTheCoresBytesOnTheClipboardAndPasteFollowsTheAnchor) {
    ClickRow(0);
    ClickRow(2, Qt::ControlModifier);
    EXPECT_TRUE(Enabled(CommandId::EditCopy));
    EXPECT_FALSE(Enabled(CommandId::EditPaste));
    QTest::keyClick(List(), Qt::Key_C, Qt::ControlModifier);
    const std::optional<std::string> bytes =
        CommandDataOf(QGuiApplication::clipboard()->mimeData());
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(*bytes, CCmdFrag::WriteCommandData({alias->GetCommand(0), alias->GetCommand(2)}));

    // With row 4 focused the copies follow it, in their order.
    ClickRow(3);
    EXPECT_TRUE(Enabled(CommandId::EditPaste));
    QTest::keyClick(List(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Commands(alias), QStringList({"c1", "c2", "c3", "c4", "c1", "c3"}));

    // An empty list of an owner that takes commands gets them all, in order.
    CMTObj* empty = AddAlias("");
    Pane().SetCommandOwner(empty);
    EXPECT_FALSE(Enabled(CommandId::EditSelectAll));
    Trigger(CommandId::EditPaste);
    EXPECT_EQ(Commands(empty), QStringList({"c1", "c3"}));
    // With no focused row the last row is the anchor.
    Trigger(CommandId::EditPaste);
    EXPECT_EQ(Commands(empty), QStringList({"c1", "c3", "c1", "c3"}));
    EXPECT_TRUE(messages.calls.isEmpty());

    // An owner that takes no commands offers no Paste.
    Pane().SetCommandOwner(aliases);
    EXPECT_FALSE(Enabled(CommandId::EditPaste));
}

TEST_F(CommandPaneTest, DamagedClipboardDataPastesNothingAndSaysSo) {
    auto* data = new QMimeData;
    data->setData(CommandDataFormat(), QByteArray("\x02\x00\x00\x00\xFF\xFF", 6));
    QGuiApplication::clipboard()->setMimeData(data);
    ClickRow(1);
    Trigger(CommandId::EditPaste);
    EXPECT_EQ(Commands(alias), QStringList({"c1", "c2", "c3", "c4"}));
    EXPECT_EQ(messages.calls, QStringList({"Warning: Couldn't paste from the clipboard."}));
}

TEST_F(CommandPaneTest, CutAndDeleteTakeTheSelectionWithoutAsking) {
    ClickRow(1);
    ClickRow(3, Qt::ControlModifier);
    Trigger(CommandId::EditCut);
    EXPECT_EQ(Commands(alias), QStringList({"c1", "c3"}));
    EXPECT_EQ(Frame()->PropertyObject(), nullptr);
    EXPECT_EQ(Pane().FocusedFragment(), nullptr);
    ClickRow(0);
    QTest::keyClick(List(), Qt::Key_Delete);
    EXPECT_EQ(Commands(alias), QStringList({"c3"}));
    EXPECT_TRUE(messages.calls.isEmpty());
    EXPECT_FALSE(Enabled(CommandId::EditDelete));
    // The cut commands are on the clipboard.
    Trigger(CommandId::EditPaste);
    EXPECT_EQ(Commands(alias), QStringList({"c3", "c2", "c4"}));
}

TEST_F(CommandPaneTest, MoveAndSelectAllStates) {
    struct Case {
        std::vector<int> rows; // clicked, the first plainly, the others with Ctrl
        bool up, down, copy;
    } const cases[] = {
        {{0}, false, true, true},
        {{2}, true, true, true},
        {{3}, true, false, true},
        {{1, 2}, false, false, true},
    };
    for (const Case& c : cases) {
        for (std::size_t i = 0; i < c.rows.size(); ++i)
            ClickRow(c.rows[i], i == 0 ? Qt::NoModifier : Qt::ControlModifier);
        EXPECT_EQ(Enabled(CommandId::MoveUp), c.up) << c.rows.size() << c.rows.back();
        EXPECT_EQ(Enabled(CommandId::MoveDown), c.down) << c.rows.size() << c.rows.back();
        EXPECT_EQ(Enabled(CommandId::EditCopy), c.copy) << c.rows.size() << c.rows.back();
    }

    ClickRow(1);
    const CCmdFrag* moved = alias->GetCommand(1);
    Trigger(CommandId::MoveDown);
    EXPECT_EQ(Commands(alias), QStringList({"c1", "c3", "c2", "c4"}));
    EXPECT_EQ(Pane().FocusedFragment(), moved);
    EXPECT_EQ(SelectedRows(), std::vector<int>({2}));
    Trigger(CommandId::MoveUp);
    Trigger(CommandId::MoveUp);
    EXPECT_EQ(Commands(alias), QStringList({"c2", "c1", "c3", "c4"}));
    EXPECT_FALSE(Enabled(CommandId::MoveUp));

    Trigger(CommandId::EditSelectAll);
    EXPECT_EQ(SelectedRows(), std::vector<int>({0, 1, 2, 3}));
    EXPECT_EQ(List()->currentIndex().row(), 0);
    EXPECT_EQ(Frame()->PropertyObject(), alias->GetCommand(0));
    EXPECT_FALSE(Enabled(CommandId::MoveUp));

    Pane().SetCommandOwner(AddAlias(""));
    EXPECT_FALSE(Enabled(CommandId::EditSelectAll));
    EXPECT_FALSE(Enabled(CommandId::EditCopy));
    Pane().SetCommandOwner(nullptr);
    EXPECT_FALSE(Enabled(CommandId::EditSelectAll));
}

// Drags the selected rows with the mouse; the pane's drag loop plays the platform's part.
void DragSelectedRows(PaneList* list, const QPoint& from) {
    QWidget* viewport = list->viewport();
    QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, from);
    // The first move arms the drag, the next one beyond the drag distance starts it.
    const QPoint to = from + QPoint(0, 40);
    for (const QPoint& at : {from + QPoint(0, 1), to}) {
        QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(viewport->mapToGlobal(at)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(viewport, &move);
    }
    QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, to);
}

TEST_F(CommandPaneTest, DraggingRowsOntoARowCopiesWithCtrlAndMovesWithout) {
    struct Case {
        Qt::KeyboardModifiers modifiers;
        Qt::DropAction result;
        const char* commands;
        bool originalsStay;
    } const cases[] = {
        {Qt::ControlModifier, Qt::CopyAction, "c1 c2 c3 c2 c3 c4", true},
        {Qt::NoModifier, Qt::MoveAction, "c1 c2 c3 c4", false},
    };
    for (const Case& c : cases) {
        CMTObj* owner = AddAlias("c1;c2;c3;c4");
        Pane().SetCommandOwner(owner);
        const CCmdFrag* second = owner->GetCommand(1);
        const CCmdFrag* third = owner->GetCommand(2);
        ClickRow(1);
        ClickRow(2, Qt::ShiftModifier);
        DragAnswer answer;
        int drags = 0;
        Pane().SetDragLoop([&](QDrag& drag) {
            ++drags;
            answer = DragOver(Viewport(), RowPoint(0), drag.mimeData(), c.modifiers, true);
            return answer.Result();
        });
        DragSelectedRows(List(), RowPoint(1));
        ASSERT_EQ(drags, 1) << c.commands;
        EXPECT_TRUE(answer.moveAccepted) << c.commands;
        EXPECT_EQ(answer.Result(), c.result) << c.commands;
        EXPECT_EQ(Commands(owner).join(' '), QLatin1String(c.commands));
        // The copies came in after row 1; without Ctrl the dragged rows have gone. (The
        // copies were made before the originals were freed, so no row reuses their address.)
        const bool originalsThere = owner->GetCommandCount() == 6 &&
                                    owner->GetCommand(3) == second && owner->GetCommand(4) == third;
        EXPECT_EQ(originalsThere, c.originalsStay) << c.commands;
        if (!c.originalsStay) {
            EXPECT_NE(owner->GetCommand(1), second);
            EXPECT_NE(owner->GetCommand(2), third);
        }
        EXPECT_EQ(Rows().join(' '), QLatin1String(c.commands));
        EXPECT_EQ(List()->DropRow(), -1);
    }
}

TEST_F(CommandPaneTest, DropsUnderTheLastRowGoFirstAndBelowTheListGoLast) {
    List()->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QCoreApplication::processEvents();
    QScrollBar* bar = List()->horizontalScrollBar();
    ASSERT_TRUE(bar->isVisible());
    CCmdFrag dropped;
    dropped.SetCommand("x");
    std::unique_ptr<QMimeData> data(MakeCommandMimeData({&dropped}));

    struct Case {
        const char* where;
        QWidget* target;
        QPoint point;
        const char* commands;
    } const cases[] = {
        {"empty area in the list", Viewport(), QPoint(10, Viewport()->height() - 3),
         "x c1 c2 c3 c4"},
        {"horizontal scroll bar", bar, bar->rect().center(), "c1 c2 c3 c4 x"},
        {"row 3", Viewport(), RowPoint(2), "c1 c2 c3 x c4"},
    };
    for (const Case& c : cases) {
        CMTObj* owner = AddAlias("c1;c2;c3;c4");
        Pane().SetCommandOwner(owner);
        const DragAnswer answer =
            DragOver(c.target, c.point, data.get(), Qt::ControlModifier, true);
        EXPECT_TRUE(answer.moveAccepted) << c.where;
        EXPECT_EQ(answer.Result(), Qt::CopyAction) << c.where;
        EXPECT_EQ(Commands(owner).join(' '), QLatin1String(c.commands)) << c.where;
    }
}

TEST_F(CommandPaneTest, DraggingToAnotherLibrarysWindowMovesTheCommandsThere) {
    CChildFrame* source = window;
    ASSERT_TRUE(libraries.NewEmptyLibrary());
    CChildFrame* target = Active();
    ASSERT_NE(source, target);
    CVConfig* otherModule = target->Document().NewModule("Tester");
    auto made = std::make_unique<CVAlias>();
    made->SetCommandsFromText("t1");
    CMTObj* otherAlias = made.get();
    otherModule->GetList(TypeAliasList)->AddChild(std::move(made));
    target->CommandView().SetCommandOwner(otherAlias);

    PaneList* from = source->CommandView().List();
    QWidget* to = target->CommandView().List()->viewport();
    ClickRow(0);
    ClickRow(1, Qt::ShiftModifier);
    source->CommandView().SetDragLoop([&](QDrag& drag) {
        // Below the client area of the other list: after its last row.
        return DragOver(to, QPoint(10, to->height() + 5), drag.mimeData(), Qt::NoModifier, true)
            .Result();
    });
    DragSelectedRows(from, RowPoint(0));
    EXPECT_EQ(Commands(otherAlias), QStringList({"t1", "c1", "c2"}));
    EXPECT_EQ(Commands(alias), QStringList({"c3", "c4"}));
    EXPECT_TRUE(target->Document().IsModified());
}

TEST_F(CommandPaneTest, DropsThatCannotBeTakenAreRefused) {
    CCmdFrag dropped;
    dropped.SetCommand("x");
    std::unique_ptr<QMimeData> commands(MakeCommandMimeData({&dropped}));
    QMimeData other;
    other.setText(QStringLiteral("c9"));
    QMimeData damaged;
    damaged.setData(CommandDataFormat(), QByteArray("\x05\x00\x00\x00", 4));

    struct Case {
        const char* what;
        CMTObj* owner;
        const QMimeData* data;
    } const cases[] = {
        {"no owner", nullptr, commands.get()},
        {"an owner that takes no commands", aliases, commands.get()},
        {"other data", alias, &other},
        {"damaged data", alias, &damaged},
    };
    for (const Case& c : cases) {
        Pane().SetCommandOwner(c.owner);
        const int before = c.owner ? c.owner->GetCommandCount() : 0;
        const DragAnswer answer = DragOver(Viewport(), QPoint(10, 5), c.data, Qt::NoModifier, true);
        EXPECT_EQ(answer.Result(), Qt::IgnoreAction) << c.what;
        if (c.owner) {
            EXPECT_EQ(c.owner->GetCommandCount(), before) << c.what;
        }
    }
    // Over the rows of the list fragments are offered but other data is not.
    Pane().SetCommandOwner(alias);
    EXPECT_FALSE(DragOver(Viewport(), RowPoint(1), &other, Qt::NoModifier, false).moveAccepted);
    const DragAnswer over =
        DragOver(Viewport(), RowPoint(1), commands.get(), Qt::NoModifier, false);
    EXPECT_TRUE(over.moveAccepted);
    EXPECT_EQ(over.moveAction, Qt::MoveAction);
    EXPECT_EQ(List()->DropRow(), -1);
}

TEST_F(CommandPaneTest, ContextMenusAndTheOwnerLeavingTheLibrary) {
    ClickRow(0);
    QTest::mousePress(Viewport(), Qt::RightButton, Qt::NoModifier, RowPoint(2));
    EXPECT_EQ(SelectedRows(), std::vector<int>({0, 2}));
    EXPECT_EQ(List()->currentIndex().row(), 0);
    QTest::mouseRelease(Viewport(), Qt::RightButton, Qt::NoModifier, RowPoint(2));
    QMenu* menu = Pane().ContextMenus()->Shown();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->objectName(), QStringLiteral("menu150"));
    QStringList items;
    for (const QAction* action : menu->actions())
        items.append(action->isSeparator() ? QStringLiteral("-") : action->objectName());
    EXPECT_EQ(items, QStringList({"actionEditCut", "actionEditCopy", "actionEditDelete", "-",
                                  "actionNewCommand"}));
    menu->close();
    const QPoint empty(10, Viewport()->height() - 3);
    QTest::mousePress(Viewport(), Qt::RightButton, Qt::NoModifier, empty);
    QTest::mouseRelease(Viewport(), Qt::RightButton, Qt::NoModifier, empty);
    ASSERT_NE(Pane().ContextMenus()->Shown(), nullptr);
    EXPECT_EQ(Pane().ContextMenus()->Shown()->objectName(), QStringLiteral("menu154"));
    Pane().ContextMenus()->Shown()->close();

    // The Module holding the owner leaves the Library: the list lets the owner go.
    const std::unique_ptr<CVConfig> taken = Active()->Document().RemoveModule(*module, true);
    EXPECT_EQ(Pane().CommandOwner(), nullptr);
    EXPECT_EQ(Pane().Model()->rowCount(), 0);
    EXPECT_EQ(Frame()->PropertyObject(), nullptr);
}

} // namespace
} // namespace vantor::test
