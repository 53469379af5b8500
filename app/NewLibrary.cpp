#include "app/NewLibrary.h"

#include "app/CVantorApp.h"
#include "app/LibraryHost.h"
#include "app/MessageService.h"
#include "document/CScriptOutput.h"
#include "document/CVantorDoc.h"
#include "model/CScript.h"
#include "resources/StringIds.h"
#include "ui/dialogs/CLibraryWizard.h"
#include "ui/frame/CMainFrame.h"
#include "ui/frame/ModelText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace vantor {
namespace {

std::string CorePath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

// A folder trimmed of white space at both ends and ending in "/", unless it is empty.
QString BaseFolder(const QString& folder) {
    QString base = folder.trimmed();
    if (!base.isEmpty() && !base.endsWith(QLatin1Char('/')))
        base.append(QLatin1Char('/'));
    return base;
}

// The Module file of a title in the folder: "<title>.VTM", or the file of that title whose
// extension is ".vtm" in another case (file names are case-sensitive here).
QString ModuleFile(const QString& folder, const QString& title) {
    const QString extension = LoadText(IDS_MODULE_EXTENSIONS);
    const QString exact = folder + title + extension;
    if (QFileInfo::exists(exact))
        return exact;
    const QFileInfoList files =
        QDir(folder).entryInfoList({QLatin1Char('*') + extension}, QDir::Files | QDir::Hidden);
    for (const QFileInfo& file : files)
        if (file.completeBaseName() == title)
            return file.filePath();
    return exact;
}

} // namespace

std::unique_ptr<CVantorDoc> BuildNewLibrary(const LibraryWizardResults& answers,
                                            const QString& exampleFolder,
                                            MessageService& messages) {
    auto library = std::make_unique<CVantorDoc>();
    library->SetLibraryProperties(CorePath(answers.engineFolder), library->GetWriteAll());
    library->SetPathName(CorePath(answers.libraryFile));

    const QString base = BaseFolder(answers.engineFolder);
    const QString scriptName =
        LoadText(answers.scriptChoice == 1 ? IDS_DEFAULT_SCRIPT_NAME : IDS_AUTOEXEC_NAME);
    for (const QString& folder : answers.games) {
        const std::string scriptPath = CorePath(base + folder + QLatin1Char('/') + scriptName);
        auto game = std::make_unique<CScript>();
        game->SetGameName(ToModelText(folder), false); // an empty name leaves it unnamed
        game->SetScriptFile(scriptPath, false);
        if (answers.execLine && answers.scriptChoice == 1)
            CScriptOutput::AddExecLine(scriptPath); // a failure here stays silent
        library->AddGame(std::move(game));
    }

    const QString moduleFolder = BaseFolder(exampleFolder);
    for (const QString& title : answers.modules)
        if (library->ImportModuleFile(CorePath(ModuleFile(moduleFolder, title))) != 0)
            messages.Warning(LoadText(IDS_MODULE_FILE_IMPORT_FAILED));
    return library;
}

void RunNewLibrary(CVantorApp& app) {
    LibraryHost* host = app.Libraries();
    if (host == nullptr)
        return;
    CLibraryWizard wizard(app.Messages(), app.Settings().exampleFolder, app.MainFrame());
    wizard.Page2().SetScriptChoice(1);
    wizard.Page2().SetExecLine(true);
    if (wizard.exec() != QDialog::Accepted)
        return;
    std::unique_ptr<CVantorDoc> library =
        BuildNewLibrary(wizard.Results(), app.Settings().exampleFolder, app.Messages());
    // Unsaved until the save below succeeds, whatever was added to it.
    library->SetModified(true);
    host->AddNewLibrary(std::move(library));
}

} // namespace vantor
