#include "document/CScriptOutput.h"

#include "document/CVantorDoc.h"
#include "document/ScriptClock.h"
#include "document/ScriptFiles.h"
#include "model/CScript.h"
#include "model/CVConfig.h"
#include "model/TextOutput.h"
#include "model/TextUtil.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"

#include <exception>

namespace vantor {
namespace {

// Backs the file up, then writes it anew with `body`. Nothing thrown while writing escapes:
// the file is closed and the write reported as failed.
template <class Body> bool WriteScriptFile(std::string_view fileName, const Body& body) {
    if (fileName.empty())
        return false;
    try {
        const std::string path(fileName);
        vantor::MakeBackup(path);
        TextOutput out;
        if (!out.Open(path))
            return false;
        body(out);
        return out.Close();
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace

bool CScriptOutput::WriteGameScript(const CVantorDoc& library, const CScript& game,
                                    std::string_view fileName) const {
    const std::string_view target = fileName.empty() ? game.GetScriptFile() : fileName;
    return WriteScriptFile(target, [&](TextOutput& out) {
        out.Write(LoadString(IDS_SCRIPT_HEADER));
        out.Write(FormatText(LoadString(IDS_SCRIPT_GAME),
                             {game.GetGameName(), FormatScriptTime(CurrentScriptTime())}));
        // The Game's set has no order: the Library's order decides.
        if (game.GetModuleUseCount() > 0) {
            for (int row = 0; row < library.GetModuleCount(); ++row) {
                const CVConfig* module = library.GetModule(row);
                if (game.UsesModule(*module))
                    module->WriteScript(out);
            }
        }
        out.Write(LoadString(IDS_SCRIPT_END));
    });
}

bool CScriptOutput::WriteModuleScript(const CVConfig& module, std::string_view fileName) const {
    return WriteScriptFile(fileName, [&](TextOutput& out) {
        out.Write(LoadString(IDS_MODULE_SCRIPT_HEADER));
        module.WriteScript(out);
        out.Write(LoadString(IDS_MODULE_SCRIPT_END));
    });
}

void CScriptOutput::MakeBackup(const std::string& path) {
    vantor::MakeBackup(path);
}

bool CScriptOutput::AddExecLine(const std::string& scriptPath) {
    return vantor::AddExecLine(scriptPath);
}

} // namespace vantor
