#pragma once

#include "model/ArchiveClass.h"
#include "model/ArchiveObject.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vantor {

class CVConfig;
class ModelObserver;
struct GameReadContext;

/// A Game: one script file of the game engine, made of the script sections of the
/// Library's Modules that it uses. It refers to those Modules without owning them; the
/// Library owns both and writes the used Modules in Library order.
class CScript : public ArchiveObject {
public:
    static const ArchiveClass kClass;

    /// A new Game: no name, no script file, saved with the Library, no Modules.
    CScript();
    CScript(const CScript&) = delete;
    CScript& operator=(const CScript&) = delete;

    const std::string& GetGameName() const { return m_name; }
    /// Refuses an empty name with 154; otherwise stores it, marks the Library modified and,
    /// when `updatePane`, tells the Game pane. 0 on success.
    int SetGameName(std::string_view name, bool updatePane);
    /// Takes the next value of the naming counter and names the Game "New Game%d" with it.
    void MakeDefaultGameName();

    /// The full path of the script file; empty when the Game has none yet.
    const std::string& GetScriptFile() const { return m_scriptFile; }
    /// Stores the path, marks the Library modified and, when `updatePane`, tells the Game
    /// pane.
    void SetScriptFile(std::string_view path, bool updatePane);

    /// Whether the script is written whenever the Library is saved. Changing it does not
    /// mark the Library modified (the caller does).
    bool GetSaveWithLibrary() const { return m_saveWithLibrary; }
    void SetSaveWithLibrary(bool on) { m_saveWithLibrary = on; }

    /// The Library's observer, or null while the Game belongs to no Library. Not owned.
    ModelObserver* GetLibrary() const { return m_library; }
    void SetLibrary(ModelObserver* library) { m_library = library; }

    /// Marks the Library modified and puts the Module into the set (once).
    void AddModuleUse(CVConfig& module);
    /// Takes the Module out of the set and marks the Library modified; false, and nothing
    /// marked, when the Game does not use it.
    bool RemoveModuleUse(CVConfig& module);
    bool UsesModule(const CVConfig& module) const;
    /// Each used Module once, in no particular order. Invalidated by changes of the set.
    std::span<CVConfig* const> GetUsedModules() const { return m_modules; }
    std::size_t GetModuleUseCount() const { return m_modules.size(); }

    /// The string id of the question to ask before deleting the Game (172). The caller asks.
    int ConfirmDeleteGame() const;

    const ArchiveClass& GetClass() const override { return kClass; }
    /// Name, script file, the switch, then the used Modules as their position numbers.
    /// A used Module without a position (never numbered) is an archive error.
    void Write(ArchiveWriter& ar) const override;
    /// Reads the record, turning position numbers into Modules through the archive's
    /// GameReadContext. No context, or a number that names none of its Modules, is a
    /// format error.
    void Read(ArchiveReader& ar) override;
    /// The same with the Modules given directly.
    void Read(ArchiveReader& ar, const GameReadContext& context);

private:
    void MarkModified() const;
    void Notify(unsigned what);

    std::string m_name;
    std::string m_scriptFile;
    bool m_saveWithLibrary = true;
    ModelObserver* m_library = nullptr;
    // The set: the Modules in a vector for iteration, and each one's place in it.
    std::vector<CVConfig*> m_modules;
    std::unordered_map<const CVConfig*, std::size_t> m_moduleIndex;
};

} // namespace vantor
