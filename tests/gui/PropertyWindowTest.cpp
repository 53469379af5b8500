// The Property Window: the kind of the current object, which page shows it, the order in
// which pages save and load, renames from elsewhere, the focus, and the main window's keys
// inside a page.
#include "PageFixture.h"
#include "ui/frame/CModuleView.h"
#include "app/CVantorApp.h"
#include "model/CVAliasActSub.h"
#include "ui/frame/CChildFrame.h"
#include "ui/frame/ClipboardFormats.h"
#include "ui/frame/CommandRouter.h"

#include <QClipboard>
#include <QDockWidget>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>
#include <QPlainTextEdit>

#include <functional>
#include <utility>
#include <vector>

namespace vantor::test {
namespace {

class PropertyWindowTest : public PageFixture {};

TEST_F(PropertyWindowTest, EveryKindShowsItsIconCaptionAndPage) {
    CVConfig& module = AddModule("Weapons");
    CVCommand& definition = AddDef(module, "fire", ParamNone);
    CVAlias& alias = AddAlias<CVAlias>(module, "reload");
    CVAliasAct& action = AddAlias<CVAliasAct>(module, "zoom");
    CVBind& bind = AddBind(module, 0);
    CCmdFrag& fragment = AddStartup(module);
    CScript& game = *Doc().NewGame();

    struct Row {
        ArchiveObject* object;
        const char* caption;
        int icon;
        int page;
    } const rows[] = {
        {&module, "Module", 0, CObjectProp::ModulePage},
        {module.GetList(TypeDefinitionList), "Definition List", 1, CObjectProp::kNoPage},
        {module.GetList(TypeAliasList), "Alias List", 2, CObjectProp::kNoPage},
        {module.GetList(TypeBindList), "Bind List", 3, CObjectProp::kNoPage},
        {module.GetList(TypeStartupList), "Startup List", 4, CObjectProp::kNoPage},
        {&definition, "Definition", 5, CObjectProp::DefinitionPage},
        {&alias, "Alias", 6, CObjectProp::AliasPage},
        {&action, "Action Alias", 7, CObjectProp::AliasPage},
        {action.GetHalf(true), "Action Alias (+)", 8, CObjectProp::kNoPage},
        {action.GetHalf(false), "Action Alias (-)", 9, CObjectProp::kNoPage},
        {&bind, "Bind", 10, CObjectProp::BindPage},
        {&fragment, "Command", 11, CObjectProp::CommandPage},
        {&game, "Game", 12, CObjectProp::GamePage},
        {nullptr, "No selection", -1, CObjectProp::kNoPage},
    };
    auto* noProperties = Find<QLabel>("noProperties");
    for (const Row& row : rows) {
        Show(row.object);
        EXPECT_EQ(Prop().Caption(), QLatin1String(row.caption));
        EXPECT_EQ(Prop().IconIndex(), row.icon) << row.caption;
        EXPECT_EQ(Prop().VisiblePageIndex(), row.page) << row.caption;
        EXPECT_EQ(noProperties->text(), QStringLiteral("No properties available"));
        EXPECT_EQ(noProperties->isVisible(), row.page == CObjectProp::kNoPage) << row.caption;
        // At most one page is shown, and it is attached to the shown object.
        int shown = 0;
        for (int i = 0; i < CObjectProp::kPageCount; ++i) {
            shown += Prop().Page(i)->isVisible() ? 1 : 0;
            EXPECT_EQ(Prop().Page(i)->Object(), i == row.page ? row.object : nullptr);
        }
        EXPECT_EQ(shown, row.page == CObjectProp::kNoPage ? 0 : 1) << row.caption;
    }
    // Every page fits the one page area.
    const QSize area = Find("pageArea")->contentsRect().size();
    for (int i = 0; i < CObjectProp::kPageCount; ++i) {
        EXPECT_EQ(Prop().Page(i)->size(), area);
        EXPECT_TRUE(area.expandedTo(Prop().Page(i)->minimumSizeHint()) == area) << i;
    }
}

TEST_F(PropertyWindowTest, TheLeftPageSavesIntoItsOwnObject) {
    CVConfig& module = AddModule("Moves");
    CVAlias& alias = AddAlias<CVAlias>(module, "first");
    CVAliasAct& action = AddAlias<CVAliasAct>(module, "second");
    Show(&alias);
    auto* name = Find<QLineEdit>("aliasName");
    auto* description = Find<QPlainTextEdit>("aliasDescription");
    Type(name, QStringLiteral("renamed"));
    description->setFocus();
    QTest::keyClicks(description, QStringLiteral("pending"));

    // The same page stays; the first Alias gets both pending edits before the second loads.
    Show(&action);
    EXPECT_EQ(Prop().VisiblePageIndex(), CObjectProp::AliasPage);
    EXPECT_EQ(alias.GetName(), "renamed");
    EXPECT_EQ(alias.GetDescription(), "pending");
    EXPECT_EQ(action.GetName(), "second");
    EXPECT_EQ(action.GetDescription(), "");
    EXPECT_EQ(name->text(), QStringLiteral("second"));
    EXPECT_EQ(description->toPlainText(), QString());

    // Leaving for an object without a page, or for none, saves as well.
    QTest::keyClicks(description, QStringLiteral("kept"));
    Show(module.GetList(TypeAliasList));
    EXPECT_EQ(action.GetDescription(), "kept");
    EXPECT_TRUE(messages.calls.isEmpty()) << messages.calls.join('\n').toStdString();
}

TEST_F(PropertyWindowTest, ShowingTheSameObjectAgainSavesAndReloads) {
    CVConfig& module = AddModule("Moves");
    CVCommand& definition = AddDef(module, "jump", ParamNone);
    Show(&definition);
    auto* description = Find<QPlainTextEdit>("definitionDescription");
    description->setFocus();
    QTest::keyClicks(description, QStringLiteral("leaps"));
    // Changed elsewhere: the page does not know until it is loaded again.
    definition.SetDefParamType(ParamInteger);
    EXPECT_FALSE(Find<QLineEdit>("rangeMin")->isEnabled());

    Show(&definition);
    EXPECT_EQ(definition.GetDescription(), "leaps");
    EXPECT_TRUE(Find<QAbstractButton>("type4")->isChecked());
    EXPECT_TRUE(Find<QLineEdit>("rangeMin")->isEnabled());
}

TEST_F(PropertyWindowTest, AGameRenamedElsewhereShowsItsNewName) {
    CScript& game = *Doc().NewGame();
    ASSERT_EQ(game.SetGameName("Old", false), 0);
    Show(&game);
    auto* name = Find<QLineEdit>("gameName");
    EXPECT_EQ(name->text(), QStringLiteral("Old"));
    // As the Game Pane does after an in-place rename.
    ASSERT_EQ(game.SetGameName("Quake \xC9", true), 0);
    Active()->ObjectChanged(game);
    EXPECT_EQ(name->text(), QStringLiteral("Quake \u00C9"));
    // Another object's rename leaves the page alone.
    CScript& other = *Doc().NewGame();
    Active()->ObjectChanged(other);
    EXPECT_EQ(name->text(), QStringLiteral("Quake \u00C9"));
}

// Runs a callback once when its widget is hidden.
class OnHide : public QObject {
public:
    OnHide(QWidget* widget, std::function<void()> call) : m_call(std::move(call)) {
        widget->installEventFilter(this);
    }
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::Hide && m_call)
            std::exchange(m_call, nullptr)();
        return false;
    }

private:
    std::function<void()> m_call;
};

TEST_F(PropertyWindowTest, APageThatGoesAwayKeepsTheFocusHereAndNeverLeavesTwoPagesShown) {
    CVConfig& module = AddModule("Moves");
    CCmdFrag& fragment = AddStartup(module);
    CScript& game = *Doc().NewGame();
    QWidget* commandBox = Find("commandBox");

    // The focus in a field of the page: when the page goes, the focus stays in the window
    // and the next page takes it; it never wanders into another pane.
    Show(&fragment);
    commandBox->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return commandBox->hasFocus(); }, 2000));
    Show(nullptr);
    EXPECT_EQ(QApplication::focusWidget(), &Prop());
    Show(&game);
    EXPECT_TRUE(Prop().Page(CObjectProp::GamePage)->isAncestorOf(QApplication::focusWidget()));

    // Once the focus has gone elsewhere, a page change leaves it there: arrow keys that walk
    // the Module Pane's tree from a Module onto a list must stay in the tree.
    QWidget* tree = Active()->ModuleTreeView().Tree();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F10);
    ASSERT_EQ(QApplication::focusWidget(), tree);
    Show(&module);
    Show(module.GetList(TypeDefinitionList));
    Show(&fragment);
    EXPECT_EQ(QApplication::focusWidget(), tree);

    // Another object shown while the page is being hidden (as when another window becomes
    // active then) is the one that stays, alone.
    Show(&fragment);
    OnHide nested(Prop().Page(CObjectProp::CommandPage), [&] { Show(&game); });
    Show(nullptr);
    EXPECT_EQ(Prop().VisiblePageIndex(), CObjectProp::GamePage);
    EXPECT_EQ(Prop().Caption(), QStringLiteral("Game"));
    for (int i = 0; i < CObjectProp::kPageCount; ++i) {
        EXPECT_EQ(Prop().Page(i)->isVisible(), i == CObjectProp::GamePage) << i;
        EXPECT_EQ(Prop().Page(i)->Object(), i == CObjectProp::GamePage ? &game : nullptr) << i;
    }
}

TEST_F(PropertyWindowTest, F7GivesTheFocusToThePageAndF9StillReachesTheGamePane) {
    CVConfig& module = AddModule("Moves");
    CCmdFrag& fragment = AddStartup(module);
    Show(&fragment);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F7);
    QWidget* commandBox = Find("commandBox");
    ASSERT_TRUE(QTest::qWaitFor([&] { return commandBox->hasFocus(); }, 2000));

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F9);
    QWidget* gameList = Active()->Pane(CChildFrame::GamePane)->View();
    EXPECT_TRUE(QTest::qWaitFor([&] { return gameList->hasFocus(); }, 2000));
}

// Takes the edit commands at the end of the command chain and records which ran.
// Inside a page field the main window's keys still run the active pane's commands: here the
// Module Pane's, with the Alias selected there.
TEST_F(PropertyWindowTest, TheMainWindowsKeysRunTheActivePanesCommandsInsideAField) {
    CVConfig& module = AddModule("Moves");
    CVAlias& alias = AddAlias<CVAlias>(module, "strafe");
    Active()->ActivatePane(CChildFrame::ModulePane);
    ASSERT_TRUE(alias.SelectNode());
    ASSERT_EQ(Frame()->PropertyObject(), &alias);
    auto* name = Find<QLineEdit>("aliasName");
    name->setFocus();
    name->setCursorPosition(0);
    Frame()->Router().UpdateActions();

    // Ctrl+C copies the Alias, not the field's text.
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(name, Qt::Key_C, Qt::ControlModifier);
    QCoreApplication::processEvents();
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(mime, nullptr);
    EXPECT_EQ(mime->data(ObjectDataFormat()).toStdString(), alias.WriteClipboardData());
    EXPECT_EQ(name->text(), QStringLiteral("strafe"));

    // Enter and Escape close nothing and lose nothing.
    QTest::keyClicks(name, QStringLiteral("X"));
    QTest::keyClick(name, Qt::Key_Return);
    QTest::keyClick(name, Qt::Key_Escape);
    EXPECT_TRUE(Prop().Page(CObjectProp::AliasPage)->isVisible());
    EXPECT_EQ(name->text(), QStringLiteral("Xstrafe"));
    EXPECT_TRUE(name->hasFocus());

    // Delete deletes the Alias (without asking, as ConfirmAll is off); the page lets go of it
    // after saving its pending edit into it.
    App().Settings().confirmAll = false;
    CMTObj* aliases = alias.GetParent();
    ASSERT_NE(aliases, nullptr);
    const int before = aliases->GetChildCount();
    QTest::keyClick(name, Qt::Key_Delete);
    QCoreApplication::processEvents();
    EXPECT_EQ(aliases->GetChildCount(), before - 1);
    EXPECT_NE(Frame()->PropertyObject(), static_cast<ArchiveObject*>(&alias));
}

} // namespace
} // namespace vantor::test
