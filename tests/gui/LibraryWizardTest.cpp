// The Library wizard: the file and folder fields set only through Browse, Next held back
// until a file is chosen, the game list refilled only for a new folder, and what the wizard
// collects at Finish.
#include "AppFixture.h"
#include "ui/dialogs/CLibraryWizard.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace vantor::test {
namespace {

class LibraryWizardTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(engine.isValid());
        ASSERT_TRUE(examples.isValid());
        for (const char* name : {"mymod", "Baseq2", "id1", ".hidden"})
            ASSERT_TRUE(QDir(engine.path()).mkdir(QLatin1String(name)));
        for (const char* name : {"Zoom.vtm", "Chat.VTM", ".Secret.vtm", "notes.txt"})
            QFile(examples.filePath(QLatin1String(name))).open(QIODevice::WriteOnly);
        ASSERT_TRUE(QDir(examples.path()).mkdir(QStringLiteral("folder.vtm")));
    }

    void Click(const char* buttonName) {
        auto* button = wizard.findChild<QPushButton*>(QLatin1String(buttonName));
        ASSERT_NE(button, nullptr) << buttonName;
        QTest::mouseClick(button, Qt::LeftButton);
    }
    bool NextEnabled() const { return wizard.button(QWizard::NextButton)->isEnabled(); }
    QListWidget* List(const char* name) const {
        return wizard.findChild<QListWidget*>(QLatin1String(name));
    }
    static QStringList Texts(const QListWidget* list) {
        QStringList texts;
        for (int i = 0; i < list->count(); ++i)
            texts.append(list->item(i)->text());
        return texts;
    }
    void Tick(const char* list, const QString& text) {
        const QList<QListWidgetItem*> items = List(list)->findItems(text, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << text.toStdString();
        items.front()->setCheckState(Qt::Checked);
    }
    /// Chooses the Library file and the engine folder through the two Browse buttons.
    void ChooseFileAndFolder(const QString& folder) {
        messages.fileAnswers = {engine.filePath("my.vtl"), folder};
        Click("browseFile");
        Click("browseFolder");
    }

    QTemporaryDir engine;
    QTemporaryDir examples;
    ScriptedMessages messages;
    CLibraryWizard wizard{messages, examples.path()};
};

TEST_F(LibraryWizardTest, NextWaitsForALibraryFileChosenWithBrowse) {
    wizard.show();
    EXPECT_EQ(wizard.windowTitle(), QStringLiteral("Wizard"));
    auto* file = wizard.findChild<QLineEdit*>(QStringLiteral("libraryFile"));
    auto* folder = wizard.findChild<QLineEdit*>(QStringLiteral("engineFolder"));
    ASSERT_TRUE(file && folder);
    EXPECT_TRUE(file->isReadOnly());
    EXPECT_TRUE(folder->isReadOnly());
    EXPECT_FALSE(NextEnabled());

    // A cancelled dialog changes nothing.
    Click("browseFile");
    EXPECT_FALSE(NextEnabled());
    // The folder alone is not enough; it is where the file dialog starts.
    messages.fileAnswers = {engine.path()};
    Click("browseFolder");
    EXPECT_FALSE(NextEnabled());
    messages.fileAnswers = {engine.filePath("new.vtl")};
    Click("browseFile");
    EXPECT_TRUE(NextEnabled());
    EXPECT_EQ(file->text(), engine.filePath("new.vtl"));

    EXPECT_EQ(messages.calls, QStringList({"SaveFile: Save Vantor Library As",
                                           "Folder: Browse for root folder for this Vantor Library",
                                           "SaveFile: Save Vantor Library As"}));
    const auto& fileDialog = messages.dialogs.last();
    EXPECT_EQ(fileDialog.start, engine.path());
    EXPECT_EQ(fileDialog.filter, QStringLiteral("Vantor Library files (*.vtl)"));
    EXPECT_EQ(fileDialog.suffix, QStringLiteral("vtl"));
    EXPECT_FALSE(fileDialog.confirmOverwrite); // the Library replaces the file
}

TEST_F(LibraryWizardTest, FolderBrowserStartsBesideTheLibraryFileWhenNoFolderIsChosen) {
    wizard.show();
    messages.fileAnswers = {engine.filePath("my.vtl")};
    Click("browseFile");
    Click("browseFolder"); // cancelled
    ASSERT_EQ(messages.dialogs.size(), 2);
    EXPECT_EQ(messages.dialogs[1].start, engine.path());
}

TEST_F(LibraryWizardTest, GameListKeepsItsTicksUntilAnotherFolderIsChosen) {
    wizard.show();
    ChooseFileAndFolder(engine.path());
    wizard.next();
    // Sorted by name, without hidden folders or "." and "..".
    EXPECT_EQ(Texts(List("games")), QStringList({"Baseq2", "id1", "mymod"}));
    Tick("games", QStringLiteral("id1"));
    Tick("games", QStringLiteral("mymod"));

    wizard.back();
    wizard.next();
    ASSERT_EQ(Texts(List("games")).size(), 3);
    EXPECT_EQ(List("games")->item(1)->checkState(), Qt::Checked);
    EXPECT_EQ(List("games")->item(2)->checkState(), Qt::Checked);

    // Another folder: the list is rebuilt with nothing ticked.
    ASSERT_TRUE(QDir(engine.path()).mkpath(QStringLiteral("id1/sub")));
    wizard.back();
    messages.fileAnswers = {engine.filePath("id1")};
    Click("browseFolder");
    wizard.next();
    EXPECT_EQ(Texts(List("games")), QStringList({"sub"}));
    EXPECT_EQ(List("games")->item(0)->checkState(), Qt::Unchecked);
}

TEST_F(LibraryWizardTest, ScriptChoiceEnablesTheExecLineBox) {
    wizard.Page2().SetScriptChoice(1);
    wizard.Page2().SetExecLine(true);
    wizard.show();
    ChooseFileAndFolder(engine.path());
    wizard.next();
    auto* exec = wizard.findChild<QAbstractButton*>(QStringLiteral("execLine"));
    ASSERT_NE(exec, nullptr);
    EXPECT_TRUE(exec->isEnabled());
    wizard.findChild<QAbstractButton*>(QStringLiteral("autoexec"))->click();
    EXPECT_FALSE(exec->isEnabled());
    EXPECT_EQ(wizard.Page2().ScriptChoice(), 0);
    wizard.findChild<QAbstractButton*>(QStringLiteral("vantorCfg"))->click();
    EXPECT_TRUE(exec->isEnabled());
    EXPECT_EQ(wizard.Page2().ScriptChoice(), 1);
}

TEST_F(LibraryWizardTest, FinishCollectsTheTickedGamesAndModules) {
    wizard.Page2().SetScriptChoice(1);
    wizard.Page2().SetExecLine(true);
    wizard.show();
    ChooseFileAndFolder(engine.path() + QLatin1Char('/'));
    wizard.next();
    Tick("games", QStringLiteral("mymod"));
    Tick("games", QStringLiteral("Baseq2"));
    wizard.next();
    // Module files by title, in any case of ".vtm"; hidden files and folders are left out.
    EXPECT_EQ(Texts(List("modules")), QStringList({"Chat", "Zoom"}));
    Tick("modules", QStringLiteral("Zoom"));
    EXPECT_TRUE(wizard.button(QWizard::FinishButton)->isVisible());
    wizard.accept();

    const LibraryWizardResults& results = wizard.Results();
    EXPECT_EQ(results.libraryFile, engine.filePath("my.vtl"));
    EXPECT_EQ(results.engineFolder, engine.path()); // the trailing "/" is gone
    EXPECT_EQ(results.games, QStringList({"Baseq2", "mymod"}));
    EXPECT_EQ(results.modules, QStringList({"Zoom"}));
    EXPECT_EQ(results.scriptChoice, 1);
    EXPECT_TRUE(results.execLine);
}

} // namespace
} // namespace vantor::test
