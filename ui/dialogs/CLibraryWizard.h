#pragma once

#include <QStringList>
#include <QWizard>
#include <QWizardPage>

class QCheckBox;
class QLineEdit;
class QListWidget;
class QRadioButton;

namespace vantor {

class MessageService;

/// The answers of the Library wizard.
struct LibraryWizardResults {
    QString libraryFile;
    /// As chosen, without a trailing "/" (the root folder keeps its "/").
    QString engineFolder;
    QStringList games;   ///< the ticked game folders, in list order
    QStringList modules; ///< the titles of the ticked Module files, in list order
    /// 0 = AUTOEXEC.CFG, 1 = VANTOR.CFG, -1 = none chosen.
    int scriptChoice = -1;
    bool execLine = false;
};

/// Step 1: the new Library's file and the game engine folder, both chosen with Browse only.
class CLibWizPage1 : public QWizardPage {
    Q_OBJECT
public:
    CLibWizPage1(MessageService& messages, QWidget* parent = nullptr);

    QString LibraryFile() const;
    QString EngineFolder() const;
    bool isComplete() const override;
    bool validatePage() override;

private:
    void BrowseFile();
    void BrowseFolder();

    MessageService& m_messages;
    QLineEdit* m_file;
    QLineEdit* m_folder;
    bool m_folderChanged = true;
};

/// Step 2: which sub-folders of the engine folder become Games, and which script they write.
class CLibWizPage2 : public QWizardPage {
    Q_OBJECT
public:
    explicit CLibWizPage2(QWidget* parent = nullptr);

    /// The folder whose sub-folders the list shows next time the page comes up; the list
    /// keeps its ticks as long as no new folder is set.
    void SetPendingFolder(const QString& folder) { m_pendingFolder = folder; }
    void SetScriptChoice(int choice);
    int ScriptChoice() const;
    void SetExecLine(bool on);
    bool ExecLine() const;
    QStringList CheckedGames() const;

    void initializePage() override;

private:
    void Refill(const QString& pending);

    QString m_pendingFolder;
    QListWidget* m_games;
    QRadioButton* m_autoexec;
    QRadioButton* m_vantor;
    QCheckBox* m_execLine;
};

/// Step 3: which standard Modules of the example folder go into the Library.
class CLibWizPage3 : public QWizardPage {
    Q_OBJECT
public:
    CLibWizPage3(QString exampleFolder, QWidget* parent = nullptr);

    QStringList CheckedModules() const;
    void initializePage() override;

private:
    QString m_exampleFolder;
    QListWidget* m_modules;
    bool m_filled = false;
};

/// The three-step wizard of the New Library command. It only collects answers; Results()
/// holds them once the wizard ended with Finish.
class CLibraryWizard : public QWizard {
    Q_OBJECT
public:
    /// File dialogs and the folder chooser go through `messages`; step 3 lists the Module
    /// files of `exampleFolder`.
    CLibraryWizard(MessageService& messages, const QString& exampleFolder,
                   QWidget* parent = nullptr);

    CLibWizPage1& Page1() { return m_page1; }
    CLibWizPage2& Page2() { return m_page2; }
    CLibWizPage3& Page3() { return m_page3; }

    const LibraryWizardResults& Results() const { return m_results; }
    /// Fills Results() from the three steps.
    void CollectResults();

    void accept() override;

private:
    CLibWizPage1& m_page1;
    CLibWizPage2& m_page2;
    CLibWizPage3& m_page3;
    LibraryWizardResults m_results;
};

} // namespace vantor
