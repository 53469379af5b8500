#pragma once

#include <string>
#include <string_view>

namespace vantor {

class CScript;
class CVConfig;
class CVantorDoc;

/// Writes the script files the game engine executes. The application keeps one.
///
/// A script is written anew each time, after its previous version was copied to the
/// backup name (MakeBackup). Lines end in CR LF. A write that fails returns false and
/// leaves the backup; the caller chooses the message.
class CScriptOutput {
public:
    /// Writes the Game's script to `fileName`, or to the Game's own script file when
    /// `fileName` is empty: the header, the Game line with the script time, the echo line,
    /// the section of each of `library`'s Modules that the Game uses, in Library order, and
    /// the footer. False when there is no target or it cannot be written.
    bool WriteGameScript(const CVantorDoc& library, const CScript& game,
                         std::string_view fileName = {}) const;
    /// Writes one Module's section between the header and the footer, with no Game line.
    bool WriteModuleScript(const CVConfig& module, std::string_view fileName) const;

    /// Copies an existing file to its backup name (see ScriptFiles.h).
    static void MakeBackup(const std::string& path);
    /// Adds the EXEC line for `scriptPath` to the autoexec.cfg beside it (see ScriptFiles.h).
    static bool AddExecLine(const std::string& scriptPath);
};

} // namespace vantor
