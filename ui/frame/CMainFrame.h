#pragma once

#include <QMainWindow>

#include <functional>
#include <memory>
#include <optional>

class QDockWidget;
class QMdiArea;
class QMdiSubWindow;
class QToolBar;
class QUrl;

namespace vantor {

class AppSettings;
class ArchiveObject;
class CKeyboardBar;
class CObjectProp;
class CommandRouter;
class DocumentCommandTarget;
class FrameCommands;
class LockIndicators;

/// The main window: menu bar, toolbar, status bar, the Library windows in a multi-document
/// area, the Property Window docked right and the Keyboard window docked left. It keeps the
/// frame placement settings up to date as it moves and resizes, restores the bar layout
/// ("metrics/barstates") when created and saves it when closed.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    /// Builds the window; settings must outlive it.
    explicit CMainFrame(AppSettings& settings, QWidget* parent = nullptr);
    ~CMainFrame() override;

    CommandRouter& Router() const { return *m_router; }
    QMdiArea* MdiArea() const { return m_mdi; }
    QToolBar* ToolBar() const { return m_toolbar; }
    QDockWidget* PropertyDock() const { return m_propertyDock; }
    QDockWidget* KeyboardDock() const { return m_keyboardDock; }
    /// The Keyboard window, the Keyboard dock's contents.
    CKeyboardBar* KeyboardBar() const { return m_keyboardBar; }
    LockIndicators& Indicators() const { return *m_indicators; }

    /// The active Library window when it takes part in command routing, else null. While
    /// another top-level window (a dialog, a floating dock) is active, the Library window
    /// that was active last still counts.
    DocumentCommandTarget* ActiveDocumentTarget() const;

    /// Files dropped on the window go to `handler` with the drop point in window
    /// coordinates; without a handler the window takes no drops.
    using FileDropHandler = std::function<void(const QList<QUrl>&, const QPoint&)>;
    void SetFileDropHandler(FileDropHandler handler);

    /// The object the Property Window shows (a model node, a Game or a command fragment;
    /// none clears it), as the active pane chose it.
    void SetPropertyObject(ArchiveObject* object);
    ArchiveObject* PropertyObject() const { return m_propertyObject; }
    /// The object was renamed; the Property Window shows it again.
    void PropertyObjectChanged(ArchiveObject& object);
    /// The Property Window's contents.
    CObjectProp& PropertyWindow() const { return *m_propertyWindow; }

    /// Shows the window at the saved place (maximised when saved so) when that rectangle lies
    /// wholly inside a screen's available area, else at the default place.
    void ShowAtSavedPlace();

    /// Asked when the window is about to close, after the bar layout was saved; answering false
    /// keeps the window open.
    void SetCloseHandler(std::function<bool()> handler);

    /// The bar layout (toolbar, docks, status bar) as stored under "metrics/barstates".
    QByteArray SaveBarState() const;
    /// Restores a layout made by SaveBarState; false (and nothing changed) for damaged bytes.
    bool RestoreBarState(const QByteArray& state);

signals:
    /// The Property Window's object changed (null: nothing selected).
    void propertyObjectChanged(vantor::ArchiveObject* object);
    /// The Property Window's object was renamed.
    void propertyObjectRenamed(vantor::ArchiveObject& object);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void CreateDocks();
    void InstallPropertyWindow();
    void CreateStatusBar();
    void ConnectUpdateTriggers();
    void TrackPlacement();
    void UpdateTitle();

    AppSettings& m_settings;
    CommandRouter* m_router;
    std::unique_ptr<FrameCommands> m_commands;
    QMdiArea* m_mdi;
    QToolBar* m_toolbar = nullptr;
    QDockWidget* m_propertyDock = nullptr;
    QDockWidget* m_keyboardDock = nullptr;
    CKeyboardBar* m_keyboardBar = nullptr;
    LockIndicators* m_indicators = nullptr;
    std::function<bool()> m_closeHandler;
    FileDropHandler m_dropHandler;
    ArchiveObject* m_propertyObject = nullptr;
    CObjectProp* m_propertyWindow = nullptr;
    QString m_title;       // the title UpdateTitle chose
    bool m_placed = false; // placement is tracked once the window was put in its place
    std::optional<QSize> m_pendingOuterSize; // saved outer size, until the frame margins are known
};

} // namespace vantor
