// write-scripts, write-game, write-module and add-exec: the script files a Library makes.

#include "cli/Commands.h"
#include "cli/LibraryAccess.h"
#include "cli/Messages.h"
#include "cli/ModuleIndex.h"
#include "document/CScriptOutput.h"
#include "document/CVantorDoc.h"
#include "model/CScript.h"
#include "model/CVConfig.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"

namespace vantor::cli {
namespace {

// The Game's script file as a path: the Library holds it in Windows-1252, the file system
// names files in UTF-8.
std::string ScriptPath(const CScript& game) {
    return Shown(game.GetScriptFile());
}

// Writes the Game's script to `target`; false after reporting.
bool WriteGameTo(const CScriptOutput& output, const CVantorDoc& library, const CScript& game,
                 const std::string& target) {
    if (output.WriteGameScript(library, game, target))
        return true;
    Report(NumberedText(IDS_SCRIPT_WRITE_FAILED, Shown(game.GetGameName()), target));
    return false;
}

} // namespace

Status WriteScripts(const Invocation& call) {
    const auto library = OpenLibrary(call.operands[0]);
    if (!library)
        return Failed;
    const CScriptOutput output;
    for (int row = 0; row < library->GetGameCount(); ++row) {
        const CScript& game = *library->GetGame(row);
        if (!game.GetSaveWithLibrary() || game.GetScriptFile().empty())
            continue;
        if (!WriteGameTo(output, *library, game, ScriptPath(game)))
            return Failed;
    }
    return Done;
}

Status WriteGame(const Invocation& call) {
    const auto library = OpenLibrary(call.operands[0]);
    if (!library)
        return Failed;
    const CScript* game = FindGame(*library, call.operands[1]);
    if (game == nullptr)
        return Failed;
    const std::string target = call.operands.size() > 2 ? call.operands[2] : ScriptPath(*game);
    if (target.empty()) {
        Report("The Game \"" + call.operands[1] + "\" has no script file.");
        return Failed;
    }
    return WriteGameTo(CScriptOutput(), *library, *game, target) ? Done : Failed;
}

Status WriteModule(const Invocation& call) {
    const auto library = OpenLibrary(call.operands[0]);
    if (!library)
        return Failed;
    const CVConfig* module = FindModule(*library, call.operands[1]);
    if (module == nullptr)
        return Failed;
    const std::string& target = call.operands[2];
    if (CScriptOutput().WriteModuleScript(*module, target))
        return Done;
    Report(NumberedText(IDS_SCRIPT_WRITE_FAILED, Shown(module->GetName()), target));
    return Failed;
}

Status AddExec(const Invocation& call) {
    // A bare file name is a script in the current folder.
    std::string script = call.operands[0];
    if (script.find('/') == std::string::npos)
        script.insert(0, "./");
    if (CScriptOutput::AddExecLine(script))
        return Done;
    const std::string folder = script.substr(0, script.rfind('/'));
    Report("The EXEC line could not be added to " + folder + "/" +
           std::string(LoadString(IDS_AUTOEXEC_NAME)) + ".");
    return Failed;
}

} // namespace vantor::cli
