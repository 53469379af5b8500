// The New Library command end to end: the wizard answered as a user would (its file dialogs
// through the message service), then the Library built, opened and saved at once, with the
// Games' scripts, the EXEC lines and the standard Modules. Also: every shipped Module file
// opens in the core and writes a script.
#include "LibraryFixture.h"
#include "app/CVantorApp.h"
#include "document/CScriptOutput.h"
#include "document/CVantorDoc.h"
#include "model/CScript.h"
#include "model/CVConfig.h"
#include "ui/frame/CChildFrame.h"
#include "ui/frame/CMainFrame.h"
#include "ui/frame/CommandRouter.h"
#include "ui/frame/WindowTitle.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace vantor::test {
namespace {

std::string FileName(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

class NewLibraryTest : public LibraryFixture {
protected:
    void SetUp() override {
        LibraryFixture::SetUp();
        engine = folder.filePath("My Game");
        for (const char* game : {"id1", "mymod", "other"})
            ASSERT_TRUE(QDir(engine).mkpath(QLatin1String(game)));
        WriteFile(QStringLiteral("My Game/id1/autoexec.cfg"), "bind x jump\r\n");
    }

    static QString Text(const std::string& bytes) { return QString::fromStdString(bytes); }

    QString engine;
};

TEST_F(NewLibraryTest, GamesWriteVantorCfgWithExecLinesAndTheLibraryIsSaved) {
    ASSERT_TRUE(StartEditor());
    qputenv("SOURCE_DATE_EPOCH", "0");
    const QString file = engine + QStringLiteral("/my.vtl");
    ASSERT_TRUE(RunLibraryWizard({file,
                                  QLatin1Char(' ') + engine + QLatin1Char(' '),
                                  {"id1", "mymod"},
                                  false,
                                  true,
                                  {"Movement", "Zoom"}}));
    qunsetenv("SOURCE_DATE_EPOCH");

    CChildFrame* window = Active();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(ShownWindowTitle(*window), QStringLiteral("my.vtl"));
    const CVantorDoc& library = window->Document();
    EXPECT_FALSE(library.IsModified());
    EXPECT_EQ(window->PathName(), file);
    // The Library keeps the folder as chosen; only the paths built from it are trimmed.
    EXPECT_EQ(Text(library.GetEngineFolder()), QLatin1Char(' ') + engine + QLatin1Char(' '));
    ASSERT_EQ(library.GetGameCount(), 2);
    const char* games[] = {"id1", "mymod"};
    for (int i = 0; i < 2; ++i) {
        const CScript& game = *library.GetGame(i);
        const QString script = engine + QLatin1Char('/') + games[i] + QStringLiteral("/Vantor.cfg");
        EXPECT_EQ(Text(game.GetGameName()), QLatin1String(games[i]));
        EXPECT_EQ(Text(game.GetScriptFile()), script);
        EXPECT_EQ(game.GetModuleUseCount(), 0U);
        EXPECT_TRUE(game.GetSaveWithLibrary());
        // Saved with the Library: the header, the Game line, the echo line and the end.
        EXPECT_TRUE(Text(ReadFile(script))
                        .contains(QStringLiteral("// Game: \"%1\"").arg(QLatin1String(games[i]))));
        EXPECT_TRUE(
            Text(ReadFile(engine + QLatin1Char('/') + games[i] + QStringLiteral("/autoexec.cfg")))
                .endsWith(
                    QStringLiteral("// The following line added by Vantor\r\nEXEC Vantor.cfg")));
    }
    EXPECT_EQ(ReadFile(engine + QStringLiteral("/id1/autoexec.bak")), "bind x jump\r\n");
    EXPECT_TRUE(
        Text(ReadFile(engine + QStringLiteral("/id1/autoexec.cfg"))).startsWith("bind x jump"));
    EXPECT_FALSE(QFile::exists(engine + QStringLiteral("/other/autoexec.cfg")));
    ASSERT_EQ(library.GetModuleCount(), 2);
    EXPECT_EQ(Text(library.GetModule(0)->GetName()), QStringLiteral("Movement"));
    EXPECT_EQ(Text(library.GetModule(1)->GetName()), QStringLiteral("Zoom"));

    const CVantorDoc::OpenResult reread = CVantorDoc::Open(FileName(file));
    ASSERT_TRUE(reread.document) << reread.error;
    EXPECT_EQ(reread.document->GetGameCount(), 2);
    EXPECT_EQ(reread.document->GetModuleCount(), 2);
    EXPECT_TRUE(messages.calls.filter(QStringLiteral("Warning")).isEmpty())
        << messages.calls.join('\n').toStdString();
}

TEST_F(NewLibraryTest, AutoexecChoiceAddsNoExecLineAndReplacesAutoexecWithABackup) {
    ASSERT_TRUE(StartEditor());
    ASSERT_TRUE(RunLibraryWizard({folder.filePath("lib.vtl"), engine, {"id1"}, true, true, {}}));
    const QString autoexec = engine + QStringLiteral("/id1/autoexec.cfg");
    const QString script = Text(ReadFile(autoexec));
    EXPECT_TRUE(script.contains(QStringLiteral("// Game: \"id1\""))) << script.toStdString();
    EXPECT_FALSE(script.contains(QStringLiteral("EXEC")));
    EXPECT_FALSE(script.contains(QStringLiteral("bind x jump")));
    EXPECT_EQ(ReadFile(engine + QStringLiteral("/id1/autoexec.bak")), "bind x jump\r\n");
    EXPECT_EQ(Text(Active()->Document().GetGame(0)->GetScriptFile()), autoexec);
}

TEST_F(NewLibraryTest, NoGamesAndNoModulesGiveAnEmptySavedLibrary) {
    ASSERT_TRUE(StartEditor());
    const QString file = folder.filePath("empty.vtl");
    ASSERT_TRUE(RunLibraryWizard({file, engine, {}, false, true, {}}));
    const CVantorDoc::OpenResult reread = CVantorDoc::Open(FileName(file));
    ASSERT_TRUE(reread.document) << reread.error;
    EXPECT_EQ(reread.document->GetGameCount(), 0);
    EXPECT_EQ(reread.document->GetModuleCount(), 0);
    EXPECT_EQ(Text(reread.document->GetEngineFolder()), engine);
    EXPECT_EQ(App().RecentFiles().Paths().value(0), file);
}

TEST_F(NewLibraryTest, UnreadableModuleFilesAreReportedOneByOne) {
    QTemporaryDir examples;
    ASSERT_TRUE(examples.isValid());
    for (const char* name : {"Bad.vtm", "Worse.VTM"})
        QFile::copy(folder.filePath("My Game/id1/autoexec.cfg"), examples.filePath(name));
    ASSERT_TRUE(QFile::copy(QCoreApplication::applicationDirPath() + QStringLiteral("/Chat.vtm"),
                            examples.filePath("Chat.vtm")));
    Preset({{QStringLiteral("options/examplefolder"), examples.path()}});
    ASSERT_TRUE(StartEditor());
    ASSERT_TRUE(RunLibraryWizard(
        {folder.filePath("m.vtl"), engine, {}, false, false, {"Bad", "Chat", "Worse"}}));
    const QString failed =
        QStringLiteral("Warning: Error encountered importing Vantor Module from selected file.");
    EXPECT_EQ(messages.calls.filter(QStringLiteral("Warning")), QStringList({failed, failed}));
    ASSERT_EQ(Active()->Document().GetModuleCount(), 1);
    EXPECT_EQ(Text(Active()->Document().GetModule(0)->GetName()), QStringLiteral("Chat"));
    EXPECT_FALSE(Active()->Document().IsModified());
}

TEST_F(NewLibraryTest, FailedSaveLeavesTheNamedUnsavedLibraryOpen) {
    ASSERT_TRUE(StartEditor());
    const QString file = folder.filePath("missing/folder/lib.vtl");
    ASSERT_TRUE(RunLibraryWizard({file, engine, {"mymod"}, false, false, {}}));
    EXPECT_TRUE(messages.calls.contains(QStringLiteral("Warning: Failed to save document.")));
    CChildFrame* window = Active();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->PathName(), file);
    EXPECT_EQ(ShownWindowTitle(*window), QStringLiteral("lib.vtl*"));
    EXPECT_TRUE(window->Document().IsModified());
    EXPECT_EQ(window->Document().GetGameCount(), 1);
}

TEST_F(NewLibraryTest, CancelledWizardCreatesNothing) {
    ASSERT_TRUE(StartEditor());
    const std::size_t before = Windows().size();
    Frame()->Router().UpdateActions();
    ASSERT_TRUE(RunWithDialog(CommandId::NewLibrary, [](QWidget* dialog) { dialog->close(); }));
    EXPECT_EQ(Windows().size(), before);
}

TEST(ShippedModulesTest, EveryModuleFileOpensAndWritesAScript) {
    const QDir examples(QCoreApplication::applicationDirPath());
    const QStringList files = examples.entryList({QStringLiteral("*.vtm")}, QDir::Files);
    EXPECT_GE(files.size(), 8) << "the standard Modules are built beside the program";
    QTemporaryDir out;
    CScriptOutput output;
    for (const QString& name : files) {
        CVConfig module;
        ASSERT_TRUE(module.LoadModuleFile(FileName(examples.filePath(name)))) << name.toStdString();
        EXPECT_FALSE(module.GetName().empty());
        EXPECT_EQ(module.GetAuthor(), "Vantor examples");
        const QString script = out.filePath(name + QStringLiteral(".cfg"));
        ASSERT_TRUE(output.WriteModuleScript(module, FileName(script))) << name.toStdString();
        QFile written(script);
        ASSERT_TRUE(written.open(QIODevice::ReadOnly));
        EXPECT_TRUE(written.readAll().contains("// Module: " +
                                               QByteArray::fromStdString(module.GetName())));
    }
}

} // namespace
} // namespace vantor::test
