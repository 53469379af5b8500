#include "app/CVantorApp.h"

#include "app/AppCommands.h"
#include "app/DesktopIntegration.h"
#include "app/LibraryHost.h"
#include "app/PreviewServices.h"
#include "app/QtMessageService.h"
#include "app/WaitCursorServices.h"
#include "document/CScriptOutput.h"
#include "document/CVantorDoc.h"
#include "model/CKeyTable.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"
#include "ui/dialogs/CAboutDlg.h"
#include "ui/dialogs/COptionsDlg.h"
#include "ui/frame/CMainFrame.h"
#include "ui/frame/CommandRouter.h"
#include "ui/frame/ModelText.h"
#include "ui/keyboard/CKeyboardBar.h"

#include <QAction>
#include <QCursor>
#include <QDesktopServices>
#include <QDir>
#include <QDockWidget>
#include <QFileInfo>
#include <QFontMetrics>
#include <QIcon>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QSettings>
#include <QTimer>
#include <QUrl>

#include <algorithm>

// Resources of a static library must be registered by name, outside any namespace.
static void InitVantorResources() {
    Q_INIT_RESOURCE(vantor);
}

namespace vantor {
namespace {

const QString kOpenFilesGroup = QStringLiteral("OpenFiles");

QSettings UserSettings() {
    return QSettings(kSettingsCompany, kSettingsApplication);
}

} // namespace

CVantorApp::CVantorApp(int& argc, char** argv)
    : QApplication(argc, argv), m_settings(QCoreApplication::applicationDirPath()),
      m_recentFiles(kRecentFileCount), m_ownMessages(std::make_unique<QtMessageService>(
                                           [this] { return static_cast<QWidget*>(m_frame); })),
      m_messages(m_ownMessages.get()), m_commands(std::make_unique<AppCommands>(*this)),
      m_waitCursor(std::make_unique<WaitCursorServices>()), m_keyboardTimer(new QTimer(this)) {
    InitVantorResources();
    ModelServices::Install(m_waitCursor.get());
    m_keyboardTimer->setSingleShot(true);
    m_keyboardTimer->setInterval(0);
    connect(m_keyboardTimer, &QTimer::timeout, this, &CVantorApp::RefreshKeyboard);
    setOrganizationName(QString::fromLatin1(kSettingsCompany));
    setApplicationName(QString::fromLatin1(kSettingsApplication));
    setApplicationDisplayName(LoadText(IDS_APP_TITLE));
    setApplicationVersion(QStringLiteral("1.02"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/vantor.png")));
}

CVantorApp::~CVantorApp() {
    DestroyMainFrame();
    if (&ModelServices::Get() == m_waitCursor.get())
        ModelServices::Install(nullptr);
}

CVantorApp* CVantorApp::Instance() {
    return qobject_cast<CVantorApp*>(QCoreApplication::instance());
}

bool CVantorApp::InitInstance(const QStringList& files) {
    DestroyMainFrame();
    static_cast<void>(CKeyTable::Instance());
    MakeScriptOutput();
    LoadSettings();
    CreatePaneHeaderFont();

    m_frame = new CMainFrame(m_settings);
    m_frame->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_frame, &QObject::destroyed, this, [this] { m_frame = nullptr; });
    m_frame->SetCloseHandler([this] { return SaveAllModified(); });
    m_frame->Router().AppendTarget(m_commands.get());
    UpdateRecentFileActions();
    if (m_host)
        m_host->AttachMainFrame(*m_frame);

    // The desktop learns of the editor and its file types (what is missing of it).
    const DesktopIntegration::Folders folders = DesktopIntegration::FromEnvironment();
    DesktopIntegration::RefreshDatabases(
        folders.dataHome,
        DesktopIntegration::InstallUserFiles(folders, QCoreApplication::applicationFilePath()));

    if (!ProcessCommandLine(files)) {
        DestroyMainFrame();
        return false;
    }
    m_frame->ShowAtSavedPlace();
    m_frame->activateWindow();
    KeyboardOutOfDate();
    return true;
}

void CVantorApp::DestroyMainFrame() {
    CMainFrame* frame = m_frame;
    m_frame = nullptr;
    delete frame;
}

CScriptOutput& CVantorApp::ScriptOutput() {
    if (!m_scriptOutput)
        MakeScriptOutput();
    return *m_scriptOutput;
}

// Previews start the converter detached and speak through the message service.
void CVantorApp::MakeScriptOutput() {
    if (!m_previewHost) {
        m_previewHost = std::make_unique<EditorPreviewHost>(*this);
        m_launcher = std::make_unique<DetachedProcessLauncher>();
    }
    const QPoint cursor = QCursor::pos();
    m_scriptOutput = std::make_unique<CScriptOutput>(cursor.x(), cursor.y());
    m_scriptOutput->SetPreviewHost(m_previewHost.get());
    m_scriptOutput->SetProcessLauncher(m_launcher.get());
}

void CVantorApp::SetActiveLibrary(CVantorDoc* library) {
    m_activeLibrary = library;
    KeyboardOutOfDate();
}

void CVantorApp::KeyboardOutOfDate() {
    // What the Keyboard window knows of the Library is void at once; it is shown again when
    // the events waiting now have been handled.
    if (m_frame)
        m_frame->KeyboardBar()->MarkOutOfDate();
    m_keyboardTimer->start();
}

void CVantorApp::RefreshKeyboard() {
    m_keyboardTimer->stop();
    if (!m_frame || m_frame->KeyboardBar()->IsUpToDate())
        return;
    m_frame->KeyboardBar()->SetGame(m_activeLibrary,
                                    m_activeLibrary ? m_activeLibrary->GetCurrentGame() : nullptr);
}

MessageService& CVantorApp::Messages() const {
    return *m_messages;
}

void CVantorApp::SetMessageService(MessageService* service) {
    m_messages = service ? service : m_ownMessages.get();
}

void CVantorApp::SetLibraryHost(LibraryHost* host) {
    m_host = host;
    if (m_frame)
        m_frame->Router().RequestUpdate();
}

void CVantorApp::LoadSettings() {
    QSettings settings = UserSettings();
    m_settings = AppSettings(QCoreApplication::applicationDirPath());
    m_settings.Load(settings);
    m_recentFiles.Load(settings);
}

void CVantorApp::SaveSettings() const {
    QSettings settings = UserSettings();
    m_settings.Save(settings);
    m_recentFiles.Save(settings);
}

void CVantorApp::CreatePaneHeaderFont() {
    m_paneHeaderFont = QApplication::font();
    m_paneHeaderFont.setBold(true);
    m_paneHeaderHeight =
        QFontMetrics(m_paneHeaderFont).size(0, QStringLiteral("Test")).height() + 1;
}

// Reopening first, then the named files; an empty Library only when neither gave one.
bool CVantorApp::ProcessCommandLine(const QStringList& files) {
    if (!m_host) {
        for (const QString& file : files)
            qWarning("Cannot open %s: this build has no Library windows.", qPrintable(file));
        return true;
    }
    const int reopened = m_settings.reload ? RestoreOpenFiles() : 0;
    if (files.isEmpty())
        return reopened > 0 || m_host->NewEmptyLibrary();
    int opened = 0;
    for (const QString& file : files)
        opened += m_host->OpenLibrary(file) ? 1 : 0;
    return opened > 0;
}

int CVantorApp::RestoreOpenFiles() {
    if (!m_host)
        return 0;
    QSettings settings = UserSettings();
    settings.beginGroup(kOpenFilesGroup);
    bool ok = false;
    const int count = std::max(0, settings.value(QStringLiteral("count")).toInt(&ok));
    // A damaged count larger than the entries present costs nothing: the missing entries
    // count as failures without being looked up one by one.
    const int present = static_cast<int>(settings.childKeys().size());
    const int looked = ok ? std::min(count, present) : 0;
    QStringList paths;
    for (int i = 0; i < looked; ++i)
        paths.append(settings.value(QStringLiteral("File%1").arg(i)).toString());
    settings.endGroup();

    int opened = 0;
    for (const QString& path : paths)
        if (!path.isEmpty() && m_host->OpenLibrary(path))
            ++opened;
    if (ok && opened != count)
        Messages().Warning(LoadText(IDS_RESTORE_FAILED));
    return opened;
}

void CVantorApp::WriteOpenFiles() const {
    const QStringList paths = m_host ? m_host->OpenLibraryPaths() : QStringList();
    QSettings settings = UserSettings();
    settings.remove(kOpenFilesGroup);
    settings.beginGroup(kOpenFilesGroup);
    int written = 0;
    for (const QString& path : paths)
        if (!path.isEmpty())
            settings.setValue(QStringLiteral("File%1").arg(written++), path);
    settings.setValue(QStringLiteral("count"), written);
    settings.endGroup();
}

bool CVantorApp::SaveAllModified() {
    if (m_host && !m_host->SaveAllModified())
        return false;
    WriteOpenFiles();
    SaveSettings();
    m_scriptOutput.reset(); // deletes the previews' temporary files
    return true;
}

void CVantorApp::AddToRecentFiles(const QString& path) {
    m_recentFiles.Add(path);
    UpdateRecentFileActions();
}

void CVantorApp::UpdateRecentFileActions() {
    if (!m_frame)
        return;
    const QStringList& paths = m_recentFiles.Paths();
    for (int i = 0; i < kRecentFileCount; ++i) {
        QAction* action = m_frame->Router().Action(RecentFileCommand(i));
        const bool used = i < paths.size();
        action->setVisible(used);
        if (!used)
            continue;
        QString name = QFileInfo(paths.at(i)).fileName();
        name.replace(QLatin1Char('&'), QStringLiteral("&&"));
        action->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(name));
        action->setStatusTip(QDir::toNativeSeparators(paths.at(i)));
    }
    m_frame->Router().RequestUpdate();
}

void CVantorApp::OpenRecentFile(int index) {
    if (!m_host || index < 0 || index >= m_recentFiles.Paths().size())
        return;
    const QString path = m_recentFiles.Paths().at(index);
    // A file that no longer opens leaves the list, as it would only fail again.
    if (m_host->OpenLibrary(path))
        m_recentFiles.Add(path);
    else
        m_recentFiles.Remove(path);
    UpdateRecentFileActions();
}

void CVantorApp::OpenLibraryDialog() {
    if (!m_host)
        return;
    // The host puts a Library it opened on the recent-file list.
    const QString path = Messages().OpenFileName(tr("Open Library"), QString(),
                                                 tr("Vantor Library files (*.vtl);;All Files (*)"));
    if (!path.isEmpty())
        m_host->OpenLibrary(path);
}

void CVantorApp::RunOptions() {
    COptionsDlg dialog(m_frame);
    const OptionsValues before{m_settings.author, m_settings.confirmAll, m_settings.reload,
                               m_settings.paneHeader};
    dialog.SetValues(before);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const OptionsValues after = dialog.Values();
    m_settings.author = after.author;
    m_settings.confirmAll = after.verifyDeletions;
    m_settings.reload = after.rememberOpenLibraries;
    m_settings.paneHeader = after.showPaneHeaders;
    if (after.showPaneHeaders != before.showPaneHeaders)
        emit paneHeadersChanged(after.showPaneHeaders);
}

void CVantorApp::ShowAbout() {
    CAboutDlg dialog(m_frame);
    dialog.exec();
}

void CVantorApp::OpenHomePage() {
    const QString address = LoadText(IDS_HOME_PAGE);
    if (!QDesktopServices::openUrl(QUrl(address)))
        Messages().Warning(LoadText(IDS_HOME_PAGE_FAILED).arg(address));
}

QString CVantorApp::ManualPath() const {
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                           QStringLiteral(VANTOR_MANUAL_RELPATH));
}

void CVantorApp::OpenManual() {
    const QString path = ManualPath();
    if (!QFileInfo::exists(path) || !QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        Messages().Warning(LoadText(IDS_MANUAL_FAILED).arg(QDir::toNativeSeparators(path)));
}

void CVantorApp::RunPrintSetup() {
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>();
    QPageSetupDialog dialog(m_printer.get(), m_frame);
    dialog.exec();
}

} // namespace vantor
