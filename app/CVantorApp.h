#pragma once

#include "app/AppSettings.h"
#include "app/RecentFileList.h"

#include <QApplication>
#include <QFont>

#include <memory>

class QPrinter;
class QTimer;

namespace vantor {

class AppCommands;
class CMainFrame;
class CScriptOutput;
class CVantorDoc;
class DetachedProcessLauncher;
class EditorPreviewHost;
class LibraryHost;
class MessageService;
class WaitCursorServices;

/// The application object: starts the editor, keeps the user settings, owns the program-wide
/// objects, handles the application commands and saves its state when the main window closes.
class CVantorApp : public QApplication {
    Q_OBJECT
public:
    CVantorApp(int& argc, char** argv);
    ~CVantorApp() override;

    /// The running application object.
    static CVantorApp* Instance();

    /// Start-up: makes the script output, reads the settings, builds the main window at its
    /// saved place with its saved bar layout (and hands it to the Library host), writes the
    /// user's missing desktop files, then carries out the command line: the Libraries open at
    /// the last exit are reopened when "Reload" is on, then the named files are opened; with
    /// no file named and nothing reopened an empty Library is made. Answers false when the
    /// program should end.
    bool InitInstance(const QStringList& files);

    AppSettings& Settings() { return m_settings; }
    const AppSettings& Settings() const { return m_settings; }
    RecentFileList& RecentFiles() { return m_recentFiles; }
    /// The main window, or null before start-up and after it closed.
    CMainFrame* MainFrame() const { return m_frame; }

    MessageService& Messages() const;
    /// Replaces the message service (not owned); null restores the program's own.
    void SetMessageService(MessageService* service);

    /// Installs the keeper of the open Libraries (not owned); null for none.
    void SetLibraryHost(LibraryHost* host);
    LibraryHost* Libraries() const { return m_host; }

    /// The script writer and previewer, made at start-up and destroyed (with the previews'
    /// temporary files) at exit; made again should a Library be saved after that.
    CScriptOutput& ScriptOutput();

    /// The Library whose window is active (set by the Library windows), or null.
    CVantorDoc* ActiveLibrary() const { return m_activeLibrary; }
    void SetActiveLibrary(CVantorDoc* library);
    /// The Keyboard window shows the active Library's current Game again at the next idle
    /// moment (many requests, one refresh).
    void KeyboardOutOfDate();

    /// The panes' header font (the GUI font, bold) and header height (its text height + 1).
    const QFont& PaneHeaderFont() const { return m_paneHeaderFont; }
    int PaneHeaderHeight() const { return m_paneHeaderHeight; }

    /// Reopens the Libraries recorded at the last exit. When not all of them open, says so
    /// once. Answers how many opened.
    int RestoreOpenFiles();
    /// Puts a Library file first in the File menu's recent-file list.
    void AddToRecentFiles(const QString& path);

    /// The exit sequence, run when the main window is asked to close: every modified Library
    /// is offered for saving (Cancel stops here and answers false), then the open Libraries
    /// and the settings are written and the script output is destroyed.
    bool SaveAllModified();

    // Application commands.
    void RunOptions();
    void ShowAbout();
    void OpenHomePage();
    void OpenManual();
    void RunPrintSetup();
    void OpenLibraryDialog();
    void OpenRecentFile(int index);

    /// Where Help Topics finds the user manual: installed beside the program, in the build
    /// tree copied to the same place.
    QString ManualPath() const;

    /// Closes and destroys the main window without the exit sequence (for a failed start).
    void DestroyMainFrame();

signals:
    /// The "Show pane headers" option changed; every open Library window follows it at once.
    void paneHeadersChanged(bool shown);

private:
    void LoadSettings();
    void MakeScriptOutput();
    void SaveSettings() const;
    void WriteOpenFiles() const;
    void CreatePaneHeaderFont();
    void UpdateRecentFileActions();
    bool ProcessCommandLine(const QStringList& files);
    void RefreshKeyboard();

    AppSettings m_settings;
    RecentFileList m_recentFiles;
    CMainFrame* m_frame = nullptr; // deletes itself when closed
    std::unique_ptr<MessageService> m_ownMessages;
    MessageService* m_messages = nullptr;
    LibraryHost* m_host = nullptr;
    std::unique_ptr<AppCommands> m_commands;
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<EditorPreviewHost> m_previewHost;
    std::unique_ptr<DetachedProcessLauncher> m_launcher;
    std::unique_ptr<CScriptOutput> m_scriptOutput; // after its host and launcher
    std::unique_ptr<WaitCursorServices> m_waitCursor;
    CVantorDoc* m_activeLibrary = nullptr;
    QTimer* m_keyboardTimer;
    QFont m_paneHeaderFont;
    int m_paneHeaderHeight = 0;
};

} // namespace vantor
