// The Library commands: the Library Properties dialog, the import and export dialogs (titles,
// filters, default suffixes, start folders) with their failure messages, rematching through
// the processing dialog, Save Script, Browse for Script, and a preview started for real.
#include "ui/frame/LibraryCommands.h"

#include "LibraryFixture.h"
#include "StandInOpener.h"
#include "app/CVantorApp.h"
#include "document/CScriptOutput.h"
#include "document/CVantorDoc.h"
#include "model/CCmdFrag.h"
#include "model/CScript.h"
#include "model/CVConfig.h"
#include "model/CVObList.h"
#include "model/ModelCodes.h"
#include "ui/frame/CChildFrame.h"
#include "ui/frame/CMainFrame.h"
#include "ui/frame/CModuleView.h"
#include "ui/frame/CommandRouter.h"

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace vantor::test {
namespace {

std::string FileName(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString Text(const std::string& bytes) {
    return QString::fromStdString(bytes);
}

class LibraryCommandsTest : public LibraryFixture {
protected:
    /// Starts the editor on a Library whose engine folder is the test's folder.
    void StartOn(int modules, int games) {
        CVantorDoc library;
        library.SetLibraryProperties(FileName(folder.path()), true);
        for (int i = 0; i < modules; ++i)
            library.NewModule("Tester");
        for (int i = 0; i < games; ++i)
            library.NewGame();
        path = folder.filePath("lib.vtl");
        ASSERT_TRUE(library.SaveLibrary(FileName(path)).saved);
        ASSERT_TRUE(StartEditor({path}));
        ASSERT_NE(Active(), nullptr);
    }
    CVantorDoc& Doc() const { return Active()->Document(); }
    bool Enabled(CommandId id) const {
        Frame()->Router().UpdateActions();
        return Frame()->Router().Action(id)->isEnabled();
    }

    QString path;
};

TEST_F(LibraryCommandsTest, PropertiesImportDefsStaysButCancelDropsTheChosenFolder) {
    StartOn(0, 0);
    const QString defs = WriteFile(QStringLiteral("defs.txt"), "fov;R;Field of view\n");
    const QString other = folder.filePath("other");
    ASSERT_TRUE(QDir().mkpath(other));
    const auto browseAndImport = [&](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Library Properties"));
        EXPECT_EQ(dialog->findChild<QLineEdit*>("engineFolder")->text(), folder.path());
        EXPECT_TRUE(dialog->findChild<QLineEdit*>("engineFolder")->isReadOnly());
        messages.fileAnswers = {other, defs};
        QTest::mouseClick(dialog->findChild<QPushButton*>("browse"), Qt::LeftButton);
        EXPECT_EQ(dialog->findChild<QLineEdit*>("engineFolder")->text(), other);
        QTest::mouseClick(dialog->findChild<QPushButton*>("importDefs"), Qt::LeftButton);
        static_cast<QDialog*>(dialog)->reject();
    };
    ASSERT_TRUE(RunWithDialog(CommandId::LibraryProperties, browseAndImport));
    EXPECT_EQ(messages.calls, QStringList({"Folder: Browse for root folder for this Vantor Library",
                                           "OpenFile: Import Defintions"}));
    ASSERT_EQ(Doc().GetModuleCount(), 1);
    EXPECT_EQ(Doc().GetModule(0)->GetName(), "defs.txt");
    EXPECT_EQ(Text(Doc().GetEngineFolder()), folder.path());
    EXPECT_TRUE(Frame()->isEnabled()); // the import's processing dialog gave it back

    // OK copies both values back.
    ASSERT_TRUE(RunWithDialog(CommandId::LibraryProperties, [&](QWidget* dialog) {
        messages.fileAnswers = {other};
        QTest::mouseClick(dialog->findChild<QPushButton*>("browse"), Qt::LeftButton);
        dialog->findChild<QCheckBox*>("writeAllScripts")->setChecked(false);
        static_cast<QDialog*>(dialog)->accept();
    }));
    EXPECT_EQ(Text(Doc().GetEngineFolder()), other);
    EXPECT_FALSE(Doc().GetWriteAll());
}

TEST_F(LibraryCommandsTest, ImportDialogsAndTheirFailuresLeaveTheLibraryUnchanged) {
    StartOn(0, 0);
    const struct {
        CommandId id;
        const char* title;
        const char* filter;
        const char* suffix;
        QString start;
        const char* failure;
    } cases[] = {
        {CommandId::ImportScriptFile, "Import Game Script File",
         "Script files (*.cfg *.rc);;All Files (*)", "cfg", folder.path(),
         "Error encountered importing script file"},
        {CommandId::ImportModule, "Import Vantor Module", "Vantor Module files (*.vtm)", "vtm",
         QString(), "Error encountered reading Vantor module."},
        {CommandId::ImportDefinitions, "Import Defintions",
         "Definition files (*.txt);;All Files (*)", "txt", App().Settings().exampleFolder,
         "Cannot import from the definition file."},
    };
    const QString missing = folder.filePath("missing.file");
    for (const auto& c : cases) {
        messages.calls.clear();
        messages.dialogs.clear();
        messages.fileAnswer = missing;
        Trigger(c.id);
        EXPECT_EQ(messages.calls, QStringList({QStringLiteral("OpenFile: ") + c.title,
                                               QStringLiteral("Warning: ") + c.failure}));
        ASSERT_EQ(messages.dialogs.size(), 1);
        EXPECT_EQ(messages.dialogs[0].filter, QLatin1String(c.filter));
        EXPECT_EQ(messages.dialogs[0].suffix, QLatin1String(c.suffix));
        EXPECT_EQ(messages.dialogs[0].start, c.start);
        EXPECT_EQ(Doc().GetModuleCount(), 0);
        EXPECT_FALSE(Doc().IsModified());
    }
    // A cancelled dialog does nothing at all.
    messages.calls.clear();
    messages.fileAnswer.clear();
    Trigger(CommandId::ImportModule);
    EXPECT_EQ(messages.calls, QStringList({"OpenFile: Import Vantor Module"}));
}

TEST_F(LibraryCommandsTest, ImportedScriptIsMatchedAgainstKnownDefinitions) {
    Preset({{QStringLiteral("options/author"), QStringLiteral("Ann")}});
    StartOn(0, 0);
    messages.fileAnswer = WriteFile(QStringLiteral("defs.txt"), "fov;R;Field of view\n");
    Trigger(CommandId::ImportDefinitions);
    messages.fileAnswer = WriteFile(QStringLiteral("my.cfg"), "FOV 0.5\r\nbind x jump\r\n");
    Trigger(CommandId::ImportScriptFile);
    ASSERT_EQ(Doc().GetModuleCount(), 2);
    const CVConfig& module = *Doc().GetModule(1);
    EXPECT_EQ(module.GetName(), "my.cfg");
    EXPECT_EQ(module.GetAuthor(), "Ann");
    const CVObList& startups = *module.GetList(TypeStartupList);
    ASSERT_EQ(startups.GetCommandCount(), 1);
    EXPECT_EQ(startups.GetCommand(0)->GetParamType(), ParamReal);
    EXPECT_TRUE(Frame()->isEnabled());
}

TEST_F(LibraryCommandsTest, RematchCommandsBindsCommandsOfLaterModules) {
    {
        CVantorDoc library;
        CVConfig* script = library.NewModule("Tester");
        script->GetList(TypeStartupList)->SetCommandsFromText("foo 7");
        CVConfig* defs = library.NewModule("Tester");
        ASSERT_TRUE(defs->ReadDefinitionFile(
            FileName(WriteFile(QStringLiteral("d.txt"), "foo;I;a number\n"))));
        library.MoveModule(*defs, true); // the Definitions first
        ASSERT_TRUE(library.SaveLibrary(FileName(folder.filePath("r.vtl"))).saved);
    }
    ASSERT_TRUE(StartEditor({folder.filePath("r.vtl")}));
    EXPECT_TRUE(Enabled(CommandId::RematchCommands));
    Trigger(CommandId::RematchCommands);
    const CCmdFrag& command = *Doc().GetModule(1)->GetList(TypeStartupList)->GetCommand(0);
    EXPECT_EQ(command.GetParamType(), ParamInteger);
    EXPECT_EQ(command.GetParam(), "7");
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_TRUE(Frame()->isEnabled());
}

TEST_F(LibraryCommandsTest, SaveScriptNeedsAGameWithAFileAndReportsFailures) {
    StartOn(0, 1);
    CScript& game = *Doc().GetGame(0);
    EXPECT_EQ(Doc().GetCurrentGame(), &game); // the Game Pane made the first Game current
    Doc().SetCurrentGame(nullptr);
    EXPECT_FALSE(Enabled(CommandId::SaveScript));
    EXPECT_FALSE(Enabled(CommandId::PreviewGameScript));
    Doc().SetCurrentGame(&game);
    EXPECT_FALSE(Enabled(CommandId::SaveScript)); // no script file yet
    EXPECT_TRUE(Enabled(CommandId::PreviewGameScript));

    // Browse for Script starts in the engine folder and does not ask about existing files.
    messages.fileAnswer = folder.filePath("no such folder/game.cfg");
    EXPECT_TRUE(Active()->Library().BrowseForScript(game));
    EXPECT_EQ(messages.dialogs.last().start, folder.path());
    EXPECT_FALSE(messages.dialogs.last().confirmOverwrite);
    EXPECT_EQ(Text(game.GetScriptFile()), messages.fileAnswer);
    EXPECT_TRUE(Enabled(CommandId::SaveScript));

    Trigger(CommandId::SaveScript);
    EXPECT_EQ(messages.calls.last(),
              QStringLiteral("Warning: Error encountered writing script \"%1\"\nto file \"%2\".")
                  .arg(Text(game.GetGameName()), messages.fileAnswer));

    messages.fileAnswer = folder.filePath("game.cfg");
    ASSERT_TRUE(Active()->Library().BrowseForScript(game));
    EXPECT_EQ(messages.dialogs.last().start, folder.filePath("no such folder/game.cfg"));
    Trigger(CommandId::SaveScript);
    EXPECT_TRUE(QFile::exists(folder.filePath("game.cfg")));
    messages.fileAnswer.clear();
    EXPECT_FALSE(Active()->Library().BrowseForScript(game)); // cancelled: unchanged
    EXPECT_EQ(Text(game.GetScriptFile()), folder.filePath("game.cfg"));
}

TEST_F(LibraryCommandsTest, NewGameAndNewModuleAreNamedByTheCounter) {
    Preset({{QStringLiteral("options/author"), QStringLiteral("Bea")}});
    StartOn(0, 0);
    Trigger(CommandId::NewGame);
    EXPECT_EQ(Active()->ActivePaneIndex(), CChildFrame::GamePane);
    Trigger(CommandId::NewModule);
    EXPECT_EQ(Active()->ActivePaneIndex(), CChildFrame::ModulePane);
    ASSERT_EQ(Doc().GetGameCount(), 1);
    ASSERT_EQ(Doc().GetModuleCount(), 1);
    const QString game = Text(Doc().GetGame(0)->GetGameName());
    const QString module = Text(Doc().GetModule(0)->GetName());
    ASSERT_TRUE(game.startsWith(QStringLiteral("New Game")));
    ASSERT_TRUE(module.startsWith(QStringLiteral("New Module")));
    EXPECT_EQ(module.mid(10).toInt(), game.mid(8).toInt() + 1);
    EXPECT_EQ(Doc().GetModule(0)->GetAuthor(), "Bea");
    // The new Module is selected in the Module Pane, so it can be exported.
    EXPECT_EQ(Active()->ModuleTreeView().GetSelectedNode(), Doc().GetModule(0));
    EXPECT_TRUE(Enabled(CommandId::ExportModule));
}

TEST_F(LibraryCommandsTest, PreviewRunsTheConverterWhichOpensThePage) {
    // A stand-in for the desktop's opener records the page it was asked to open.
    const StandInOpener opener;
    ASSERT_TRUE(opener.IsValid());
    StartOn(1, 1);
    const QString temp = folder.filePath("temp with blanks");
    ASSERT_TRUE(QDir().mkpath(temp));
    App().ScriptOutput().SetTempFolder(FileName(temp));
    CScript& game = *Doc().GetGame(0);
    Doc().SetCurrentGame(&game);

    Trigger(CommandId::PreviewGameScript);
    const QString opened = opener.WaitForPage();
    ASSERT_FALSE(opened.isEmpty()) << messages.calls.join('\n').toStdString();
    EXPECT_EQ(messages.calls.filter(QStringLiteral("Information: Vantor previews")).size(), 1);
    QFile page(opened);
    ASSERT_TRUE(page.fileName().startsWith(temp + QStringLiteral("/~vantor")))
        << page.fileName().toStdString();
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QByteArray html = page.readAll();
    EXPECT_TRUE(
        html.contains("Preview of Script " + QByteArray::fromStdString(game.GetGameName())));
    EXPECT_TRUE(html.contains("<html") || html.contains("<HTML"));

    // The notice comes once; a converter that cannot start is reported.
    App().Settings().converterPath = folder.filePath("no-converter");
    messages.calls.clear();
    Trigger(CommandId::PreviewGameScript);
    EXPECT_EQ(messages.calls, QStringList({"Warning: Unable to start preview application"}));
}

} // namespace
} // namespace vantor::test
