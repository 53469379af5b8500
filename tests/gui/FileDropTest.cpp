// Files dropped on the main window: which extensions do what (without regard to case), links
// followed to their files, the Library a Module or script goes into, and the messages, said
// once per drop or once per file as the case may be.
#include "ui/frame/FileDrop.h"

#include "LibraryFixture.h"
#include "document/CVantorDoc.h"
#include "model/CVConfig.h"
#include "model/CVObList.h"
#include "ui/frame/CChildFrame.h"
#include "ui/frame/CMainFrame.h"

#include <QCoreApplication>
#include <QFile>
#include <QMdiArea>
#include <QMenuBar>
#include <QUrl>

namespace vantor::test {
namespace {

const QString kModuleNoLibrary =
    QStringLiteral("Warning: You must drop a Vantor Module on an open Vantor Library.");
const QString kScriptNoLibrary =
    QStringLiteral("Warning: You must drop scripts on an open Vantor Library.");
const QString kWrongType = QStringLiteral(
    "Warning: You cannot drop this type of file into Vantor.\nYou can only drop Vantor "
    "Libraries, Vantor Modules, or Script Files (.CFG, .RC).");

class FileDropTest : public LibraryFixture {
protected:
    void SetUp() override {
        LibraryFixture::SetUp();
        // A Module file (exported by the core) and a small script.
        CVantorDoc source;
        CVConfig* module = source.NewModule("Author");
        ASSERT_EQ(source.ExportModule(*module, FileName(folder.filePath("one.VTM"))), 0);
        for (const char* copy : {"two.vtm", "three.Vtm"})
            ASSERT_TRUE(QFile::copy(folder.filePath("one.VTM"), folder.filePath(copy)));
        WriteFile(QStringLiteral("autoexec.cfg"),
                  "alias +jmp \"+jump; +duck\"\r\nbind SPACE +jmp\r\necho hello\r\n");
        WriteFile(QStringLiteral("notes.txt"), "not a script\n");
    }

    static std::string FileName(const QString& path) {
        return QFile::encodeName(path).toStdString();
    }
    QUrl Url(const char* name) const { return QUrl::fromLocalFile(folder.filePath(name)); }
    /// A point inside the window, in main-window coordinates.
    QPoint Inside(const CChildFrame* window) const {
        return window->mapTo(Frame(), window->rect().center());
    }
    int Modules(const CChildFrame* window) const { return window->Document().GetModuleCount(); }
};

TEST(DroppedFileKindTest, ExtensionsAreComparedWithoutRegardToCase) {
    const struct {
        const char* path;
        DroppedFileKind kind;
    } cases[] = {
        {"/a/lib.vtl", DroppedFileKind::Library},   {"/a/lib.VtL", DroppedFileKind::Library},
        {"/a/m.VTM", DroppedFileKind::Module},      {"/a/s.cfg", DroppedFileKind::Script},
        {"/a/s.Rc", DroppedFileKind::Script},       {"/a/s.cfg.txt", DroppedFileKind::Other},
        {"/a/noextension", DroppedFileKind::Other}, {"/a.vtl/readme", DroppedFileKind::Other},
        {"/a/.vtl", DroppedFileKind::Library},      {"/a/x.vtlx", DroppedFileKind::Other},
        {"/a/x.", DroppedFileKind::Other},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ClassifyDroppedFile(QString::fromLatin1(c.path)), c.kind) << c.path;
}

TEST(DroppedFilePathTest, LinksAreFollowedAndOnlyLocalFilesCount) {
    QTemporaryDir folder;
    const QString target = folder.filePath("real.vtl");
    QFile(target).open(QIODevice::WriteOnly);
    ASSERT_TRUE(QFile::link(target, folder.filePath("link")));
    ASSERT_TRUE(QFile::link(folder.filePath("link"), folder.filePath("link-to-link.cfg")));
    EXPECT_EQ(DroppedFilePath(QUrl::fromLocalFile(folder.filePath("link"))), target);
    EXPECT_EQ(DroppedFilePath(QUrl::fromLocalFile(folder.filePath("link-to-link.cfg"))), target);
    EXPECT_EQ(DroppedFilePath(QUrl::fromLocalFile(target)), target);
    EXPECT_EQ(DroppedFilePath(QUrl(QStringLiteral("https://example.org/x.vtl"))), QString());
}

TEST_F(FileDropTest, WithNoLibraryOpenEachRefusalIsSaidOncePerDrop) {
    ASSERT_TRUE(StartEditor());
    Windows().front()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(Windows().empty());
    const QPoint middle = Frame()->rect().center();

    DropFiles({Url("one.VTM"), Url("two.vtm"), Url("three.Vtm")}, middle);
    EXPECT_EQ(messages.calls, QStringList(kModuleNoLibrary));

    messages.calls.clear();
    DropFiles({Url("one.VTM"), Url("autoexec.cfg"), Url("notes.txt"), Url("two.vtm"),
               Url("autoexec.cfg"), Url("notes.txt")},
              middle);
    EXPECT_EQ(messages.calls,
              QStringList({kModuleNoLibrary, kScriptNoLibrary, kWrongType, kWrongType}));
}

TEST_F(FileDropTest, ScriptImportsAndOtherFilesAreRefusedOneByOne) {
    ASSERT_TRUE(StartEditor());
    CChildFrame* window = Active();
    ASSERT_TRUE(window->isMaximized());
    DropFiles({Url("autoexec.cfg"), Url("notes.txt")}, Frame()->rect().center());
    EXPECT_EQ(messages.calls, QStringList(kWrongType));
    ASSERT_EQ(Modules(window), 1);
    EXPECT_EQ(window->Document().GetModule(0)->GetName(), "autoexec.cfg");
    EXPECT_EQ(window->Document().GetModule(0)->GetList(19)->GetChildCount(), 1); // the Bind
    EXPECT_TRUE(window->Document().IsModified());

    // A Module file, and one that is damaged: the good one is imported, the other reported.
    WriteFile(QStringLiteral("broken.vtm"), std::string("\x03"
                                                        "ab",
                                                        3));
    messages.calls.clear();
    DropFiles({Url("broken.vtm"), Url("two.vtm")}, QPoint(0, 0));
    EXPECT_EQ(
        messages.calls,
        QStringList("Warning: Error encountered importing Vantor Module from selected file."));
    EXPECT_EQ(Modules(window), 2);
}

TEST_F(FileDropTest, LibrariesOpenWhateverTheCaseOrLink) {
    ASSERT_TRUE(StartEditor());
    const QString lower = WriteLibrary(QStringLiteral("lower.vtl"));
    const QString mixed = WriteLibrary(QStringLiteral("Mixed.VtL"));
    const QString linked = WriteLibrary(QStringLiteral("linked.VTL"));
    ASSERT_TRUE(QFile::link(linked, folder.filePath("shortcut")));
    DropFiles({QUrl::fromLocalFile(lower), QUrl::fromLocalFile(mixed), Url("shortcut")},
              Frame()->rect().center());
    EXPECT_TRUE(messages.calls.isEmpty()) << messages.calls.join('\n').toStdString();
    EXPECT_EQ(Titles(), QStringList({"Vantor1", "lower.vtl", "Mixed.VtL", "linked.VTL"}));
    EXPECT_EQ(Active()->PathName(), linked);
}

TEST_F(FileDropTest, ModulesGoToTheWindowUnderTheDropUnlessTheActiveOneIsMaximised) {
    Preset({{"metrics/ChildMax", 0}});
    ASSERT_TRUE(StartEditor());
    Frame()->resize(1200, 800);
    ASSERT_TRUE(libraries.NewEmptyLibrary());
    Frame()->MdiArea()->tileSubWindows();
    CChildFrame* first = Windows().at(0);
    CChildFrame* second = Windows().at(1);
    Frame()->MdiArea()->setActiveSubWindow(first);
    ASSERT_FALSE(first->geometry().intersects(second->geometry()));

    // Restored windows: the one under the point takes it, active or not.
    DropFiles({Url("one.VTM")}, Inside(second));
    DropFiles({Url("two.vtm")}, Inside(first));
    EXPECT_EQ(Modules(first), 1);
    EXPECT_EQ(Modules(second), 1);
    // Outside every Library window (on the toolbar) there is none.
    DropFiles({Url("two.vtm"), Url("autoexec.cfg")}, QPoint(2, Frame()->menuBar()->height() + 2));
    EXPECT_EQ(messages.calls, QStringList({kModuleNoLibrary, kScriptNoLibrary}));

    // A maximised active window takes everything, wherever it is dropped.
    messages.calls.clear();
    second->showMaximized();
    Frame()->MdiArea()->setActiveSubWindow(second);
    DropFiles({Url("three.Vtm")}, QPoint(2, Frame()->menuBar()->height() + 2));
    EXPECT_EQ(Modules(second), 2);
    EXPECT_EQ(Modules(first), 1);
    EXPECT_TRUE(messages.calls.isEmpty());
}

} // namespace
} // namespace vantor::test
