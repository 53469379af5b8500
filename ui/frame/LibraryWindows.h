#pragma once

#include "app/LibraryHost.h"

#include <QHash>
#include <QObject>
#include <QPointer>

#include <memory>
#include <vector>

class QMdiSubWindow;
class QPoint;
class QUrl;

namespace vantor {

class CChildFrame;
class CMainFrame;
class CVantorDoc;

/// Keeps the open Libraries, one window each, in the main window: opens Library files (or
/// brings forward the window that already shows one), makes new untitled Libraries named
/// Vantor1, Vantor2, ..., saves them, asks before a modified one closes, and follows which
/// one is active. Dropped files arrive here too.
class LibraryWindows : public QObject, public LibraryHost {
    Q_OBJECT
public:
    explicit LibraryWindows(QObject* parent = nullptr);
    ~LibraryWindows() override;

    bool OpenLibrary(const QString& path) override;
    bool NewEmptyLibrary() override;
    bool AddNewLibrary(std::unique_ptr<CVantorDoc> document) override;
    bool SaveAllModified() override;
    QStringList OpenLibraryPaths() const override;
    void AttachMainFrame(CMainFrame& frame) override;

    /// The open Library windows in the order they were opened.
    const std::vector<CChildFrame*>& Windows() const { return m_windows; }
    /// The active Library window (the one the commands go to), or null.
    CChildFrame* ActiveWindow() const { return m_active; }
    /// The window of the Library file at `path`, or null when it is not open.
    CChildFrame* FindWindow(const QString& path) const;

    /// Where a dropped Module or script goes: with a maximised active window that window,
    /// otherwise the Library window under `framePoint` (main-window coordinates), or none.
    CChildFrame* DropTarget(const QPoint& framePoint) const;
    /// Handles files dropped on the main window at `framePoint`.
    void DropFiles(const QList<QUrl>& urls, const QPoint& framePoint);

    /// Saves the window's Library to its file, or, when it has none or `saveAs` is set, to a
    /// file the user chooses. Failures are reported; false when the Library file was not
    /// written (or the user cancelled the choice).
    bool SaveLibrary(CChildFrame& window, bool saveAs);
    /// Asks "Save changes to ...?" when the Library is modified and saves it on Yes. False
    /// when the user cancelled or saving failed: the window must stay open.
    bool SaveModified(CChildFrame& window);

    /// Called by a window as it goes away.
    void WindowClosing(CChildFrame& window);
    /// The Keyboard window must show the window's current Game again (when it is active).
    void KeyboardOutOfDate(CChildFrame& window);

private:
    CChildFrame* AddWindow(std::unique_ptr<CVantorDoc> document, const QString& untitledName);
    void SubWindowActivated(QMdiSubWindow* window);
    void SetActive(CChildFrame* window);
    void SetPaneHeadersShown(bool shown);
    void Reindex(CChildFrame& window, const QString& oldKey);
    static QString PathKey(const QString& path);

    using PathIndex = QHash<QString, CChildFrame*>;

    QPointer<CMainFrame> m_frame;
    std::vector<CChildFrame*> m_windows;
    PathIndex m_byPath; // PathKey of each titled Library's file
    CChildFrame* m_active = nullptr;
    int m_untitledCount = 0;
};

} // namespace vantor
