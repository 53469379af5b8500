#pragma once

#include "document/DocumentObserverList.h"
#include "ui/frame/CommandTarget.h"

#include <QMdiSubWindow>
#include <QPointer>

#include <array>
#include <memory>

class QSplitter;

namespace vantor {

class AppSettings;
class ArchiveObject;
class CCmdFragView;
class CMainFrame;
class CModuleView;
class CPaneView;
class CScriptView;
class LibraryCommands;
class CVantorDoc;
class LibraryWindows;
struct PaneHeaderStyle;

/// The window of one open Library: a sub-window of the main window split into the Game Pane,
/// the Module Pane and the Command Pane, side by side. It owns the Library's document, is its
/// observer, and routes the commands of the Library (Close, Save, Save As, the pane keys) with
/// its active pane ahead of it in the command chain.
///
/// The title is the Library's name with a modified mark. Closing a modified Library asks
/// whether to save it first. Maximising the window sets the setting ChildMax and restoring it
/// clears it.
class CChildFrame : public QMdiSubWindow, public DocumentCommandTarget, private DocumentObserver {
    Q_OBJECT
public:
    enum PaneIndex : int { GamePane = 0, ModulePane = 1, CommandPane = 2 };
    static constexpr int kPaneCount = 3;

    /// A window for `document`. `untitledName` names a Library that has no file yet. The
    /// Game and Module Pane columns get the Library's stored widths, or SplitLoc where those
    /// are 0. `settings` must outlive the window; `owner` keeps the open Libraries (may be
    /// null: the window then saves nothing and closes without asking).
    CChildFrame(std::unique_ptr<CVantorDoc> document, const QString& untitledName,
                AppSettings& settings, const PaneHeaderStyle& headerStyle, LibraryWindows* owner);
    ~CChildFrame() override;

    CVantorDoc& Document() const { return *m_document; }
    /// The Library file (absolute), or empty for an untitled Library.
    QString PathName() const;
    /// The Library's name: its file's name, or the untitled name.
    QString LibraryName() const;
    /// Sets the title from the Library's name (after its file changed).
    void UpdateTitle();

    CPaneView* Pane(int index) const { return m_panes.at(static_cast<std::size_t>(index)); }
    CScriptView& GameView() const { return *m_gameView; }
    CModuleView& ModuleTreeView() const { return *m_moduleView; }
    CCmdFragView& CommandView() const { return *m_commandView; }
    /// The commands that act on the document (the Library menu, the Game operations).
    LibraryCommands& Library() const { return *m_library; }

    /// Everything the document reports goes to the observers of this list (the window itself
    /// first, then the panes' item models and whoever else adds itself).
    DocumentObserverList& Observers() { return m_observers; }
    int ActivePaneIndex() const { return m_activePane; }
    QSplitter* Splitter() const { return m_splitter; }

    /// A pane's selection is now `object` (or none): shown in the Property Window while this
    /// is the active Library window.
    void SetCurrentObject(ArchiveObject* object);
    /// A pane renamed `object`: the Property Window shows the new name.
    void ObjectChanged(ArchiveObject& object);
    /// Makes pane `index` (GamePane, ModulePane, CommandPane) the active pane and puts the
    /// keyboard focus into its list or tree.
    void ActivatePane(int index);
    /// This window became the active Library window, or stopped being it: the active pane
    /// follows (its header colours, the Property Window).
    void FrameActivated(bool active);
    bool IsFrameActive() const { return m_frameActive; }
    void SetPaneHeaderStyle(const PaneHeaderStyle& style);

    CommandTarget* ActivePaneTarget() const override;
    bool Handles(CommandId id) const override;
    bool IsEnabled(CommandId id) const override;
    void Execute(CommandId id) override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    static bool HandlesOwn(CommandId id);
    void SetActivePane(int index);
    void TrackChildMax(Qt::WindowStates oldState, Qt::WindowStates newState);
    CMainFrame* MainFrame() const;

    void ModifiedChanged(bool modified) override;
    void ContentsAboutToBeDestroyed() override;
    void CurrentGameChanged(CScript* game) override;
    void GameChanged(CScript& game, unsigned what) override;
    void KeyboardOutOfDate() override;

    DocumentObserverList m_observers;
    std::unique_ptr<CVantorDoc> m_document;
    QString m_untitledName;
    AppSettings& m_settings;
    QPointer<LibraryWindows> m_owner;
    QSplitter* m_splitter;
    CScriptView* m_gameView;
    CModuleView* m_moduleView;
    CCmdFragView* m_commandView;
    std::array<CPaneView*, kPaneCount> m_panes{};
    std::unique_ptr<LibraryCommands> m_library;
    int m_activePane = GamePane;
    bool m_frameActive = false;
};

} // namespace vantor
