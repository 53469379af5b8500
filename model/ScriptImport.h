#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace vantor {

class CCmdFrag;
class CMTObj;
class CVAliasAct;
class CVCommand;
class CVConfig;

/// Console text as command fragments, one per semicolon-separated command whose name is
/// valid: "+name" and "-name" become Action fragments (on and off; the rest of the command
/// is ignored), any other command a user-defined fragment whose parameter is the rest of
/// the command, a leading quoted part taken without its quotes. A sign without a name and
/// a comment piece ("// ...") give nothing.
std::vector<std::unique_ptr<CCmdFrag>> ParseCommandText(std::string_view text);
/// The same, appending the fragments to `out`.
void ParseCommandText(std::string_view text, std::vector<std::unique_ptr<CCmdFrag>>& out);

/// One line of a definition file ("name;type letter;description") as a Definition, or null
/// when the line has no valid name or no type piece.
std::unique_ptr<CVCommand> ParseDefinitionLine(std::string_view line);

/// Turns the lines of a console script into a Module's Aliases, Action Aliases, Binds and
/// Startup commands. Everything read is held back until `Commit`, so an import that stops
/// part-way leaves the Module as it was. Lines that do not parse are dropped silently.
class ScriptImport {
public:
    /// The Module must have its four lists.
    explicit ScriptImport(CVConfig& module);
    ~ScriptImport();
    ScriptImport(const ScriptImport&) = delete;
    ScriptImport& operator=(const ScriptImport&) = delete;

    /// Reads one line (without its line end).
    void ReadLine(std::string_view line);

    /// Adds what was read to the Module: the new Aliases and Action Aliases at the end of
    /// the Alias List and the Binds at the end of the Bind List, in the order of their
    /// lines, the commands read for Action Aliases that the Module already had to their
    /// halves, and the startup commands to the Startup List.
    void Commit();

private:
    using Fragments = std::vector<std::unique_ptr<CCmdFrag>>;

    void ReadAlias(std::string_view name, std::string_view commands);
    void ReadBind(std::string_view key, std::string_view commands);
    /// The Action Alias of that name (without regard to case), made when there is none.
    CVAliasAct& ActionAlias(std::string_view name);
    /// Appends the commands to a half, or holds them back when the half is in the Module.
    void AddToHalf(CMTObj& half, std::string_view commands);

    // Names compared and hashed without regard to case (A-Z as a-z).
    struct NoCaseHash {
        std::size_t operator()(std::string_view name) const;
    };
    struct NoCaseEqual {
        bool operator()(std::string_view a, std::string_view b) const;
    };

    CVConfig& m_module;
    /// Name → the first Action Alias of that name, in the Module or read. The keys are the
    /// Action Aliases' own names, which nothing renames during the import.
    std::unordered_map<std::string_view, CVAliasAct*, NoCaseHash, NoCaseEqual> m_actionAliases;
    std::vector<std::unique_ptr<CMTObj>> m_aliases;
    std::vector<std::unique_ptr<CMTObj>> m_binds;
    Fragments m_startups;
    /// Commands for halves of Action Aliases that were in the Module before the import, in
    /// the order the halves were first met, with an index by half.
    std::vector<std::pair<CMTObj*, Fragments>> m_halfCommands;
    std::unordered_map<const CMTObj*, std::size_t> m_halfIndex;
};

} // namespace vantor
