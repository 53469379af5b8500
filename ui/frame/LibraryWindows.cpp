#include "ui/frame/LibraryWindows.h"

#include "app/CVantorApp.h"
#include "app/MessageService.h"
#include "document/CVantorDoc.h"
#include "model/ModelServices.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"
#include "ui/frame/CChildFrame.h"
#include "ui/frame/CMainFrame.h"
#include "ui/frame/CPaneView.h"
#include "ui/frame/FileDrop.h"
#include "ui/frame/ModelText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMdiArea>
#include <QUrl>

#include <algorithm>

namespace vantor {
namespace {

const QString kLibraryFilter = QStringLiteral("Vantor Library files (*.vtl);;All Files (*)");

// File names and the core's messages (which may name a file) are in the file system's
// encoding.
std::string FileName(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString FileText(const std::string& text) {
    return QFile::decodeName(QByteArray::fromStdString(text));
}

CVantorApp& App() {
    return *CVantorApp::Instance();
}

PaneHeaderStyle HeaderStyle() {
    const CVantorApp& app = App();
    return {app.PaneHeaderFont(), app.PaneHeaderHeight(), app.Settings().paneHeader};
}

} // namespace

LibraryWindows::LibraryWindows(QObject* parent) : QObject(parent) {
    if (CVantorApp* app = CVantorApp::Instance())
        connect(app, &CVantorApp::paneHeadersChanged, this, &LibraryWindows::SetPaneHeadersShown);
}

LibraryWindows::~LibraryWindows() = default;

void LibraryWindows::AttachMainFrame(CMainFrame& frame) {
    m_frame = &frame;
    connect(frame.MdiArea(), &QMdiArea::subWindowActivated, this,
            &LibraryWindows::SubWindowActivated);
    frame.SetFileDropHandler(
        [this](const QList<QUrl>& urls, const QPoint& point) { DropFiles(urls, point); });
}

// Two names of one file (a link, "..") find the same window.
QString LibraryWindows::PathKey(const QString& path) {
    const QFileInfo file(path);
    const QString canonical = file.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(file.absoluteFilePath()) : canonical;
}

CChildFrame* LibraryWindows::FindWindow(const QString& path) const {
    return path.isEmpty() ? nullptr : m_byPath.value(PathKey(path), nullptr);
}

bool LibraryWindows::OpenLibrary(const QString& path) {
    if (!m_frame || path.isEmpty())
        return false;
    const QString absolute = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    if (CChildFrame* open = FindWindow(absolute)) {
        if (open->isMinimized())
            open->showNormal();
        m_frame->MdiArea()->setActiveSubWindow(open);
        return true;
    }
    CVantorDoc::OpenResult result;
    {
        ModelServices::Wait wait;
        result = CVantorDoc::Open(FileName(absolute));
    }
    if (!result.document) {
        App().Messages().Warning(FileText(result.error));
        return false;
    }
    AddWindow(std::move(result.document), QString());
    App().AddToRecentFiles(absolute);
    return true;
}

bool LibraryWindows::NewEmptyLibrary() {
    if (!m_frame)
        return false;
    AddWindow(std::make_unique<CVantorDoc>(), QStringLiteral("Vantor%1").arg(++m_untitledCount));
    return true;
}

bool LibraryWindows::AddNewLibrary(std::unique_ptr<CVantorDoc> document) {
    if (!m_frame || !document)
        return false;
    const bool named = !document->GetPathName().empty();
    CChildFrame* window = AddWindow(
        std::move(document), named ? QString() : QStringLiteral("Vantor%1").arg(++m_untitledCount));
    if (!SaveLibrary(*window, false))
        return false;
    App().AddToRecentFiles(window->PathName());
    return true;
}

CChildFrame* LibraryWindows::AddWindow(std::unique_ptr<CVantorDoc> document,
                                       const QString& untitledName) {
    auto* window =
        new CChildFrame(std::move(document), untitledName, App().Settings(), HeaderStyle(), this);
    m_windows.push_back(window);
    if (!window->PathName().isEmpty())
        m_byPath.insert(PathKey(window->PathName()), window);

    QMdiArea* area = m_frame->MdiArea();
    area->addSubWindow(window);
    // Restored, a window gets three quarters of the area, and at least room for its panes.
    const QSize room = area->size() * 3 / 4;
    window->resize(std::max(room.width(), 480), std::max(room.height(), 300));
    if (App().Settings().childMax)
        window->showMaximized();
    else
        window->show();
    area->setActiveSubWindow(window);
    return window;
}

bool LibraryWindows::SaveAllModified() {
    // A copy: a window cannot close while its question is open, but stay safe.
    const std::vector<CChildFrame*> windows = m_windows;
    for (CChildFrame* window : windows)
        if (!SaveModified(*window))
            return false;
    return true;
}

QStringList LibraryWindows::OpenLibraryPaths() const {
    QStringList paths;
    for (const CChildFrame* window : m_windows) {
        const QString path = window->PathName();
        if (!path.isEmpty())
            paths.append(path);
    }
    return paths;
}

bool LibraryWindows::SaveModified(CChildFrame& window) {
    if (!window.Document().IsModified())
        return true;
    switch (App().Messages().AskYesNoCancel(LoadText(IDS_ASK_TO_SAVE).arg(window.LibraryName()))) {
    case MessageService::SaveAnswer::Yes:
        return SaveLibrary(window, false);
    case MessageService::SaveAnswer::No:
        return true;
    case MessageService::SaveAnswer::Cancel:
        break;
    }
    return false;
}

bool LibraryWindows::SaveLibrary(CChildFrame& window, bool saveAs) {
    CVantorApp& app = App();
    const QString oldPath = window.PathName();
    QString path = oldPath;
    const bool choose = saveAs || path.isEmpty();
    if (choose) {
        const QString proposed =
            path.isEmpty() ? window.LibraryName() + QStringLiteral(".vtl") : path;
        path = app.Messages().SaveFileName(tr("Save As"), proposed, kLibraryFilter,
                                           QStringLiteral("vtl"));
        if (path.isEmpty())
            return false;
        path = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    }
    CVantorDoc::SaveResult result;
    {
        ModelServices::Wait wait;
        result = window.Document().Save(FileName(path), app.ScriptOutput());
    }
    if (!result.saved) {
        app.Messages().Warning(FileText(result.error));
        return false;
    }
    if (result.scriptFailed)
        app.Messages().Warning(LoadText(IDS_SCRIPTS_WRITE_FAILED));
    if (path != oldPath) {
        m_byPath.removeIf(
            [&window](PathIndex::iterator entry) { return entry.value() == &window; });
        m_byPath.insert(PathKey(path), &window);
        window.UpdateTitle();
    }
    if (choose)
        app.AddToRecentFiles(path);
    return true;
}

void LibraryWindows::WindowClosing(CChildFrame& window) {
    m_windows.erase(std::remove(m_windows.begin(), m_windows.end(), &window), m_windows.end());
    m_byPath.removeIf([&window](PathIndex::iterator entry) { return entry.value() == &window; });
    if (m_active == &window) {
        // The window is going: nothing of it may be shown any more.
        m_active = nullptr;
        if (CVantorApp* app = CVantorApp::Instance())
            app->SetActiveLibrary(nullptr);
    }
}

void LibraryWindows::SubWindowActivated(QMdiSubWindow* window) {
    if (window) {
        SetActive(qobject_cast<CChildFrame*>(window));
        return;
    }
    // Qt also reports "none" when the main window merely lost the activation; the last
    // active Library window then stays the current one.
    if (!m_frame || !m_frame->MdiArea()->currentSubWindow())
        SetActive(nullptr);
}

void LibraryWindows::SetActive(CChildFrame* window) {
    if (window == m_active)
        return;
    CChildFrame* previous = m_active;
    m_active = window;
    if (previous)
        previous->FrameActivated(false);
    if (window)
        window->FrameActivated(true);
    App().SetActiveLibrary(window ? &window->Document() : nullptr);
}

void LibraryWindows::KeyboardOutOfDate(CChildFrame& window) {
    if (&window == m_active)
        App().KeyboardOutOfDate();
}

void LibraryWindows::SetPaneHeadersShown(bool /*shown*/) {
    const PaneHeaderStyle style = HeaderStyle();
    for (CChildFrame* window : m_windows)
        window->SetPaneHeaderStyle(style);
}

CChildFrame* LibraryWindows::DropTarget(const QPoint& framePoint) const {
    if (!m_active || !m_frame)
        return nullptr;
    if (m_active->isMaximized())
        return m_active;
    for (QWidget* widget = m_frame->childAt(framePoint); widget; widget = widget->parentWidget())
        if (auto* window = qobject_cast<CChildFrame*>(widget))
            return window;
    return nullptr;
}

// Each file on its own, in the order given; a refused file does not stop the others. The two
// "no Library" messages are said at most once per drop, the wrong-type one for every file.
void LibraryWindows::DropFiles(const QList<QUrl>& urls, const QPoint& framePoint) {
    MessageService& messages = App().Messages();
    bool toldNoLibraryForModule = false;
    bool toldNoLibraryForScript = false;
    for (const QUrl& url : urls) {
        const QString path = DroppedFilePath(url);
        const DroppedFileKind kind =
            path.isEmpty() ? DroppedFileKind::Other : ClassifyDroppedFile(path);
        if (kind == DroppedFileKind::Library) {
            OpenLibrary(path);
            continue;
        }
        if (kind == DroppedFileKind::Other) {
            messages.Warning(LoadText(IDS_DROP_WRONG_TYPE));
            continue;
        }
        const bool module = kind == DroppedFileKind::Module;
        CChildFrame* target = DropTarget(framePoint);
        if (!target) {
            bool& told = module ? toldNoLibraryForModule : toldNoLibraryForScript;
            if (!told)
                messages.Warning(
                    LoadText(module ? IDS_DROP_MODULE_NO_LIBRARY : IDS_DROP_SCRIPT_NO_LIBRARY));
            told = true;
            continue;
        }
        CVantorDoc& library = target->Document();
        const int failure = module ? library.ImportModuleFile(FileName(path))
                                   : library.ImportScriptFile(FileName(path));
        if (failure != 0)
            messages.Warning(LoadText(failure));
    }
}

} // namespace vantor
