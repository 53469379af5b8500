// The Library windows over real Library files: reopening the last session and the command
// line, opening errors, one window per file, saving (the core's bytes), the save questions
// when a Library or the editor closes, ChildMax and the pane columns.
#include "LibraryFixture.h"
#include "app/CVantorApp.h"
#include "document/CScriptOutput.h"
#include "document/CVantorDoc.h"
#include "model/ArchiveWriter.h"
#include "model/CScript.h"
#include "ui/frame/CChildFrame.h"
#include "ui/frame/CMainFrame.h"
#include "ui/frame/CommandRouter.h"
#include "ui/frame/WindowTitle.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QSplitter>
#include <QTest>

#include <unistd.h>

namespace vantor::test {
namespace {

using LibraryWindowsTest = LibraryFixture;

std::string FileName(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

TEST_F(LibraryWindowsTest, ReopensTheLastSessionBesideTheCommandLine) {
    const QString first = WriteLibrary(QStringLiteral("first.vtl"), 2, 1);
    const QString gone = WriteLibrary(QStringLiteral("gone.vtl"));
    const QString second = WriteLibrary(QStringLiteral("second.vtl"), 1);
    const QString named = WriteLibrary(QStringLiteral("named.vtl"));
    ASSERT_TRUE(QFile::remove(gone));
    Preset({{"OpenFiles/count", 3},
            {"OpenFiles/File0", first},
            {"OpenFiles/File1", gone},
            {"OpenFiles/File2", second}});

    ASSERT_TRUE(StartEditor({named}));
    // No empty Library was made; the named file opened after the reopened ones.
    EXPECT_EQ(Titles(), QStringList({"first.vtl", "second.vtl", "named.vtl"}));
    EXPECT_EQ(Windows().at(0)->Document().GetModuleCount(), 2);
    EXPECT_EQ(Windows().at(0)->Document().GetGameCount(), 1);
    EXPECT_EQ(messages.calls,
              QStringList({"Warning: " + gone + " was not found.",
                           "Warning: Couldn't restore all previously open files."}));
    EXPECT_EQ(Active(), Windows().back());
    EXPECT_EQ(ShownWindowTitle(*Frame()), QStringLiteral("named.vtl - Vantor"));
    EXPECT_EQ(App().RecentFiles().Paths().first(), named);

    // At exit the open Libraries are recorded in opening order, for the next start.
    ASSERT_TRUE(CloseFrame());
    EXPECT_EQ(Stored("OpenFiles/count").toInt(), 3);
    EXPECT_EQ(Stored("OpenFiles/File0").toString(), first);
    EXPECT_EQ(Stored("OpenFiles/File1").toString(), second);
    EXPECT_EQ(Stored("OpenFiles/File2").toString(), named);
}

TEST_F(LibraryWindowsTest, NewLibrariesAreNumberedAndAnOpenFileIsNotOpenedTwice) {
    ASSERT_TRUE(StartEditor());
    ASSERT_TRUE(libraries.NewEmptyLibrary());
    EXPECT_EQ(Titles(), QStringList({"Vantor1", "Vantor2"}));
    EXPECT_TRUE(libraries.OpenLibraryPaths().isEmpty());

    const QString path = WriteLibrary(QStringLiteral("lib.vtl"));
    ASSERT_TRUE(QFile::link(path, folder.filePath(QStringLiteral("link.vtl"))));
    ASSERT_TRUE(libraries.OpenLibrary(path));
    CChildFrame* window = Active();
    ASSERT_TRUE(libraries.NewEmptyLibrary());
    // Another spelling of the file, and a link to it: the window comes forward instead.
    for (const QString& other :
         {folder.path() + QStringLiteral("/./sub/../lib.vtl"), folder.filePath("link.vtl")}) {
        ASSERT_TRUE(libraries.OpenLibrary(other)) << other.toStdString();
        EXPECT_EQ(Windows().size(), 4U);
        EXPECT_EQ(Active(), window);
    }
    EXPECT_EQ(libraries.OpenLibraryPaths(), QStringList(path));
    EXPECT_TRUE(messages.calls.isEmpty()) << messages.calls.join('\n').toStdString();
}

TEST_F(LibraryWindowsTest, OpeningErrorsSayWhatWentWrong) {
    ASSERT_TRUE(StartEditor());
    const QString damaged = WriteFile(QStringLiteral("damaged.vtl"), std::string("\x05"
                                                                                 "ab",
                                                                                 3));
    const QString unreadable = WriteLibrary(QStringLiteral("locked.vtl"));
    ::chmod(FileName(unreadable).c_str(), 0);
    struct Case {
        QString path;
        QString message;
    } cases[] = {
        {damaged, "Unexpected file format."},
        {folder.filePath("missing.vtl"), folder.filePath("missing.vtl") + " was not found."},
        {folder.path(), "Failed to open document."},
        {unreadable, "Access to " + unreadable + " was denied."},
    };
    for (const Case& c : cases) {
        if (c.path == unreadable && ::geteuid() == 0)
            continue; // nothing is unreadable for the super-user
        messages.calls.clear();
        EXPECT_FALSE(libraries.OpenLibrary(c.path)) << c.path.toStdString();
        EXPECT_EQ(messages.calls, QStringList("Warning: " + c.message));
    }
    EXPECT_EQ(Windows().size(), 1U); // the empty Library of the start
    EXPECT_EQ(App().RecentFiles().Paths(), QStringList());
}

TEST_F(LibraryWindowsTest, SaveWritesWhatTheCoreWritesAndTheTitleFollows) {
    ASSERT_TRUE(StartEditor());
    CChildFrame* window = Active();
    window->Document().NewModule("Author");
    window->Document().NewGame();
    EXPECT_EQ(Titles(), QStringList("Vantor1*"));
    EXPECT_EQ(ShownWindowTitle(*Frame()), QStringLiteral("Vantor1* - Vantor"));

    // Untitled, Save asks for a file; a folder that does not exist fails and changes nothing.
    messages.fileAnswers = {folder.filePath("no/such/folder/x.vtl"), folder.filePath("mine")};
    Trigger(CommandId::FileSave);
    EXPECT_EQ(messages.proposedNames, QStringList("Vantor1.vtl"));
    EXPECT_EQ(messages.calls.last(), QStringLiteral("Warning: Failed to save document."));
    EXPECT_EQ(Titles(), QStringList("Vantor1*"));

    Trigger(CommandId::FileSave);
    // The dialog adds the extension to a name without one; here the name came as typed.
    const QString path = folder.filePath("mine");
    EXPECT_EQ(Titles(), QStringList("mine"));
    EXPECT_FALSE(window->Document().IsModified());
    EXPECT_EQ(App().RecentFiles().Paths().first(), path);
    EXPECT_EQ(libraries.FindWindow(path), window);

    EXPECT_EQ(ReadFile(path), window->Document().WriteLibrary());
    EXPECT_GT(ReadFile(path).size(), 24U);

    // Save As to another file: the window now names that one.
    messages.fileAnswers = {folder.filePath("other.vtl")};
    Trigger(CommandId::FileSaveAs);
    EXPECT_EQ(messages.proposedNames.last(), path);
    EXPECT_EQ(Titles(), QStringList("other.vtl"));
    EXPECT_EQ(libraries.FindWindow(folder.filePath("other.vtl")), window);
    EXPECT_EQ(libraries.FindWindow(path), nullptr);
}

TEST_F(LibraryWindowsTest, GameScriptFailureIsSaidOnceAndTheLibraryIsSaved) {
    ASSERT_TRUE(StartEditor({WriteLibrary(QStringLiteral("games.vtl"))}));
    CVantorDoc& library = Active()->Document();
    for (int i = 0; i < 2; ++i) {
        CScript* game = library.NewGame();
        game->SetSaveWithLibrary(true);
        game->SetScriptFile(FileName(folder.filePath("missing/folder/game.cfg")), false);
    }
    Trigger(CommandId::FileSave);
    EXPECT_EQ(messages.calls,
              QStringList("Warning: Errors encountered writing one or more script."));
    EXPECT_FALSE(library.IsModified());
    EXPECT_EQ(CVantorDoc::Open(FileName(folder.filePath("games.vtl"))).document->GetGameCount(), 2);
}

TEST_F(LibraryWindowsTest, ClosingAModifiedLibraryAsksFirst) {
    const QString path = WriteLibrary(QStringLiteral("edit.vtl"));
    ASSERT_TRUE(StartEditor({path}));
    const std::string before = ReadFile(path);

    struct Case {
        MessageService::SaveAnswer answer;
        bool closes;
        bool saved;
    } const cases[] = {
        {MessageService::SaveAnswer::Cancel, false, false},
        {MessageService::SaveAnswer::No, true, false},
        {MessageService::SaveAnswer::Yes, true, true},
    };
    for (const Case& c : cases) {
        if (Windows().empty()) {
            ASSERT_TRUE(libraries.OpenLibrary(path));
        }
        Active()->Document().NewGame();
        messages.calls.clear();
        messages.saveAnswer = c.answer;
        Trigger(CommandId::FileClose);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(messages.calls, QStringList("YesNoCancel: Save changes to edit.vtl?"));
        EXPECT_EQ(Windows().empty(), c.closes);
        EXPECT_EQ(ReadFile(path) != before, c.saved);
    }
    // Unmodified, it closes without a question.
    ASSERT_TRUE(libraries.OpenLibrary(path));
    messages.calls.clear();
    Trigger(CommandId::FileClose);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(Windows().empty());
    EXPECT_TRUE(messages.calls.isEmpty());
    EXPECT_EQ(App().ActiveLibrary(), nullptr);
    Frame()->Router().UpdateActions();
    EXPECT_FALSE(Frame()->Router().Action(CommandId::FileClose)->isEnabled());
}

TEST_F(LibraryWindowsTest, ExitAsksForEachModifiedLibraryAndCancelStopsEverything) {
    const QString first = WriteLibrary(QStringLiteral("first.vtl"));
    const QString second = WriteLibrary(QStringLiteral("second.vtl"));
    const QString third = WriteLibrary(QStringLiteral("third.vtl"));
    ASSERT_TRUE(StartEditor({first, second, third}));
    Windows().at(0)->Document().NewGame();
    Windows().at(2)->Document().NewGame();
    const std::string firstBefore = ReadFile(first);
    const std::string thirdBefore = ReadFile(third);

    // Yes for the first, Cancel for the third: the first is saved, then nothing else happens.
    messages.saveAnswers = {MessageService::SaveAnswer::Yes, MessageService::SaveAnswer::Cancel};
    EXPECT_FALSE(CloseFrame());
    EXPECT_EQ(messages.calls, QStringList({"YesNoCancel: Save changes to first.vtl?",
                                           "YesNoCancel: Save changes to third.vtl?"}));
    EXPECT_NE(ReadFile(first), firstBefore);
    EXPECT_EQ(ReadFile(third), thirdBefore);
    EXPECT_FALSE(Stored("OpenFiles/count").isValid());
    EXPECT_FALSE(Stored("metrics/SplitLoc").isValid());
    EXPECT_EQ(Windows().size(), 3U);

    // Now only the third asks; No leaves it as it was and the editor closes.
    messages.calls.clear();
    messages.saveAnswer = MessageService::SaveAnswer::No;
    EXPECT_TRUE(CloseFrame());
    EXPECT_EQ(messages.calls, QStringList("YesNoCancel: Save changes to third.vtl?"));
    EXPECT_EQ(ReadFile(third), thirdBefore);
    EXPECT_EQ(Stored("OpenFiles/count").toInt(), 3);
    EXPECT_EQ(Stored("OpenFiles/File2").toString(), third);
    EXPECT_TRUE(Windows().empty());
}

TEST_F(LibraryWindowsTest, ChildMaxFollowsTheWindows) {
    Preset({{"metrics/ChildMax", 1}});
    ASSERT_TRUE(StartEditor());
    const AppSettings& s = App().Settings();
    EXPECT_TRUE(Active()->isMaximized());
    // Switching between maximised windows keeps them maximised, and ChildMax with them.
    ASSERT_TRUE(libraries.NewEmptyLibrary());
    Frame()->MdiArea()->setActiveSubWindow(Windows().front());
    EXPECT_TRUE(Windows().front()->isMaximized());
    EXPECT_TRUE(s.childMax);

    Active()->showNormal();
    EXPECT_FALSE(s.childMax);
    ASSERT_TRUE(libraries.NewEmptyLibrary());
    EXPECT_FALSE(Active()->isMaximized());
    Active()->showMinimized();
    EXPECT_FALSE(s.childMax);
    Active()->showMaximized();
    EXPECT_TRUE(s.childMax);
    ASSERT_TRUE(CloseFrame());
    EXPECT_EQ(Stored("metrics/ChildMax").toInt(), 1);
}

TEST_F(LibraryWindowsTest, PaneColumnsTakeTheLibraryWidthsOrSplitLoc) {
    // A Library file with stored Game and Module Pane widths.
    std::string bytes;
    ArchiveWriter ar(bytes);
    ar.WriteString("");
    for (std::uint32_t word : {0U, 1U, 120U, 90U, 0U, 0U})
        ar.WriteDword(word);
    const QString widths = WriteFile(QStringLiteral("widths.vtl"), bytes);
    const QString plain = WriteLibrary(QStringLiteral("plain.vtl"));
    Preset({{"metrics/SplitLoc", 170}, {"metrics/ChildMax", 1}});
    ASSERT_TRUE(StartEditor());
    // Room enough for both columns, so that the splitter has no need to shrink them.
    Frame()->resize(1400, 800);
    ASSERT_TRUE(libraries.OpenLibrary(widths));
    ASSERT_TRUE(libraries.OpenLibrary(plain));

    for (CChildFrame* window : Windows()) {
        Frame()->MdiArea()->setActiveSubWindow(window);
        QCoreApplication::processEvents();
        const QList<int> sizes = window->Splitter()->sizes();
        const bool stored = window->PathName() == widths;
        ASSERT_EQ(sizes.size(), 3);
        EXPECT_EQ(sizes.at(0), stored ? 120 : 170);
        EXPECT_EQ(sizes.at(1), stored ? 90 : 170);
        EXPECT_GT(sizes.at(2), 100); // the Command Pane takes the rest
    }
    // The widths are written back as they were read.
    EXPECT_EQ(libraries.FindWindow(widths)->Document().WriteLibrary(), bytes);
}

} // namespace
} // namespace vantor::test
