#include "ui/frame/CChildFrame.h"

#include "app/AppSettings.h"
#include "document/CVantorDoc.h"
#include "model/CScript.h"
#include "ui/frame/CCmdFragView.h"
#include "ui/frame/CMainFrame.h"
#include "ui/frame/CModuleView.h"
#include "ui/frame/CScriptView.h"
#include "ui/frame/CommandRouter.h"
#include "ui/frame/LibraryCommands.h"
#include "ui/frame/LibraryWindows.h"
#include "ui/keyboard/BindWatch.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QSplitter>

#include <algorithm>

namespace vantor {
namespace {

// A stored column width of 0 (or a nonsensical negative one) stands for the default.
int ColumnWidth(std::int32_t stored, int splitLoc) {
    constexpr int kWidest = 100000;
    return std::clamp(stored > 0 ? static_cast<int>(stored) : splitLoc, 0, kWidest);
}

} // namespace

CChildFrame::CChildFrame(std::unique_ptr<CVantorDoc> document, const QString& untitledName,
                         AppSettings& settings, const PaneHeaderStyle& headerStyle,
                         LibraryWindows* owner)
    : m_document(std::move(document)), m_untitledName(untitledName), m_settings(settings),
      m_owner(owner), m_splitter(new QSplitter(Qt::Horizontal)), m_gameView(new CScriptView),
      m_moduleView(new CModuleView), m_commandView(new CCmdFragView),
      m_library(std::make_unique<LibraryCommands>(*this)),
      m_bindWatch(std::make_unique<BindWatch>([this] { KeyboardOutOfDate(); })) {
    setObjectName(QStringLiteral("libraryWindow"));
    setAttribute(Qt::WA_DeleteOnClose);

    m_panes = {m_gameView, m_moduleView, m_commandView};
    m_splitter->setObjectName(QStringLiteral("paneSplitter"));
    m_splitter->setChildrenCollapsible(false);
    for (int i = 0; i < kPaneCount; ++i) {
        CPaneView* pane = Pane(i);
        pane->SetHeaderStyle(headerStyle);
        m_splitter->addWidget(pane);
        connect(pane, &CPaneView::focusEntered, this, [this, i] { SetActivePane(i); });
        connect(pane, &CPaneView::tabPressed, this, [this, i](bool forward) {
            ActivatePane((i + (forward ? 1 : kPaneCount - 1)) % kPaneCount);
        });
        connect(pane, &CPaneView::selectionChanged, this, [this, pane] {
            if (pane->IsActive())
                SetCurrentObject(pane->PropertyObject());
            if (CMainFrame* frame = MainFrame())
                frame->Router().RequestUpdate();
        });
    }
    // The Game and Module Pane columns keep their widths; the Command Pane takes the rest.
    m_splitter->setStretchFactor(GamePane, 0);
    m_splitter->setStretchFactor(ModulePane, 0);
    m_splitter->setStretchFactor(CommandPane, 1);
    m_splitter->setSizes({ColumnWidth(m_document->GetGamePaneWidth(), m_settings.splitLoc),
                          ColumnWidth(m_document->GetModulePaneWidth(), m_settings.splitLoc), 1});
    setWidget(m_splitter);

    m_observers.Add(*this);
    m_observers.Add(*m_bindWatch);
    m_document->SetObserver(&m_observers);
    m_document->SetModuleView(m_moduleView);
    m_moduleView->Attach(*this);
    m_gameView->InitialUpdate(*this);
    m_commandView->InitialUpdate(*this);
    UpdateTitle();
    setWindowModified(m_document->IsModified());
    connect(this, &QMdiSubWindow::windowStateChanged, this, &CChildFrame::TrackChildMax);
}

CChildFrame::~CChildFrame() {
    m_observers.Remove(*m_bindWatch);
    // The Property Window lets go of this Library's object while the object still lives.
    if (m_frameActive)
        SetCurrentObject(nullptr);
    for (CPaneView* pane : m_panes)
        disconnect(pane, nullptr, this, nullptr);
    m_document->SetModuleView(nullptr);
    // The panes' item models observe the document through this window's observer list: they
    // go first, while both still exist.
    delete m_splitter;
    m_panes = {};
    if (m_owner)
        m_owner->WindowClosing(*this);
    m_document->SetObserver(nullptr);
}

QString CChildFrame::PathName() const {
    return QFile::decodeName(QByteArray::fromStdString(m_document->GetPathName()));
}

QString CChildFrame::LibraryName() const {
    const QString path = PathName();
    return path.isEmpty() ? m_untitledName : QFileInfo(path).fileName();
}

void CChildFrame::UpdateTitle() {
    // "[*]" in a name must stay text: Qt reads a doubled placeholder as a literal one.
    QString name = LibraryName();
    name.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    setWindowTitle(name + QStringLiteral("[*]"));
}

CMainFrame* CChildFrame::MainFrame() const {
    return qobject_cast<CMainFrame*>(window());
}

void CChildFrame::SetCurrentObject(ArchiveObject* object) {
    if (!m_frameActive)
        return;
    if (CMainFrame* frame = MainFrame())
        frame->SetPropertyObject(object);
}

void CChildFrame::ObjectChanged(ArchiveObject& object) {
    if (CMainFrame* frame = MainFrame())
        frame->PropertyObjectChanged(object);
}

void CChildFrame::ActivatePane(int index) {
    if (index < 0 || index >= kPaneCount)
        return;
    SetActivePane(index);
    Pane(index)->View()->setFocus(Qt::OtherFocusReason);
}

void CChildFrame::SetActivePane(int index) {
    if (index == m_activePane)
        return;
    if (m_frameActive) {
        Pane(m_activePane)->SetActive(false);
        SetCurrentObject(nullptr);
    }
    m_activePane = index;
    if (m_frameActive) {
        Pane(index)->SetActive(true);
        SetCurrentObject(Pane(index)->PropertyObject());
    }
    if (CMainFrame* frame = MainFrame())
        frame->Router().RequestUpdate();
}

void CChildFrame::FrameActivated(bool active) {
    if (active == m_frameActive)
        return;
    CPaneView* pane = Pane(m_activePane);
    if (!active)
        SetCurrentObject(nullptr);
    m_frameActive = active;
    pane->SetActive(active);
    if (!active)
        return;
    SetCurrentObject(pane->PropertyObject());
    // An activated Library window takes the keyboard focus into its active pane, unless the
    // focus already is somewhere inside it.
    if (!isAncestorOf(QApplication::focusWidget()))
        pane->View()->setFocus(Qt::ActiveWindowFocusReason);
}

void CChildFrame::SetPaneHeaderStyle(const PaneHeaderStyle& style) {
    for (CPaneView* pane : m_panes)
        pane->SetHeaderStyle(style);
}

CommandTarget* CChildFrame::ActivePaneTarget() const {
    return Pane(m_activePane);
}

bool CChildFrame::Handles(CommandId id) const {
    return HandlesOwn(id) || m_library->Handles(id);
}

bool CChildFrame::IsEnabled(CommandId id) const {
    return HandlesOwn(id) || m_library->IsEnabled(id);
}

bool CChildFrame::HandlesOwn(CommandId id) {
    switch (id) {
    case CommandId::FileClose:
    case CommandId::FileSave:
    case CommandId::FileSaveAs:
    case CommandId::ShowGamePane:
    case CommandId::ShowModulePane:
    case CommandId::ShowCommandPane:
    case CommandId::NextPane:
    case CommandId::PrevPane:
        return true;
    default:
        return false;
    }
}

void CChildFrame::Execute(CommandId id) {
    switch (id) {
    case CommandId::FileClose:
        close();
        break;
    case CommandId::FileSave:
    case CommandId::FileSaveAs:
        if (m_owner)
            m_owner->SaveLibrary(*this, id == CommandId::FileSaveAs);
        break;
    case CommandId::ShowGamePane:
        ActivatePane(GamePane);
        break;
    case CommandId::ShowModulePane:
        ActivatePane(ModulePane);
        break;
    case CommandId::ShowCommandPane:
        ActivatePane(CommandPane);
        break;
    case CommandId::NextPane:
        ActivatePane((m_activePane + 1) % kPaneCount);
        break;
    case CommandId::PrevPane:
        ActivatePane((m_activePane + kPaneCount - 1) % kPaneCount);
        break;
    default:
        m_library->Execute(id);
        break;
    }
}

void CChildFrame::closeEvent(QCloseEvent* event) {
    if (m_owner && !m_owner->SaveModified(*this)) {
        event->ignore();
        return;
    }
    m_document->DeleteContents();
    QMdiSubWindow::closeEvent(event);
}

// Maximising sets ChildMax, restoring (to the normal state) clears it; minimising leaves it.
void CChildFrame::TrackChildMax(Qt::WindowStates oldState, Qt::WindowStates newState) {
    const Qt::WindowStates shape = Qt::WindowMaximized | Qt::WindowMinimized;
    if ((oldState & shape) == (newState & shape))
        return;
    if (newState & Qt::WindowMaximized)
        m_settings.childMax = true;
    else if (!(newState & Qt::WindowMinimized))
        m_settings.childMax = false;
}

void CChildFrame::ModifiedChanged(bool modified) {
    setWindowModified(modified);
}

void CChildFrame::ContentsAboutToBeDestroyed() {
    SetCurrentObject(nullptr);
}

void CChildFrame::CurrentGameChanged(CScript* /*game*/) {
    KeyboardOutOfDate();
}

void CChildFrame::GameChanged(CScript& game, unsigned what) {
    // The Keyboard window's caption names the current Game.
    if ((what & GameNameChanged) && &game == m_document->GetCurrentGame())
        KeyboardOutOfDate();
}

void CChildFrame::KeyboardOutOfDate() {
    if (m_owner)
        m_owner->KeyboardOutOfDate(*this);
}

} // namespace vantor
