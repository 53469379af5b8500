// The Keyboard window: the picture's colours after rendering, the caption, the hit test,
// tool tips, jumping to a key's Bind and adding one with the mouse and with the keyboard, and
// the two dialogs it opens.
#include "KeyboardActions.h"
#include "LibraryFixture.h"
#include "app/CVantorApp.h"
#include "document/CVantorDoc.h"
#include "model/CKeyTable.h"
#include "model/CScript.h"
#include "model/CVBind.h"
#include "model/CVConfig.h"
#include "model/CVObList.h"
#include "model/ModelCodes.h"
#include "ui/frame/CChildFrame.h"
#include "ui/frame/CMainFrame.h"
#include "ui/frame/CModuleView.h"
#include "ui/keyboard/CKeyboardBar.h"
#include "ui/keyboard/KeyboardPicture.h"

#include <QApplication>
#include <QDialog>
#include <QDockWidget>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>

#include <functional>
#include <memory>

namespace vantor::test {
namespace {

constexpr QRgb kGrey = 0xFFC0C0C0, kYellow = 0xFFFFFF00, kGreen = 0xFF40FF40, kBlack = 0xFF000000;

// Key codes of the keys the tests use.
constexpr std::uint16_t kQ = 81, kW = 87, kE = 69, kR = 82, kT = 84, kEscape = 27, kF1 = 112,
                        kTwo = 50, kThree = 51;

CVBind* AddBind(CVConfig& module, const char* key, const char* commands) {
    auto bind = std::make_unique<CVBind>();
    EXPECT_TRUE(bind->SetKeyByName(key)) << key;
    bind->SetCommandsFromText(commands);
    CVBind* added = bind.get();
    module.GetList(TypeBindList)->AddChild(std::move(bind));
    return added;
}

CVConfig& AddModule(CVantorDoc& library, const char* name) {
    CVConfig* module = library.NewModule("Tester");
    module->Rename(name);
    return *module;
}

std::vector<CVBind*> BindsOf(const CVConfig& module) {
    std::vector<CVBind*> binds;
    const CVObList* list = module.GetList(TypeBindList);
    for (int i = 0; i < list->GetChildCount(); ++i)
        binds.push_back(dynamic_cast<CVBind*>(list->GetChild(i)));
    return binds;
}

// A face pixel of the key: just inside its border, clear of the legend.
QPoint FacePixel(std::uint16_t code) {
    for (const KeyboardKey& key : CKeyTable::Instance().KeyboardKeys())
        if (key.code == code)
            return {key.left + 1, key.top + 1};
    ADD_FAILURE() << "no key " << code;
    return {};
}

// A legend pixel of the key: black in the picture, inside the key's border.
QPoint LegendPixel(const QImage& picture, std::uint16_t code) {
    for (const KeyboardKey& key : CKeyTable::Instance().KeyboardKeys())
        if (key.code == code)
            for (int y = key.top + 1; y < key.bottom - 1; ++y)
                for (int x = key.left + 1; x < key.right - 1; ++x)
                    if (picture.pixel(x, y) == kBlack)
                        return {x, y};
    ADD_FAILURE() << "no legend on key " << code;
    return {};
}

// Every node the Module Pane comes to select (where a jump or a new Bind lands).
class SelectRecorder {
public:
    explicit SelectRecorder(CChildFrame& window) {
        CModuleView* pane = &window.ModuleTreeView();
        QObject::connect(pane, &CPaneView::selectionChanged, &m_context, [this, pane] {
            CMTObj* node = pane->GetSelectedNode();
            if (node && (selected.empty() || selected.back() != node))
                selected.push_back(node);
        });
    }
    std::vector<CMTObj*> selected;

private:
    QObject m_context;
};

class KeyboardBarTest : public LibraryFixture {
protected:
    CKeyboardBar* Bar() const { return Frame()->KeyboardBar(); }

    /// A Library with Modules A, B and C and the Game "Alpha" that uses A and B. Binds: w once
    /// (in A), e in A and B, r only in C, q in A, A and B.
    QString WriteBindLibrary() {
        CVantorDoc library;
        CVConfig& a = AddModule(library, "A");
        CVConfig& b = AddModule(library, "B");
        CVConfig& c = AddModule(library, "C");
        AddBind(a, "w", "+forward;say hi");
        AddBind(a, "e", "use");
        AddBind(b, "e", "reload");
        AddBind(c, "r", "jump");
        AddBind(a, "q", "one");
        AddBind(a, "q", "two");
        AddBind(b, "q", "three");
        CScript* game = library.NewGame();
        game->SetGameName("Alpha", false);
        game->AddModuleUse(a);
        game->AddModuleUse(b);
        const QString path = folder.filePath(QStringLiteral("binds.vtl"));
        EXPECT_TRUE(library.SaveLibrary(QFile::encodeName(path).toStdString()).saved);
        return path;
    }

    /// Opens the Library of WriteBindLibrary with Alpha as the current Game and waits until
    /// the Keyboard window shows it.
    bool OpenBindLibrary() {
        if (!StartEditor({WriteBindLibrary()}) || !Active())
            return false;
        Library().SetCurrentGame(Library().GetGame(0));
        return WaitUpToDate();
    }

    CVantorDoc& Library() const { return Active()->Document(); }
    CVConfig& Module(int row) const { return *Library().GetModule(row); }

    bool WaitUpToDate() const {
        return QTest::qWaitFor([this] { return Bar()->IsUpToDate(); }, 2000);
    }

    QPoint KeyPoint(std::uint16_t code) const { return Bar()->KeyWindowRect(code).center(); }
    QRgb Shown(std::uint16_t code) const { return Bar()->Rendered().pixel(FacePixel(code)); }

    /// Runs `action`; when a modal dialog comes up, `answer` gets it. False when none did.
    static bool WithDialog(const std::function<void()>& action,
                           const std::function<void(QDialog*)>& answer) {
        return RunWithDialog(action, [&](QWidget* shown) {
            if (auto* dialog = qobject_cast<QDialog*>(shown))
                answer(dialog);
        });
    }
    void DoubleClick(const QPoint& point) const { DoubleClickAt(Bar(), point); }
};

TEST_F(KeyboardBarTest, RenderingColoursTheFacesByStateThroughTheMasks) {
    // The program's picture with one cyan pixel that lies in no key.
    QImage picture = DrawKeyboardPicture();
    ASSERT_EQ(picture.size(), QSize(272, 69));
    const QPoint stray(12, 3); // between escape and f1
    picture.setPixel(stray, kKeyFaceColour);
    const QPoint body(200, 5); // the keyboard's body
    const QRgb bodyColour = picture.pixel(body);
    ASSERT_NE(bodyColour, kKeyFaceColour);

    CVantorDoc library;
    CVConfig& a = AddModule(library, "A");
    CVConfig& b = AddModule(library, "B");
    AddBind(a, "w", "a");
    AddBind(a, "e", "b");
    AddBind(b, "e", "c");
    CScript* game = library.NewGame();
    game->AddModuleUse(a);
    game->AddModuleUse(b);

    CKeyboardBar bar(picture);
    bar.SetGame(&library, game);
    const QImage& shown = bar.Rendered();
    struct Case {
        std::uint16_t code;
        QRgb face;
    } const cases[] = {{kR, kGrey}, {kW, kYellow}, {kE, kGreen}};
    for (const Case& c : cases) {
        EXPECT_EQ(shown.pixel(FacePixel(c.code)), c.face) << c.code;
        EXPECT_EQ(shown.pixel(LegendPixel(picture, c.code)), kBlack) << c.code;
    }
    EXPECT_EQ(shown.pixel(stray), kBlack);
    EXPECT_EQ(shown.pixel(body), bodyColour);

    // Every pixel: a cyan one of a key shows its key's colour, any other keeps its own.
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb original = picture.pixel(x, y);
            const std::uint16_t key = bar.HitTest(QPoint(x + 4, y + 4));
            const QRgb expected = original != kKeyFaceColour ? original
                                  : key == kW                ? kYellow
                                  : key == kE                ? kGreen
                                  : key                      ? kGrey
                                                             : kBlack;
            ASSERT_EQ(shown.pixel(x, y), expected) << x << "," << y;
        }

    // The frame is light grey.
    EXPECT_EQ(bar.grab().toImage().pixel(1, 1), kGrey);
    EXPECT_EQ(bar.sizeHint(), QSize(280, 77));
}

TEST_F(KeyboardBarTest, WithoutLibraryTheCaptionSaysSoAndEveryKeyIsGrey) {
    ASSERT_TRUE(OpenBindLibrary());
    EXPECT_EQ(Frame()->KeyboardDock()->windowTitle(), QStringLiteral("Binds for Alpha"));
    EXPECT_EQ(Shown(kW), kYellow);

    Active()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(Windows().empty());
    ASSERT_TRUE(WaitUpToDate());
    EXPECT_EQ(Frame()->KeyboardDock()->windowTitle(), QStringLiteral("Binds (no Game selected)"));
    EXPECT_EQ(Bar()->Library(), nullptr);
    for (const KeyboardKey& key : CKeyTable::Instance().KeyboardKeys()) {
        EXPECT_EQ(Bar()->KeyState(key.code), 0) << key.code;
        EXPECT_EQ(Shown(key.code), kGrey) << key.code;
    }
    // Adding a Bind without a Game only says why not.
    DoubleClick(KeyPoint(kT));
    EXPECT_EQ(messages.calls,
              QStringList{QStringLiteral("Warning: You must select a game into which you want to "
                                         "add the new bind.")});
}

TEST_F(KeyboardBarTest, KeyBoundInTwoUsedModulesIsGreenAndOffersBoth) {
    ASSERT_TRUE(OpenBindLibrary());
    SelectRecorder recorder(*Active());
    EXPECT_EQ(Bar()->KeyState(kE), 2);
    EXPECT_EQ(Shown(kE), kGreen);
    EXPECT_EQ(Bar()->ToolTipText(kE), QStringLiteral("Multiple binds"));

    QStringList rows;
    QString keyName;
    ASSERT_TRUE(WithDialog([&] { QTest::mouseClick(Bar(), Qt::LeftButton, {}, KeyPoint(kE)); },
                           [&](QDialog* dialog) {
                               EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Jump to Bind"));
                               keyName = dialog->findChild<QLineEdit*>("keyName")->text();
                               rows = ChoiceRows(dialog);
                               dialog->findChild<QListWidget*>("modules")->setCurrentRow(1);
                               PressButton(dialog, "ok");
                           }));
    EXPECT_EQ(keyName, QStringLiteral("e"));
    EXPECT_EQ(rows, (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
    ASSERT_EQ(recorder.selected.size(), 1u);
    EXPECT_EQ(recorder.selected[0], BindsOf(Module(1))[0]);

    // Cancel, and "Jump" without a selected row, select nothing.
    ASSERT_TRUE(WithDialog([&] { QTest::mouseClick(Bar(), Qt::LeftButton, {}, KeyPoint(kE)); },
                           [&](QDialog* dialog) { PressButton(dialog, "cancel"); }));
    ASSERT_TRUE(WithDialog([&] { QTest::mouseClick(Bar(), Qt::LeftButton, {}, KeyPoint(kE)); },
                           [&](QDialog* dialog) {
                               dialog->findChild<QListWidget*>("modules")->clearSelection();
                               PressButton(dialog, "ok");
                           }));
    EXPECT_EQ(recorder.selected.size(), 1u);

    // A double click on a row jumps to that row's Bind.
    ASSERT_TRUE(WithDialog([&] { QTest::mouseClick(Bar(), Qt::LeftButton, {}, KeyPoint(kE)); },
                           [&](QDialog* dialog) {
                               auto* list = dialog->findChild<QListWidget*>("modules");
                               emit list->itemDoubleClicked(list->item(0));
                           }));
    ASSERT_EQ(recorder.selected.size(), 2u);
    EXPECT_EQ(recorder.selected[1], BindsOf(Module(0))[1]);
}

TEST_F(KeyboardBarTest, JumpRowsCountBindsOfTheSameModule) {
    ASSERT_TRUE(OpenBindLibrary());
    EXPECT_EQ(Shown(kQ), kGreen);
    QStringList rows;
    ASSERT_TRUE(WithDialog([&] { Bar()->JumpToBind(kQ); },
                           [&](QDialog* dialog) {
                               rows = ChoiceRows(dialog);
                               EXPECT_EQ(dialog->findChild<QListWidget*>("modules")->currentRow(),
                                         0);
                               PressButton(dialog, "cancel");
                           }));
    EXPECT_EQ(rows,
              (QStringList{QStringLiteral("A"), QStringLiteral("A (2)"), QStringLiteral("B")}));
}

TEST_F(KeyboardBarTest, ClickJumpsOnlyWhenPressAndReleaseAreOnTheSameBoundKey) {
    ASSERT_TRUE(OpenBindLibrary());
    SelectRecorder recorder(*Active());
    EXPECT_EQ(Shown(kW), kYellow);
    EXPECT_EQ(Bar()->ToolTipText(kW), QStringLiteral("\"+forward;say hi\""));

    // Pressed on w, released on e: nothing.
    QTest::mousePress(Bar(), Qt::LeftButton, {}, KeyPoint(kW));
    QTest::mouseMove(Bar(), KeyPoint(kE));
    QTest::mouseRelease(Bar(), Qt::LeftButton, {}, KeyPoint(kE));
    EXPECT_TRUE(recorder.selected.empty());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    // A click on an unbound key does nothing either.
    QTest::mouseClick(Bar(), Qt::LeftButton, {}, KeyPoint(kT));
    EXPECT_TRUE(recorder.selected.empty());

    // A click on w selects its one Bind.
    QTest::mouseClick(Bar(), Qt::LeftButton, {}, KeyPoint(kW));
    ASSERT_EQ(recorder.selected.size(), 1u);
    EXPECT_EQ(recorder.selected[0], BindsOf(Module(0))[0]);

    // A double click on it adds nothing: its first click has jumped already.
    const std::size_t bindsInA = BindsOf(Module(0)).size();
    const bool dialog =
        WithDialog([&] { DoubleClick(KeyPoint(kW)); }, [&](QDialog* shown) { shown->reject(); });
    EXPECT_FALSE(dialog);
    EXPECT_EQ(BindsOf(Module(0)).size(), bindsInA);
    EXPECT_TRUE(messages.calls.isEmpty());
    EXPECT_EQ(recorder.selected, std::vector<CMTObj*>{BindsOf(Module(0))[0]});
}

TEST_F(KeyboardBarTest, KeyBoundOnlyInUnusedModuleCountsAsUnboundAndGetsANewBind) {
    ASSERT_TRUE(OpenBindLibrary());
    SelectRecorder recorder(*Active());
    EXPECT_EQ(Bar()->KeyState(kR), 0);
    EXPECT_EQ(Shown(kR), kGrey);
    EXPECT_EQ(Bar()->ToolTipText(kR), QStringLiteral("Key 'r'"));
    Library().SetModified(false);

    QStringList rows;
    ASSERT_TRUE(WithDialog([&] { DoubleClick(KeyPoint(kR)); },
                           [&](QDialog* dialog) {
                               EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Add new Bind"));
                               EXPECT_EQ(dialog->findChild<QLineEdit*>("keyName")->text(),
                                         QStringLiteral("r"));
                               rows = ChoiceRows(dialog);
                               auto* list = dialog->findChild<QListWidget*>("modules");
                               emit list->itemDoubleClicked(list->item(1));
                           }));
    EXPECT_EQ(rows, (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
    // The new Bind is the last of B's Binds, selected, and the key is yellow at the next idle
    // moment.
    const std::vector<CVBind*> binds = BindsOf(Module(1));
    ASSERT_EQ(binds.size(), 3u);
    EXPECT_EQ(binds.back()->GetKey(), kR);
    EXPECT_EQ(binds.back()->GetName(), "r");
    EXPECT_EQ(recorder.selected, std::vector<CMTObj*>{binds.back()});
    EXPECT_TRUE(Library().IsModified());
    ASSERT_TRUE(WaitUpToDate());
    EXPECT_EQ(Shown(kR), kYellow);
    EXPECT_EQ(Bar()->FindBinds(kR), std::vector<CVBind*>{binds.back()});

    // Cancel, or OK without a selected Module, adds nothing.
    for (const bool cancel : {true, false}) {
        ASSERT_TRUE(WithDialog([&] { Bar()->AddBind(kT); },
                               [&](QDialog* dialog) {
                                   dialog->findChild<QListWidget*>("modules")->clearSelection();
                                   PressButton(dialog, cancel ? "cancel" : "ok");
                               }));
        EXPECT_EQ(BindsOf(Module(0)).size(), 4u);
        EXPECT_EQ(BindsOf(Module(1)).size(), 3u);
    }
}

TEST_F(KeyboardBarTest, AddingNeedsAGameThatUsesModules) {
    ASSERT_TRUE(OpenBindLibrary());
    CScript* bare = Library().NewGame();
    bare->SetGameName("Bare", false);
    Library().SetCurrentGame(bare);
    ASSERT_TRUE(WaitUpToDate());
    EXPECT_EQ(Frame()->KeyboardDock()->windowTitle(), QStringLiteral("Binds for Bare"));
    EXPECT_EQ(Shown(kW), kGrey);
    DoubleClick(KeyPoint(kW));
    Library().SetCurrentGame(nullptr);
    ASSERT_TRUE(WaitUpToDate());
    DoubleClick(KeyPoint(kW));
    EXPECT_EQ(messages.calls,
              (QStringList{QStringLiteral("Warning: The game Bare uses no modules."),
                           QStringLiteral("Warning: You must select a game into which you "
                                          "want to add the new bind.")}));
}

TEST_F(KeyboardBarTest, HitTestAgreesWithASearchOfEveryKeyAtEveryPixel) {
    CKeyboardBar bar;
    const std::vector<KeyboardKey> keys = CKeyTable::Instance().KeyboardKeys();
    ASSERT_EQ(keys.size(), 99u);
    for (int y = -2; y < 77 + 2; ++y)
        for (int x = -2; x < 280 + 2; ++x) {
            std::uint16_t expected = 0;
            for (const KeyboardKey& key : keys)
                if (x - 4 >= key.left && x - 4 < key.right && y - 4 >= key.top &&
                    y - 4 < key.bottom)
                    expected = key.code;
            ASSERT_EQ(bar.HitTest(QPoint(x, y)), expected) << x << "," << y;
        }
    // Whatever the pixel scale, a key's window rectangle leads back to the key.
    CKeyboardBar shown;
    shown.show();
    for (const KeyboardKey& key : keys)
        EXPECT_EQ(shown.HitTest(shown.KeyWindowRect(key.code).center()), key.code) << key.code;
}

TEST_F(KeyboardBarTest, PageKeysKeepTheirStoredCodes) {
    CVantorDoc library;
    CVConfig& a = AddModule(library, "A");
    CVBind* up = AddBind(a, "pgup", "up");
    EXPECT_EQ(up->GetKey(), 34);
    EXPECT_EQ(AddBind(a, "pgdn", "down")->GetKey(), 33);
    AddBind(a, "pgup", "again");
    CScript* game = library.NewGame();
    game->AddModuleUse(a);

    CKeyboardBar bar;
    bar.SetGame(&library, game);
    // Each code colours the key at its own place in the picture: pgup above pgdn.
    EXPECT_EQ(bar.HitTest(QPoint(188 + 4 + 5, 14 + 4 + 5)), 34);
    EXPECT_EQ(bar.HitTest(QPoint(188 + 4 + 5, 25 + 4 + 5)), 33);
    EXPECT_EQ(bar.Rendered().pixel(189, 15), kGreen);
    EXPECT_EQ(bar.Rendered().pixel(189, 26), kYellow);
    EXPECT_EQ(bar.ToolTipText(33), QStringLiteral("\"down\""));
    EXPECT_EQ(bar.FindBinds(34).front(), up);
}

TEST_F(KeyboardBarTest, BindsThatGoAwayAreForgottenAtOnce) {
    ASSERT_TRUE(OpenBindLibrary());
    CVBind* w = BindsOf(Module(0))[0];
    ASSERT_EQ(Bar()->FindBinds(kW), std::vector<CVBind*>{w});
    std::unique_ptr<CMTObj> removed = w->GetParent()->RemoveChild(*w);
    removed.reset();
    // Nothing of the removed Bind is reachable before the window is shown again.
    EXPECT_FALSE(Bar()->IsUpToDate());
    EXPECT_TRUE(Bar()->FindBinds(kW).empty());
    EXPECT_TRUE(Bar()->ToolTipText(kW).isEmpty());
    QTest::mouseClick(Bar(), Qt::LeftButton, {}, KeyPoint(kW));
    // A repaint shows what was there and refreshes nothing; the idle step does.
    Bar()->repaint();
    EXPECT_FALSE(Bar()->IsUpToDate());
    ASSERT_TRUE(WaitUpToDate());
    EXPECT_EQ(Shown(kW), kGrey);
    EXPECT_EQ(Bar()->ToolTipText(kW), QStringLiteral("Key 'w'"));
}

TEST_F(KeyboardBarTest, ArrowKeysMoveTheFocusAndEnterActsOnTheKey) {
    ASSERT_TRUE(OpenBindLibrary());
    SelectRecorder recorder(*Active());
    Bar()->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return Bar()->hasFocus(); }, 2000));
    EXPECT_EQ(Bar()->FocusKey(), kEscape);
    QStatusBar* status = Frame()->statusBar();
    EXPECT_EQ(status->currentMessage(), QStringLiteral("Key 'escape'"));

    struct Step {
        Qt::Key key;
        std::uint16_t focus;
    } const steps[] = {
        {Qt::Key_Right, kF1}, {Qt::Key_Down, kTwo}, {Qt::Key_Down, kQ},   {Qt::Key_Right, kW},
        {Qt::Key_Right, kE},  {Qt::Key_Left, kW},   {Qt::Key_Up, kThree}, {Qt::Key_Down, kW},
    };
    for (const Step& step : steps) {
        QTest::keyClick(Bar(), step.key);
        EXPECT_EQ(Bar()->FocusKey(), step.focus) << step.key;
    }
    EXPECT_EQ(status->currentMessage(), QStringLiteral("\"+forward;say hi\""));
    // The focused key is marked in the highlight colour.
    const QImage shot = Bar()->grab().toImage();
    const QPoint corner = Bar()->KeyWindowRect(kW).topLeft() * shot.devicePixelRatio();
    EXPECT_EQ(shot.pixelColor(corner), Bar()->palette().color(QPalette::Highlight));

    // Enter on a bound key jumps; on an unbound one it offers to add a Bind.
    QTest::keyClick(Bar(), Qt::Key_Return);
    EXPECT_EQ(recorder.selected, std::vector<CMTObj*>{BindsOf(Module(0))[0]});
    QTest::keyClick(Bar(), Qt::Key_Right);
    QTest::keyClick(Bar(), Qt::Key_Right);
    ASSERT_EQ(Bar()->FocusKey(), kR);
    EXPECT_EQ(status->currentMessage(), QStringLiteral("Key 'r'"));
    QString caption;
    ASSERT_TRUE(WithDialog([&] { QTest::keyClick(Bar(), Qt::Key_Enter); },
                           [&](QDialog* dialog) {
                               caption = dialog->windowTitle();
                               PressButton(dialog, "ok");
                           }));
    EXPECT_EQ(caption, QStringLiteral("Add new Bind"));
    EXPECT_EQ(BindsOf(Module(0)).back()->GetKey(), kR);
}

} // namespace
} // namespace vantor::test
