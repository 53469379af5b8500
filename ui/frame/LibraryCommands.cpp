#include "ui/frame/LibraryCommands.h"

#include "app/CVantorApp.h"
#include "app/MessageService.h"
#include "document/CScriptOutput.h"
#include "document/CVantorDoc.h"
#include "model/CScript.h"
#include "model/CVConfig.h"
#include "resources/StringIds.h"
#include "ui/dialogs/CLibraryPropDlg.h"
#include "ui/dialogs/CProcessingDlg.h"
#include "ui/frame/CChildFrame.h"
#include "ui/frame/CModuleView.h"
#include "ui/frame/CScriptView.h"
#include "ui/frame/ModelText.h"

#include <QAbstractItemView>
#include <QFile>

namespace vantor {
namespace {

CVantorApp& App() {
    return *CVantorApp::Instance();
}

MessageService& Messages() {
    return App().Messages();
}

// Paths are kept in the model, and handed to the core, in the file system's encoding.
std::string CorePath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString PathText(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

// A Module's name as a file name: no folder separators, no NUL.
QString FileNameFor(const std::string& name) {
    QString text = FromModelText(name);
    text.replace(QLatin1Char('/'), QLatin1Char('_'));
    text.remove(QChar(0));
    return text;
}

// The new object is the current item of its pane once the pane selected it: its label is
// edited in place there. A pane without items (or that selected nothing) edits nothing.
void StartLabelEdit(QAbstractItemView* view) {
    if (view == nullptr)
        return;
    const QModelIndex current = view->currentIndex();
    if (current.isValid() && (view->model()->flags(current) & Qt::ItemIsEditable))
        view->edit(current);
}

} // namespace

LibraryCommands::LibraryCommands(CChildFrame& window) : m_window(window) {}

bool LibraryCommands::Handles(CommandId id) const {
    switch (id) {
    case CommandId::LibraryProperties:
    case CommandId::NewModule:
    case CommandId::NewGame:
    case CommandId::ImportScriptFile:
    case CommandId::ImportModule:
    case CommandId::ExportModule:
    case CommandId::ImportDefinitions:
    case CommandId::RematchCommands:
    case CommandId::PreviewGameScript:
    case CommandId::PreviewModuleScript:
    case CommandId::SaveScript:
        return true;
    default:
        return false;
    }
}

bool LibraryCommands::IsEnabled(CommandId id) const {
    switch (id) {
    case CommandId::ExportModule:
    case CommandId::PreviewModuleScript:
        return SelectedModule() != nullptr;
    case CommandId::PreviewGameScript:
        return SelectedGame() != nullptr;
    case CommandId::SaveScript: {
        const CScript* game = SelectedGame();
        return game != nullptr && !game->GetScriptFile().empty();
    }
    default:
        return Handles(id);
    }
}

void LibraryCommands::Execute(CommandId id) {
    switch (id) {
    case CommandId::LibraryProperties:
        EditProperties();
        break;
    case CommandId::NewModule:
        NewModule();
        break;
    case CommandId::NewGame:
        NewGame();
        break;
    case CommandId::ImportScriptFile:
        ImportScriptFile();
        break;
    case CommandId::ImportModule:
        ImportModule();
        break;
    case CommandId::ExportModule:
        ExportModule();
        break;
    case CommandId::ImportDefinitions:
        ImportDefinitions();
        break;
    case CommandId::RematchCommands:
        RematchCommands();
        break;
    case CommandId::PreviewGameScript:
        if (CScript* game = SelectedGame())
            PreviewGameScript(*game);
        break;
    case CommandId::PreviewModuleScript:
        if (CVConfig* module = SelectedModule())
            PreviewModuleScript(*module);
        break;
    case CommandId::SaveScript:
        if (CScript* game = SelectedGame(); game && !game->GetScriptFile().empty())
            SaveGameScript(*game);
        break;
    default:
        break;
    }
}

CVConfig* LibraryCommands::SelectedModule() const {
    CMTObj* node = m_window.ModuleTreeView().GetSelectedNode();
    return node ? node->GetModule() : nullptr;
}

CScript* LibraryCommands::SelectedGame() const {
    return m_window.Document().GetCurrentGame();
}

QString LibraryCommands::EngineFolder() const {
    return PathText(m_window.Document().GetEngineFolder());
}

void LibraryCommands::Report(int messageId) const {
    if (messageId != 0)
        Messages().Warning(LoadText(messageId));
}

void LibraryCommands::EditProperties() {
    CVantorDoc& library = m_window.Document();
    CLibraryPropDlg dialog(
        [](const QString& start) {
            return Messages().ChooseFolder(LoadText(IDS_BROWSE_ENGINE_FOLDER), start);
        },
        [this] { ImportDefinitions(); }, m_window.window());
    dialog.SetEngineFolder(EngineFolder());
    dialog.SetWriteAllScripts(library.GetWriteAll());
    if (dialog.exec() != QDialog::Accepted)
        return;
    library.SetLibraryProperties(CorePath(dialog.EngineFolder()), dialog.WriteAllScripts());
}

void LibraryCommands::NewModule() {
    m_window.ActivatePane(CChildFrame::ModulePane);
    m_window.Document().NewModule(ToModelText(App().Settings().author));
    StartLabelEdit(m_window.ModuleTreeView().View());
}

void LibraryCommands::NewGame() {
    m_window.ActivatePane(CChildFrame::GamePane);
    if (CScript* game = m_window.Document().NewGame())
        m_window.GameView().SelectGame(*game);
    StartLabelEdit(m_window.GameView().View());
}

void LibraryCommands::ImportScriptFile() {
    const QString path = Messages().OpenFileName(LoadText(IDS_IMPORT_SCRIPT_TITLE), EngineFolder(),
                                                 FileDialogFilter(IDS_SCRIPT_FILTER),
                                                 LoadText(IDS_SCRIPT_EXTENSION));
    if (path.isEmpty())
        return;
    CProcessingDlg progress(m_window.window());
    Report(m_window.Document().ImportScriptWithAuthor(
        CorePath(path), ToModelText(App().Settings().author), &progress));
}

void LibraryCommands::ImportModule() {
    const QString path = Messages().OpenFileName(LoadText(IDS_IMPORT_MODULE_TITLE), QString(),
                                                 FileDialogFilter(IDS_MODULE_FILTER),
                                                 LoadText(IDS_MODULE_EXTENSION));
    if (!path.isEmpty())
        Report(m_window.Document().ImportModule(CorePath(path)));
}

void LibraryCommands::ExportModule() {
    const CVConfig* module = SelectedModule();
    if (module == nullptr)
        return;
    QString proposed =
        FileNameFor(module->GetName()) + QLatin1Char('.') + LoadText(IDS_MODULE_EXTENSION);
    if (const QString folder = EngineFolder(); !folder.isEmpty())
        proposed = folder + QLatin1Char('/') + proposed;
    const QString path = Messages().SaveFileName(LoadText(IDS_EXPORT_MODULE_TITLE), proposed,
                                                 FileDialogFilter(IDS_MODULE_FILTER),
                                                 LoadText(IDS_MODULE_EXTENSION), false);
    if (!path.isEmpty())
        Report(m_window.Document().ExportModule(*module, CorePath(path)));
}

// The shipped definitions files live in the example folder: the dialog starts there.
void LibraryCommands::ImportDefinitions() {
    const QString path = Messages().OpenFileName(
        LoadText(IDS_IMPORT_DEFINITIONS_TITLE), App().Settings().exampleFolder,
        FileDialogFilter(IDS_DEFINITIONS_FILTER), LoadText(IDS_DEFINITIONS_EXTENSION));
    if (path.isEmpty())
        return;
    CProcessingDlg progress(m_window.window());
    Report(m_window.Document().ImportDefinitions(CorePath(path), &progress));
}

void LibraryCommands::RematchCommands() {
    CProcessingDlg progress(m_window.window());
    m_window.Document().RematchCommands(nullptr, &progress);
}

void LibraryCommands::SaveGameScript(CScript& game) {
    if (App().ScriptOutput().WriteGameScript(m_window.Document(), game))
        return;
    Messages().Warning(LoadText(IDS_SCRIPT_WRITE_FAILED)
                           .arg(FromModelText(game.GetGameName()), PathText(game.GetScriptFile())));
}

// The script file need not exist yet: the dialog only names it, without asking about an
// existing one, and the engine folder is where it starts when the Game has no file yet.
bool LibraryCommands::BrowseForScript(CScript& game) {
    QString proposed = PathText(game.GetScriptFile());
    if (proposed.isEmpty())
        proposed = EngineFolder();
    const QString path = Messages().SaveFileName(LoadText(IDS_SAVE_GAME_SCRIPT_TITLE), proposed,
                                                 FileDialogFilter(IDS_SCRIPT_FILTER),
                                                 LoadText(IDS_SCRIPT_EXTENSION), false);
    if (path.isEmpty())
        return false;
    game.SetScriptFile(CorePath(path), true);
    return true;
}

void LibraryCommands::PreviewGameScript(CScript& game) {
    App().ScriptOutput().PreviewGame(m_window.Document(), game);
}

void LibraryCommands::PreviewModuleScript(CVConfig& module) {
    App().ScriptOutput().PreviewModule(module);
}

} // namespace vantor
