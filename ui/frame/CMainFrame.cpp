#include "ui/frame/CMainFrame.h"

#include "app/AppSettings.h"
#include "document/CVantorDoc.h"
#include "model/CScript.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"
#include "ui/frame/CChildFrame.h"
#include "ui/frame/CommandRouter.h"
#include "ui/frame/CommandTarget.h"
#include "ui/frame/FrameCommands.h"
#include "ui/frame/LibraryCommands.h"
#include "ui/frame/LockIndicators.h"
#include "ui/frame/MainMenus.h"
#include "ui/keyboard/CKeyboardBar.h"
#include "ui/pages/CObjectProp.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDataStream>
#include <QDockWidget>
#include <QDropEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

namespace vantor {
namespace {

const QString kBarStatesKey = QStringLiteral("metrics/barstates");
constexpr quint32 kBarStateMagic = 0x56544253; // "VTBS"
constexpr qint32 kBarStateVersion = 1;

QString FromLatin1(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QDockWidget* MakeDock(QMainWindow* frame, const QString& title, const char* name,
                      const char* placeholderName) {
    auto* dock = new QDockWidget(title, frame);
    dock->setObjectName(QLatin1String(name));
    dock->setAllowedAreas(Qt::AllDockWidgetAreas);
    // Stand-in contents until the real window is put in with setWidget().
    auto* placeholder = new QWidget(dock);
    placeholder->setObjectName(QLatin1String(placeholderName));
    placeholder->setFocusPolicy(Qt::StrongFocus);
    placeholder->setMinimumSize(120, 60);
    dock->setWidget(placeholder);
    return dock;
}

} // namespace

CMainFrame::CMainFrame(AppSettings& settings, QWidget* parent)
    : QMainWindow(parent), m_settings(settings), m_router(new CommandRouter(this)),
      m_commands(std::make_unique<FrameCommands>(*this)), m_mdi(new QMdiArea(this)) {
    setObjectName(QStringLiteral("mainFrame"));
    setWindowTitle(QApplication::applicationDisplayName());
    m_mdi->setObjectName(QStringLiteral("mdiArea"));
    setCentralWidget(m_mdi);
    setDockOptions(dockOptions() | QMainWindow::AllowTabbedDocks);

    m_toolbar = addToolBar(tr("Toolbar"));
    m_toolbar->setObjectName(QStringLiteral("toolbar"));
    m_toolbar->setIconSize(QSize(16, 16));
    BuildMainToolBar(m_toolbar, *m_router);
    BuildMainMenus(menuBar(), *m_router, m_mdi);
    // Every command's keys work anywhere in the window, menu entry or not.
    for (QAction* action : m_router->Actions())
        addAction(action);

    CreateStatusBar();
    CreateDocks();

    m_router->SetChainProvider([this] {
        std::vector<CommandTarget*> chain;
        if (DocumentCommandTarget* document = ActiveDocumentTarget()) {
            chain.push_back(document->ActivePaneTarget());
            chain.push_back(document);
        }
        chain.push_back(m_commands.get());
        return chain;
    });
    ConnectUpdateTriggers();

    QSettings stored(kSettingsCompany, kSettingsApplication);
    RestoreBarState(stored.value(kBarStatesKey).toByteArray());
    m_router->UpdateActions();
}

CMainFrame::~CMainFrame() {
    // The Library windows go first, while everything they report to still exists; what the
    // multi-document area says as it goes no longer reaches this half-destroyed window.
    disconnect(m_mdi, nullptr, this, nullptr);
    qDeleteAll(m_mdi->subWindowList());
}

void CMainFrame::CreateStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("statusBar"));
    // A normal widget: temporary messages (status tips) cover it, and it shows again after.
    auto* ready = new QLabel(FromLatin1(LoadString(IDS_IDLE_MESSAGE)), bar);
    ready->setObjectName(QStringLiteral("idleMessage"));
    bar->addWidget(ready, 1);
    m_indicators = new LockIndicators(bar);
}

void CMainFrame::CreateDocks() {
    m_propertyDock = MakeDock(this, FromLatin1(LoadString(IDS_PROPERTY_WINDOW_TITLE)),
                              "propertyWindow", "propertyPlaceholder");
    m_keyboardDock =
        MakeDock(this, tr("Binds (no Game selected)"), "keyboardWindow", "keyboardPlaceholder");
    delete m_keyboardDock->widget();
    m_keyboardBar = new CKeyboardBar(m_keyboardDock);
    m_keyboardDock->setWidget(m_keyboardBar);
    InstallPropertyWindow();
    addDockWidget(Qt::RightDockWidgetArea, m_propertyDock);
    addDockWidget(Qt::LeftDockWidgetArea, m_keyboardDock);
    // Room for a property page and for the keyboard picture (272 pixels and its frame).
    resizeDocks({m_propertyDock, m_keyboardDock}, {220, 280}, Qt::Horizontal);
}

// The Property Window follows the object the active pane chose, and Browse for Script on its
// Game page runs the Game operation of the Library window that holds the Game.
void CMainFrame::InstallPropertyWindow() {
    m_propertyWindow = new CObjectProp;
    delete m_propertyDock->widget(); // the stand-in
    m_propertyDock->setWidget(m_propertyWindow);
    connect(this, &CMainFrame::propertyObjectChanged, m_propertyWindow, &CObjectProp::SetObject);
    connect(this, &CMainFrame::propertyObjectRenamed, m_propertyWindow,
            [this](ArchiveObject& object) { m_propertyWindow->ObjectChanged(&object); });
    m_propertyWindow->SetBrowseForScript([this](CScript& game) {
        for (QMdiSubWindow* window : m_mdi->subWindowList()) {
            auto* library = qobject_cast<CChildFrame*>(window);
            if (library && game.GetLibrary() == &library->Document()) {
                library->Library().BrowseForScript(game);
                return;
            }
        }
    });
}

void CMainFrame::ConnectUpdateTriggers() {
    CommandRouter* router = m_router;
    connect(qApp, &QApplication::focusChanged, router, &CommandRouter::RequestUpdate);
    connect(QApplication::clipboard(), &QClipboard::dataChanged, router,
            &CommandRouter::RequestUpdate);
    connect(m_mdi, &QMdiArea::subWindowActivated, router, &CommandRouter::RequestUpdate);
    connect(m_mdi, &QMdiArea::subWindowActivated, this, &CMainFrame::UpdateTitle);
    for (QDockWidget* dock : {m_propertyDock, m_keyboardDock})
        connect(dock, &QDockWidget::visibilityChanged, router, &CommandRouter::RequestUpdate);
    connect(m_toolbar, &QToolBar::visibilityChanged, router, &CommandRouter::RequestUpdate);
}

DocumentCommandTarget* CMainFrame::ActiveDocumentTarget() const {
    QMdiSubWindow* window = m_mdi->currentSubWindow();
    if (!window)
        return nullptr;
    if (auto* target = dynamic_cast<DocumentCommandTarget*>(window))
        return target;
    return dynamic_cast<DocumentCommandTarget*>(window->widget());
}

// "<Library> - Vantor", the Library's modified mark included: the Library window's title
// with its "[*]" placeholder, and its modified state mirrored.
void CMainFrame::UpdateTitle() {
    const QString program = QApplication::applicationDisplayName();
    QMdiSubWindow* window = m_mdi->currentSubWindow();
    QString name;
    if (window) {
        name = window->windowTitle();
        window->installEventFilter(this); // follows renames and the modified mark
    }
    m_title = name.isEmpty() ? program : name + QStringLiteral(" - ") + program;
    setWindowTitle(m_title);
    setWindowModified(window && window->isWindowModified() &&
                      m_title.contains(QStringLiteral("[*]")));
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    const bool titleEvent =
        event->type() == QEvent::WindowTitleChange || event->type() == QEvent::ModifiedChange;
    if (titleEvent && watched == m_mdi->currentSubWindow())
        UpdateTitle();
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::ShowAtSavedPlace() {
    m_placed = true;
    std::optional<QRect> saved;
    for (const QScreen* screen : QGuiApplication::screens()) {
        saved = m_settings.UsableFrameRect(screen->availableGeometry());
        if (saved)
            break;
    }
    if (saved) {
        // The saved size is the outer one; until the window manager's frame is known the
        // client gets all of it, and it is shrunk by the frame once the frame is known.
        move(saved->topLeft());
        resize(saved->size());
        m_pendingOuterSize = saved->size();
        QTimer::singleShot(2000, this, [this] { m_pendingOuterSize.reset(); });
        // With the native window made first, maximising remembers the saved place as the
        // one to restore to.
        create();
        if (m_settings.frameMax)
            showMaximized();
        else
            show();
        TrackPlacement();
        return;
    }
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    QRect place(QPoint(), area.size() * 4 / 5);
    place.moveCenter(area.center());
    move(place.topLeft());
    resize(place.size());
    show();
    TrackPlacement();
}

void CMainFrame::TrackPlacement() {
    if (!m_placed || isMinimized())
        return;
    if (isMaximized() || isFullScreen()) {
        m_settings.SetFrameMax(true);
        return;
    }
    const QRect outer = frameGeometry();
    if (m_pendingOuterSize && outer.size() != size()) {
        const QSize client = *m_pendingOuterSize - (outer.size() - size());
        m_pendingOuterSize.reset();
        resize(client);
        return; // the resize comes back here with the final size
    }
    m_settings.SetFrameMax(false);
    m_settings.SetFramePos(outer.x(), outer.y());
    m_settings.SetFrameSize(outer.width(), outer.height());
}

void CMainFrame::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    TrackPlacement();
}

void CMainFrame::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    TrackPlacement();
}

void CMainFrame::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        TrackPlacement();
    // A maximised sub-window writes its own title into the main window's; ours stays.
    if (event->type() == QEvent::WindowTitleChange && !m_title.isNull() && windowTitle() != m_title)
        setWindowTitle(m_title);
}

void CMainFrame::SetCloseHandler(std::function<bool()> handler) {
    m_closeHandler = std::move(handler);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    {
        QSettings stored(kSettingsCompany, kSettingsApplication);
        stored.setValue(kBarStatesKey, SaveBarState());
    }
    if (m_closeHandler && !m_closeHandler()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

void CMainFrame::SetFileDropHandler(FileDropHandler handler) {
    m_dropHandler = std::move(handler);
    setAcceptDrops(static_cast<bool>(m_dropHandler));
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (m_dropHandler && event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void CMainFrame::dragMoveEvent(QDragMoveEvent* event) {
    if (m_dropHandler && event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    if (!m_dropHandler || !event->mimeData()->hasUrls())
        return;
    event->acceptProposedAction();
    raise();
    activateWindow();
    // The files are handled once the drop is over, so that a message box does not keep the
    // program the files came from waiting for the drop to end.
    QMetaObject::invokeMethod(
        this,
        [this, urls = event->mimeData()->urls(), point = event->position().toPoint()] {
            if (m_dropHandler)
                m_dropHandler(urls, point);
        },
        Qt::QueuedConnection);
}

void CMainFrame::SetPropertyObject(ArchiveObject* object) {
    m_propertyObject = object;
    emit propertyObjectChanged(object);
}

void CMainFrame::PropertyObjectChanged(ArchiveObject& object) {
    emit propertyObjectRenamed(object);
}

QByteArray CMainFrame::SaveBarState() const {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out << kBarStateMagic << kBarStateVersion << saveState(kBarStateVersion)
        << !statusBar()->isHidden();
    return bytes;
}

bool CMainFrame::RestoreBarState(const QByteArray& state) {
    QDataStream in(state);
    in.setVersion(QDataStream::Qt_6_0);
    quint32 magic = 0;
    qint32 version = 0;
    QByteArray windowState;
    bool statusBarShown = true;
    in >> magic >> version >> windowState >> statusBarShown;
    if (in.status() != QDataStream::Ok || magic != kBarStateMagic || version != kBarStateVersion ||
        !restoreState(windowState, kBarStateVersion))
        return false;
    statusBar()->setVisible(statusBarShown);
    return true;
}

} // namespace vantor
