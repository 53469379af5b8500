// new, add-game and use: a Library, its Games and the Modules they use.

#include "cli/Commands.h"
#include "cli/LibraryAccess.h"
#include "cli/Messages.h"
#include "cli/ModuleIndex.h"
#include "document/CVantorDoc.h"
#include "model/CScript.h"
#include "model/CVConfig.h"
#include "resources/StringTable.h"

#include <algorithm>
#include <unordered_set>
#include <vector>

namespace vantor::cli {

Status NewLibrary(const Invocation& call) {
    const std::string& path = call.operands[0];
    std::string engineFolder;
    if (const std::string* engine = call.Value("--engine");
        engine != nullptr && !ToLibraryText(*engine, engineFolder))
        return Failed;
    if (PathExists(path)) {
        Report(path + " already exists.");
        return Failed;
    }
    CVantorDoc library;
    library.SetLibraryProperties(engineFolder, library.GetWriteAll());
    return SaveLibraryFile(library, path) ? Done : Failed;
}

Status AddGame(const Invocation& call) {
    const std::string& path = call.operands[0];
    std::string name;
    std::string scriptFile;
    if (!ToLibraryText(call.operands[1], name) || !ToLibraryText(call.operands[2], scriptFile))
        return Failed;
    auto library = OpenLibrary(path);
    if (!library)
        return Failed;
    auto game = std::make_unique<CScript>();
    if (const int refusal = game->SetGameName(name, false)) {
        Report(LoadString(refusal));
        return Failed;
    }
    game->SetScriptFile(scriptFile, false);
    game->SetSaveWithLibrary(true);
    library->AddGame(std::move(game));
    return SaveLibraryFile(*library, path) ? Done : Failed;
}

Status UseModules(const Invocation& call) {
    const std::string& path = call.operands[0];
    auto library = OpenLibrary(path);
    if (!library)
        return Failed;
    CScript* game = FindGame(*library, call.operands[1]);
    if (game == nullptr)
        return Failed;
    const ModuleIndex index(*library);
    std::vector<CVConfig*> wanted;
    std::unordered_set<CVConfig*> named;
    for (std::size_t i = 2; i < call.operands.size(); ++i) {
        CVConfig* module = index.Find(call.operands[i]);
        if (module == nullptr)
            return Failed;
        if (named.insert(module).second)
            wanted.push_back(module);
    }
    // The set is changed only once every name was found. The file stores the set in the
    // order it was built: Library order keeps the bytes the same for the same set.
    const std::vector<CVConfig*> used(game->GetUsedModules().begin(), game->GetUsedModules().end());
    for (CVConfig* module : used)
        game->RemoveModuleUse(*module);
    std::sort(wanted.begin(), wanted.end(), [&](const CVConfig* a, const CVConfig* b) {
        return library->GetModuleRow(*a) < library->GetModuleRow(*b);
    });
    for (CVConfig* module : wanted)
        game->AddModuleUse(*module);
    return SaveLibraryFile(*library, path) ? Done : Failed;
}

} // namespace vantor::cli
