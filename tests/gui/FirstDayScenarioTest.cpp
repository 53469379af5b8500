// A new user's first day with the editor, in one process with real events: a Library made
// with the wizard from two game folders and two shipped Modules, a hand-written autoexec.cfg
// dropped on the window and rematched, an Alias made in the panes and its parameters set in
// the Property Window, a free key bound from the Keyboard window, a Module copied into a
// second Library by drag and drop, saving, a preview, exit and a new start. The files on disk
// are checked at each step; the scripts byte for byte against tests/fixtures/scenario.
#include "FieldInput.h"
#include "KeyboardActions.h"
#include "LibraryFixture.h"
#include "ModuleTreeActions.h"
#include "StandInOpener.h"
#include "app/CVantorApp.h"
#include "document/CScriptOutput.h"
#include "document/CVantorDoc.h"
#include "model/CCmdFrag.h"
#include "model/CScript.h"
#include "model/CVBind.h"
#include "model/CVConfig.h"
#include "model/CVObList.h"
#include "model/ModelCodes.h"
#include "ui/frame/CChildFrame.h"
#include "ui/frame/CCmdFragView.h"
#include "ui/frame/CMainFrame.h"
#include "ui/frame/CModuleView.h"
#include "ui/frame/CScriptView.h"
#include "ui/frame/CommandListModel.h"
#include "ui/frame/GameListModel.h"
#include "ui/frame/PaneList.h"
#include "ui/frame/WindowTitle.h"
#include "ui/keyboard/CKeyboardBar.h"
#include "ui/pages/CObjectProp.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QDockWidget>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QSlider>
#include <QSplitter>
#include <QToolButton>

#include <map>

namespace vantor::test {
namespace {

// 06-Dec-1998 14:05 UTC: the date on every Game line.
constexpr char kScriptTime[] = "912953100";
constexpr std::uint16_t kKeyX = 88;

std::string FileName(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

CMTObj* ChildNamed(const CMTObj& parent, const std::string& name) {
    for (int i = 0; i < parent.GetChildCount(); ++i)
        if (parent.GetChild(i)->GetName() == name)
            return parent.GetChild(i);
    ADD_FAILURE() << "no " << name << " in " << parent.GetName();
    return nullptr;
}

QStringList ModuleNames(const CVantorDoc& library) {
    QStringList names;
    for (int i = 0; i < library.GetModuleCount(); ++i)
        names.append(QString::fromStdString(library.GetModule(i)->GetName()));
    return names;
}

QStringList CommandTexts(const CMTObj& owner) {
    QStringList texts;
    for (int i = 0; i < owner.GetCommandCount(); ++i)
        texts.append(QString::fromStdString(owner.GetCommand(i)->GetText()));
    return texts;
}

/// What a Library holds, as far as the user can tell: each Module's archive bytes, and each
/// Game's name, script file and the Modules it uses.
std::vector<std::string> Contents(const CVantorDoc& library) {
    std::vector<std::string> contents;
    for (int i = 0; i < library.GetModuleCount(); ++i)
        contents.push_back(library.GetModule(i)->WriteClipboardData());
    for (int i = 0; i < library.GetGameCount(); ++i) {
        const CScript& game = *library.GetGame(i);
        std::string line = game.GetGameName() + "|" + game.GetScriptFile();
        for (int m = 0; m < library.GetModuleCount(); ++m)
            if (game.UsesModule(*library.GetModule(m)))
                line += "|" + library.GetModule(m)->GetName();
        contents.push_back(line);
    }
    return contents;
}

class FirstDayScenarioTest : public LibraryFixture {
protected:
    void SetUp() override {
        LibraryFixture::SetUp();
        oldScriptTime = qgetenv("SOURCE_DATE_EPOCH");
        qputenv("SOURCE_DATE_EPOCH", kScriptTime);
        // The game engine's folder with two games; the player's own autoexec.cfg in one of
        // them and a copy of it kept elsewhere.
        engine = folder.filePath(QStringLiteral("Quake"));
        for (const char* game : {"id1", "ctf"})
            ASSERT_TRUE(QDir(engine).mkpath(QLatin1String(game)));
        ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("My configs")));
        ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("examples")));
        WriteFile(QStringLiteral("Quake/id1/autoexec.cfg"), Expected("player-autoexec.cfg"));
        WriteFile(QStringLiteral("My configs/autoexec.cfg"), Expected("player-autoexec.cfg"));
        // Two of the shipped Modules in the example folder.
        for (const char* module : {"Quake Definitions.vtm", "Zoom.vtm"})
            ASSERT_TRUE(QFile::copy(
                QCoreApplication::applicationDirPath() + QLatin1Char('/') + QLatin1String(module),
                folder.filePath(QStringLiteral("examples/")) + QLatin1String(module)));
    }
    void TearDown() override {
        App().ScriptOutput().SetTempFolder({});
        LibraryFixture::TearDown();
        if (oldScriptTime.isNull())
            qunsetenv("SOURCE_DATE_EPOCH");
        else
            qputenv("SOURCE_DATE_EPOCH", oldScriptTime);
    }

    /// The bytes of a file of tests/fixtures/scenario.
    static std::string Expected(const char* name) {
        return ReadFile(QStringLiteral(VANTOR_SCENARIO_FIXTURES "/") + QLatin1String(name));
    }
    QString Engine(const char* file) const {
        return engine + QLatin1Char('/') + QLatin1String(file);
    }
    CObjectProp& Prop() const { return Frame()->PropertyWindow(); }
    template <class T = QWidget> T* Field(const char* name) const {
        T* found = Prop().findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    /// Clicks a Game's row in the Game Pane.
    static void ClickGame(const CChildFrame& window, int row) {
        PaneList* list = window.GameView().List();
        const QRect rect = list->visualRect(window.GameView().Model()->index(row, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          QPoint(rect.left() + 24, rect.center().y()));
    }
    /// New Command on what the active pane shows, then its name typed into the command box.
    CCmdFrag* NewCommandNamed(const QString& name) {
        Trigger(CommandId::NewCommand);
        auto* fragment = dynamic_cast<CCmdFrag*>(Frame()->PropertyObject());
        if (!fragment)
            return nullptr;
        TypeInto(Field<QComboBox>("commandBox")->lineEdit(), name);
        return fragment;
    }
    /// Types a name into the tree's label editor and presses Enter.
    static void TypeLabel(const CModuleView& pane, const QString& name) {
        ASSERT_TRUE(pane.Tree()->IsEditing());
        // The shown editor: an earlier one may linger, hidden, until it is deleted.
        QLineEdit* editor = nullptr;
        for (QLineEdit* shown : pane.Tree()->findChildren<QLineEdit*>())
            if (shown->isVisible())
                editor = shown;
        ASSERT_NE(editor, nullptr);
        editor->selectAll();
        QTest::keyClicks(editor, name);
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();
    }
    /// The main window active again once a dialog has closed, as the desktop makes it.
    bool BackToMainWindow() const {
        Frame()->activateWindow();
        return QTest::qWaitForWindowActive(Frame());
    }
    bool KeyboardUpToDate() const {
        return QTest::qWaitFor([this] { return Frame()->KeyboardBar()->IsUpToDate(); }, 2000);
    }
    QStringList Warnings() const { return messages.calls.filter(QStringLiteral("Warning")); }

    QByteArray oldScriptTime;
    QString engine;
};

TEST_F(FirstDayScenarioTest, ANewUsersFirstDay) {
    // --- Start with empty settings but for the example folder: an empty untitled Library.
    Preset(
        {{QStringLiteral("options/examplefolder"), folder.filePath(QStringLiteral("examples"))}});
    ASSERT_TRUE(StartEditor());
    Frame()->resize(1200, 800);
    ASSERT_EQ(Titles(), QStringList({"Vantor1"}));
    CChildFrame* untitled = Active();

    // --- A Library from the wizard: both games with VANTOR.CFG and the EXEC line, both
    // Modules. It is saved at once, with the Games' scripts.
    const QString libraryPath = Engine("quake.vtl");
    ASSERT_TRUE(RunLibraryWizard(
        {libraryPath, engine, {"ctf", "id1"}, false, true, {"Quake Definitions", "Zoom"}}));
    ASSERT_TRUE(BackToMainWindow());
    CChildFrame* window = Active();
    ASSERT_NE(window, untitled);
    CVantorDoc& library = window->Document();
    CModuleView& modules = window->ModuleTreeView();
    window->Splitter()->setSizes({200, 500, 300});
    EXPECT_EQ(ShownWindowTitle(*window), QStringLiteral("quake.vtl"));
    EXPECT_EQ(ModuleNames(library), QStringList({"Quake Definitions", "Zoom"}));
    ASSERT_EQ(library.GetGameCount(), 2);
    EXPECT_EQ(ReadFile(Engine("ctf/Vantor.cfg")), Expected("wizard-ctf-Vantor.cfg"));
    EXPECT_EQ(ReadFile(Engine("id1/Vantor.cfg")), Expected("wizard-id1-Vantor.cfg"));
    EXPECT_EQ(ReadFile(Engine("ctf/autoexec.cfg")), Expected("ctf-autoexec.cfg"));
    EXPECT_EQ(ReadFile(Engine("id1/autoexec.cfg")), Expected("id1-autoexec.cfg"));
    EXPECT_EQ(ReadFile(Engine("id1/autoexec.bak")), Expected("player-autoexec.cfg"));
    const std::string wizardSaved = ReadFile(libraryPath);
    ASSERT_FALSE(wizardSaved.empty());

    // --- The player's own script dropped on the window, with Quake Definitions selected: the
    // new Module comes after it, before Zoom, so Zoom's Alias is not known to it yet.
    const CVConfig* definitions = library.GetModule(0);
    ClickNode(modules, definitions);
    DropFiles({QUrl::fromLocalFile(folder.filePath(QStringLiteral("My configs/autoexec.cfg")))},
              Frame()->rect().center());
    ASSERT_EQ(ModuleNames(library), QStringList({"Quake Definitions", "autoexec.cfg", "Zoom"}));
    CVConfig* imported = library.GetModule(1);
    EXPECT_EQ(modules.SelectedObject(), imported);
    CMTObj* mouse3 = imported->GetList(TypeBindList)->GetChild(0);
    ASSERT_EQ(mouse3->GetName(), "mouse3");
    const CCmdFrag& toggle = *mouse3->GetCommand(0);
    EXPECT_EQ(toggle.GetParamType(), ParamUserDefined);
    // The import matched the commands that Quake Definitions knows.
    const CCmdFrag& sensitivity = *imported->GetList(TypeStartupList)->GetCommand(0);
    EXPECT_EQ(sensitivity.GetParamType(), ParamReal);
    EXPECT_EQ(sensitivity.GetParam(), "2.4");
    EXPECT_EQ(ShownWindowTitle(*window), QStringLiteral("quake.vtl*"));
    EXPECT_EQ(ReadFile(libraryPath), wizardSaved);
    EXPECT_EQ(ReadFile(folder.filePath(QStringLiteral("My configs/autoexec.cfg"))),
              Expected("player-autoexec.cfg"));

    // --- Moved below Zoom and rematched: the key now runs Zoom's Alias.
    QTest::keyClick(modules.Tree(), Qt::Key_Down, Qt::ControlModifier);
    ASSERT_EQ(ModuleNames(library), QStringList({"Quake Definitions", "Zoom", "autoexec.cfg"}));
    Trigger(CommandId::RematchCommands);
    EXPECT_EQ(toggle.GetParamType(), ParamNone);
    EXPECT_TRUE(Frame()->isEnabled());

    // --- The slider switched on for sensitivity on its Definition page.
    CMTObj* sensitivityDef = ChildNamed(*definitions->GetList(TypeDefinitionList), "sensitivity");
    ASSERT_NE(sensitivityDef, nullptr);
    ClickNode(modules, sensitivityDef);
    ASSERT_EQ(Frame()->PropertyObject(), sensitivityDef);
    QTest::mouseClick(Field<QCheckBox>("useSlider"), Qt::LeftButton);
    EXPECT_TRUE(Field<QCheckBox>("useSlider")->isChecked());

    // --- A Module of the user's own with an Alias of two commands.
    ClickNode(modules, imported);
    Trigger(CommandId::NewModule);
    TypeLabel(modules, QStringLiteral("My Keys"));
    ASSERT_EQ(ModuleNames(library),
              QStringList({"Quake Definitions", "Zoom", "autoexec.cfg", "My Keys"}));
    CVConfig* myKeys = library.GetModule(3);
    EXPECT_EQ(modules.SelectedObject(), myKeys);
    Trigger(CommandId::NewAlias);
    TypeLabel(modules, QStringLiteral("sniper"));
    CMTObj* sniper = myKeys->GetList(TypeAliasList)->GetChild(0);
    ASSERT_NE(sniper, nullptr);
    EXPECT_EQ(sniper->GetName(), "sniper");

    // The first command's Real Number parameter from the slider: three pages up from 1.
    CCmdFrag* first = NewCommandNamed(QStringLiteral("sensitivity"));
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(window->ActivePaneIndex(), CChildFrame::CommandPane);
    EXPECT_EQ(first->GetParamType(), ParamReal);
    auto* slider = Field<QSlider>("slider");
    ASSERT_TRUE(slider->isVisible());
    slider->setFocus();
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(slider, Qt::Key_PageUp);
    EXPECT_EQ(Field<QLineEdit>("numberField")->text(), QStringLiteral("4.000000"));

    // The second command's Integer parameter from the spinner: down from 30 wraps to 120,
    // then twenty clicks down.
    CCmdFrag* second = NewCommandNamed(QStringLiteral("viewsize"));
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->GetParamType(), ParamInteger);
    auto* number = Field<QLineEdit>("numberField");
    EXPECT_EQ(number->text(), QStringLiteral("30"));
    number->setFocus();
    QTest::keyClick(number, Qt::Key_Down);
    for (int i = 0; i < 20; ++i)
        QTest::mouseClick(Field<QToolButton>("spinDown"), Qt::LeftButton);
    EXPECT_EQ(number->text(), QStringLiteral("100"));
    LeaveField(*window);
    EXPECT_EQ(CommandTexts(*sniper), QStringList({"sensitivity 4.000000", "viewsize 100"}));
    EXPECT_EQ(window->CommandView().Model()->index(1).data().toString(),
              QStringLiteral("viewsize 100"));

    // --- The Games' Modules: id1 uses all four, ctf only Zoom.
    ClickGame(*window, 1);
    ASSERT_EQ(library.GetCurrentGame()->GetGameName(), "id1");
    for (int i = 0; i < library.GetModuleCount(); ++i)
        ClickModuleCheckBox(modules, library.GetModule(i));
    ClickGame(*window, 0);
    ASSERT_EQ(library.GetCurrentGame()->GetGameName(), "ctf");
    ClickModuleCheckBox(modules, library.GetModule(1));
    CScript* id1 = library.GetGame(1);
    CScript* ctf = library.GetGame(0);
    EXPECT_EQ(id1->GetModuleUseCount(), 4U);
    EXPECT_EQ(ctf->GetModuleUseCount(), 1U);

    // --- A free key bound from the Keyboard window for id1, in My Keys, running the Alias.
    ClickGame(*window, 1);
    ASSERT_TRUE(KeyboardUpToDate());
    CKeyboardBar* keyboard = Frame()->KeyboardBar();
    EXPECT_EQ(Frame()->KeyboardDock()->windowTitle(), QStringLiteral("Binds for id1"));
    ASSERT_EQ(keyboard->KeyState(kKeyX), 0);
    const QPoint keyX = keyboard->KeyWindowRect(kKeyX).center();
    QStringList rows;
    ASSERT_TRUE(RunWithDialog([&] { DoubleClickAt(keyboard, keyX); },
                              [&](QWidget* dialog) {
                                  EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Add new Bind"));
                                  rows = ChoiceRows(dialog);
                                  auto* list = dialog->findChild<QListWidget*>("modules");
                                  list->setCurrentRow(3);
                                  PressButton(dialog, "ok");
                              }));
    ASSERT_TRUE(BackToMainWindow());
    EXPECT_EQ(rows, QStringList({"Quake Definitions", "Zoom", "autoexec.cfg", "My Keys"}));
    ASSERT_EQ(myKeys->GetList(TypeBindList)->GetChildCount(), 1);
    auto* bind = dynamic_cast<CVBind*>(myKeys->GetList(TypeBindList)->GetChild(0));
    ASSERT_NE(bind, nullptr);
    EXPECT_EQ(bind->GetKey(), kKeyX);
    EXPECT_EQ(modules.SelectedObject(), bind);
    window->ActivatePane(CChildFrame::ModulePane);
    ASSERT_NE(NewCommandNamed(QStringLiteral("sniper")), nullptr);
    EXPECT_EQ(CommandTexts(*bind), QStringList({"sniper"}));
    EXPECT_EQ(bind->GetCommand(0)->GetParamType(), ParamNone);

    // Elsewhere in the tree, then a click on the key jumps back to its Bind.
    ClickNode(modules, library.GetModule(1));
    ASSERT_TRUE(KeyboardUpToDate());
    EXPECT_EQ(keyboard->KeyState(kKeyX), 1);
    QTest::mouseClick(keyboard, Qt::LeftButton, {}, keyX);
    EXPECT_EQ(modules.SelectedObject(), bind);
    EXPECT_EQ(window->CommandView().CommandOwner(), bind);

    // --- My Keys copied into the untitled Library by a drag with Ctrl between the windows.
    Frame()->MdiArea()->tileSubWindows();
    CModuleView& otherModules = untitled->ModuleTreeView();
    QWidget* otherTree = otherModules.Tree()->viewport();
    modules.SetDragLoop([&](QMimeData* data, Qt::DropActions) {
        return DropOnTree(otherModules, data, QPoint(5, otherTree->height() - 5),
                          Qt::ControlModifier);
    });
    DragNode(modules, myKeys);
    modules.SetDragLoop({});
    ASSERT_EQ(ModuleNames(untitled->Document()), QStringList({"My Keys"}));
    EXPECT_EQ(untitled->Document().GetModule(0)->WriteClipboardData(),
              myKeys->WriteClipboardData());
    EXPECT_EQ(library.GetModuleCount(), 4);

    // Saved under a name of the user's choosing.
    Frame()->MdiArea()->setActiveSubWindow(untitled);
    const QString secondPath = folder.filePath(QStringLiteral("Second Library.vtl"));
    messages.fileAnswer = secondPath;
    Trigger(CommandId::FileSave);
    messages.fileAnswer.clear();
    EXPECT_EQ(ShownWindowTitle(*untitled), QStringLiteral("Second Library.vtl"));
    const CVantorDoc::OpenResult reread = CVantorDoc::Open(FileName(secondPath));
    ASSERT_TRUE(reread.document) << reread.error;
    EXPECT_EQ(Contents(*reread.document), Contents(untitled->Document()));
    EXPECT_EQ(ReadFile(libraryPath), wizardSaved);

    // --- Saving the first Library writes both Games' scripts; the wizard's ones are the
    // backups, autoexec.cfg stays as the wizard left it.
    Frame()->MdiArea()->setActiveSubWindow(window);
    Trigger(CommandId::FileSave);
    EXPECT_EQ(ShownWindowTitle(*window), QStringLiteral("quake.vtl"));
    EXPECT_EQ(ReadFile(Engine("id1/Vantor.cfg")), Expected("id1-Vantor.cfg"));
    EXPECT_EQ(ReadFile(Engine("ctf/Vantor.cfg")), Expected("ctf-Vantor.cfg"));
    EXPECT_EQ(ReadFile(Engine("id1/Vantor.bak")), Expected("wizard-id1-Vantor.cfg"));
    EXPECT_EQ(ReadFile(Engine("ctf/Vantor.bak")), Expected("wizard-ctf-Vantor.cfg"));
    EXPECT_EQ(ReadFile(Engine("id1/autoexec.cfg")), Expected("id1-autoexec.cfg"));
    EXPECT_EQ(ReadFile(Engine("ctf/autoexec.cfg")), Expected("ctf-autoexec.cfg"));
    const CVantorDoc::OpenResult saved = CVantorDoc::Open(FileName(libraryPath));
    ASSERT_TRUE(saved.document) << saved.error;
    EXPECT_EQ(Contents(*saved.document), Contents(library));

    // --- Preview of id1: lumenote makes the page from the same script and asks the desktop
    // to open it.
    const StandInOpener opener;
    ASSERT_TRUE(opener.IsValid());
    QTemporaryDir temp;
    App().ScriptOutput().SetTempFolder(FileName(temp.path()));
    ClickGame(*window, 1);
    Trigger(CommandId::PreviewGameScript);
    const QString page = opener.WaitForPage();
    ASSERT_FALSE(page.isEmpty()) << messages.calls.join('\n').toStdString();
    EXPECT_TRUE(page.startsWith(temp.path() + QStringLiteral("/~vantor"))) << page.toStdString();
    const QByteArray html = QByteArray::fromStdString(ReadFile(page));
    EXPECT_TRUE(html.contains("Preview of Script id1"));
    EXPECT_TRUE(html.contains("sniper"));
    const std::vector<std::string> tempFiles = App().ScriptOutput().GetTempFiles();
    int previewScripts = 0;
    for (const std::string& file : tempFiles)
        if (ReadFile(QFile::decodeName(file.c_str())) == Expected("id1-Vantor.cfg"))
            ++previewScripts;
    EXPECT_EQ(previewScripts, 1);
    EXPECT_EQ(messages.calls.filter(QStringLiteral("Information: Vantor previews")).size(), 1);
    EXPECT_FALSE(library.IsModified());

    // --- Exit: nothing to ask, both Libraries recorded, the preview's files gone.
    const std::map<QString, std::vector<std::string>> before = {
        {libraryPath, Contents(library)}, {secondPath, Contents(untitled->Document())}};
    EXPECT_TRUE(Warnings().isEmpty()) << messages.calls.join('\n').toStdString();
    messages.calls.clear();
    ASSERT_TRUE(CloseFrame());
    EXPECT_TRUE(messages.calls.isEmpty()) << messages.calls.join('\n').toStdString();
    EXPECT_EQ(Stored(QStringLiteral("OpenFiles/count")).toInt(), 2);
    EXPECT_EQ(QStringList({Stored(QStringLiteral("OpenFiles/File0")).toString(),
                           Stored(QStringLiteral("OpenFiles/File1")).toString()}),
              QStringList({secondPath, libraryPath}));
    for (const std::string& file : tempFiles)
        EXPECT_FALSE(QFile::exists(QFile::decodeName(file.c_str()))) << file;

    // --- A new start reopens both Libraries with the same content, unmodified.
    ASSERT_TRUE(StartEditor());
    EXPECT_EQ(Titles(), QStringList({"Second Library.vtl", "quake.vtl"}));
    ASSERT_EQ(Windows().size(), 2U);
    for (const CChildFrame* reopened : Windows()) {
        const std::string what = reopened->PathName().toStdString();
        ASSERT_EQ(before.count(reopened->PathName()), 1U) << what;
        EXPECT_EQ(Contents(reopened->Document()), before.at(reopened->PathName())) << what;
        EXPECT_FALSE(reopened->Document().IsModified()) << what;
    }
    EXPECT_TRUE(messages.calls.isEmpty()) << messages.calls.join('\n').toStdString();
}

} // namespace
} // namespace vantor::test
