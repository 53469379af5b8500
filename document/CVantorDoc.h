#pragma once

#include "model/ModelObserver.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace vantor {

class CScript;
class CScriptOutput;
class CVConfig;
class DocumentObserver;
class ModuleView;
class ProgressMonitor;

/// One open Library: its Modules and Games (owned), the engine folder and the Library's
/// switches, the Library file, and the operations through which the panes add, insert,
/// remove and move Modules and Games.
///
/// The document is the library link of every Module and Game it holds: it receives their
/// change reports, sets its modified flag and passes each report on to its observer.
class CVantorDoc : public ModelObserver {
public:
    /// The state image of a Module's tree item.
    enum ModuleState : int {
        ModuleUnused = 1, ///< the current Game does not use the Module
        ModuleUsed = 2,   ///< the current Game uses it
        ModuleNoGame = 3, ///< there is no current Game
    };

    /// The outcome of opening a Library file: the document, or the message to show.
    struct OpenResult {
        std::unique_ptr<CVantorDoc> document;
        std::string error;
    };
    /// The outcome of saving: whether the Library file was written (else `error` says why),
    /// and whether a Game script failed afterwards (show IDS_SCRIPTS_WRITE_FAILED once).
    struct SaveResult {
        bool saved = false;
        std::string error;
        bool scriptFailed = false;
    };

    /// A new, empty Library: no Modules or Games, empty engine folder, reserved word 0,
    /// write-all switch on, both pane widths 0, not modified.
    CVantorDoc();
    /// Destroys the contents without telling the observer.
    ~CVantorDoc() override;
    CVantorDoc(const CVantorDoc&) = delete;
    CVantorDoc& operator=(const CVantorDoc&) = delete;

    // --- Views ---------------------------------------------------------------------------

    /// The observer that hears every change (not owned; null for none).
    void SetObserver(DocumentObserver* observer) { m_observer = observer; }
    DocumentObserver* GetObserver() const { return m_observer; }
    /// The Module pane, asked for its selection by AddModuleAtSelection (not owned).
    void SetModuleView(ModuleView* view) { m_moduleView = view; }

    // --- Fields --------------------------------------------------------------------------

    const std::string& GetEngineFolder() const { return m_engineFolder; }
    bool GetWriteAll() const { return m_writeAll; }
    /// The Library Properties: stores both and marks the Library modified when either
    /// changed.
    void SetLibraryProperties(std::string engineFolder, bool writeAll);
    /// Read from the file and written back unchanged.
    std::uint32_t GetReserved() const { return m_reserved; }
    /// Stored widths of the Game and Module pane columns; 0 means the application's default.
    std::int32_t GetGamePaneWidth() const { return m_gamePaneWidth; }
    std::int32_t GetModulePaneWidth() const { return m_modulePaneWidth; }

    /// The Library file this document was read from or last saved to; empty when untitled.
    const std::string& GetPathName() const { return m_pathName; }
    /// Names the Library file without writing it (a new Library whose first save failed
    /// keeps the name it was meant to have).
    void SetPathName(std::string path) { m_pathName = std::move(path); }

    bool IsModified() const { return m_modified; }

    /// A number that changes whenever a Module, or an object in one, is added, removed,
    /// renamed or changes its type or image. Never the same for two states of any documents
    /// of the process, so a cache keyed by document and revision cannot be fooled.
    std::uint64_t GetRevision() const { return m_revision; }
    /// Sets the flag; the observer hears of it only when it changes.
    void SetModified(bool modified);

    // --- Modules -------------------------------------------------------------------------

    int GetModuleCount() const { return static_cast<int>(m_modules.size()); }
    CVConfig* GetModule(int row) const { return m_modules.at(static_cast<std::size_t>(row)).get(); }
    /// The Module's place in the Library, or -1 when it is not one of this Library's.
    int GetModuleRow(const CVConfig& module) const;

    /// Appends the Module, makes this document its library link and marks the Library
    /// modified. Returns the Module's row.
    int AddModule(std::unique_ptr<CVConfig> module);
    /// The same, after `after` (one of this Library's Modules), or first when null.
    int InsertModuleAfter(std::unique_ptr<CVConfig> module, CVConfig* after);
    /// Adds the Module where the Module pane's selection says a new Module goes (after the
    /// selected node's Module), or last when nothing is selected or there is no Module view;
    /// with a Module view, then selects the new Module. Returns the Module.
    CVConfig* AddModuleAtSelection(std::unique_ptr<CVConfig> module);
    /// Takes the Module out of the Library and clears its library link; with `fromGames`,
    /// every Game stops using it. Marks the Library modified. Null when the Module is not
    /// one of this Library's.
    std::unique_ptr<CVConfig> RemoveModule(CVConfig& module, bool fromGames);
    /// Moves the Module one place up or down; the Games keep using it. False, and nothing
    /// changed, when it is already first (up) or last (down).
    bool MoveModule(CVConfig& module, bool up);
    /// Gives every Module its 0-based place in the Library as its position number.
    void NumberModules();
    /// The state image of the Module's tree item, from the current Game.
    ModuleState GetModuleState(const CVConfig& module) const;

    // --- Games ---------------------------------------------------------------------------

    int GetGameCount() const { return static_cast<int>(m_games.size()); }
    CScript* GetGame(int row) const { return m_games.at(static_cast<std::size_t>(row)).get(); }
    /// The Game's row, or -1 when it is not one of this Library's.
    int GetGameRow(const CScript& game) const;

    /// Appends the Game and makes this document its library link. Does not mark the
    /// Library modified. Returns the Game's row.
    int AddGame(std::unique_ptr<CScript> game);
    /// Inserts the Game after `after` (one of this Library's Games), or first when null;
    /// marks the Library modified. Returns the Game's row.
    int InsertGameAfter(std::unique_ptr<CScript> game, CScript* after);
    /// Takes the Game out, clears its library link and marks the Library modified. When it
    /// was the current Game there is no current Game afterwards. Null when the Game is not
    /// one of this Library's.
    std::unique_ptr<CScript> RemoveGame(CScript& game);
    /// The MoveModule rule on the Games; the current Game stays current.
    bool MoveGame(CScript& game, bool up);

    CScript* GetCurrentGame() const { return m_currentGame; }
    /// Makes `game` (one of this Library's Games, or null) the current Game; the Module
    /// states and the Keyboard window are refreshed. Nothing when it already is.
    void SetCurrentGame(CScript* game);

    // --- Commands ------------------------------------------------------------------------

    /// New Module: a Module named "New Module<n>" with the next value of the naming
    /// counter and the given author, added at the Module pane's selection.
    CVConfig* NewModule(std::string_view defaultAuthor);
    /// New Game: a Game named "New Game<n>", appended; marks the Library modified.
    CScript* NewGame();

    /// Destroys every Module, then every Game (there is no current Game afterwards).
    void DeleteContents();

    // --- Module files, imports and rematching (ModuleImport.cpp) -------------------------
    // Each import builds its Module completely before adding it at the Module pane's
    // selection; on failure it adds nothing and answers the id of the message to show.

    /// A Module file dropped on the Library: the Module it holds. 0, or
    /// IDS_MODULE_FILE_IMPORT_FAILED. No rematching.
    int ImportModuleFile(const std::string& path);
    /// The Import Module command: the same, failing with IDS_MODULE_READ_FAILED.
    int ImportModule(const std::string& path);
    /// A script file dropped on the Library: a new Module named after the path's file name
    /// (ModuleNameFromPath), without author, filled by the script import; then its commands
    /// are rematched. 0, or IDS_SCRIPT_IMPORT_FAILED.
    int ImportScriptFile(const std::string& path, ProgressMonitor* progress = nullptr);
    /// The Import Script File command: the same, with `author` as the Module's author.
    int ImportScriptWithAuthor(const std::string& path, std::string_view author,
                               ProgressMonitor* progress = nullptr);
    /// Import Defs: a new Module named after the file name, holding the Definitions of the
    /// definition file (none when no line is valid); then the commands of that Module and of
    /// every Module after it, which may name its Definitions, are rematched. 0, or
    /// IDS_DEFINITIONS_IMPORT_FAILED when the file cannot be read.
    int ImportDefinitions(const std::string& path, ProgressMonitor* progress = nullptr);
    /// Export Module: writes `module` to `path` as a Module file, replacing an existing file
    /// only once the new one was written completely. 0, or IDS_MODULE_EXPORT_FAILED.
    int ExportModule(const CVConfig& module, const std::string& path) const;

    /// Rematch Commands over `module` (one of this Library's) or, when null, every Module
    /// (see Rematch.h). Returns the number of commands bound; marks the Library modified
    /// when there is at least one.
    std::size_t RematchCommands(CVConfig* module = nullptr, ProgressMonitor* progress = nullptr);

    // --- The Library file ----------------------------------------------------------------

    /// The Library file's bytes. Numbers the Modules before it writes the Games. Throws
    /// ArchiveError when an object cannot be written.
    std::string WriteLibrary();
    /// A document read from a Library file's bytes, not modified. Throws ArchiveError for
    /// damaged or truncated data.
    static std::unique_ptr<CVantorDoc> ReadLibrary(std::string_view bytes);

    /// Opens a Library file. Damaged data gives "Unexpected file format."; a file that
    /// cannot be read gives the file-error text naming `path`.
    static OpenResult Open(const std::string& path);
    /// Saves the Library to `path`, replacing the file only when it was written completely,
    /// and clears the modified flag. Then, when the write-all switch is on, writes the
    /// script of each Game that is saved with the Library and has a script file, in order,
    /// stopping at the first failure. No script is written when the Library file was not.
    SaveResult Save(const std::string& path, const CScriptOutput& output);
    /// Saves the Library file alone, as Save does, and writes no Game script whatever the
    /// switches say.
    SaveResult SaveLibrary(const std::string& path);

    // --- What the model reports (passed on to the observer) -------------------------------

    void ChildrenAboutToBeInserted(CMTObj& parent, int row, int count) override;
    void ChildrenInserted(CMTObj& parent, int row, int count) override;
    void ChildrenAboutToBeRemoved(CMTObj& parent, int row, int count) override;
    void ChildrenRemoved(CMTObj& parent, int row, int count) override;
    void CommandsAboutToBeInserted(CMTObj& owner, int row, int count) override;
    void CommandsInserted(CMTObj& owner, int row, int count) override;
    void CommandsAboutToBeRemoved(CMTObj& owner, int row, int count) override;
    void CommandsRemoved(CMTObj& owner, int row, int count) override;
    void NodeChanged(CMTObj& node, unsigned what) override;
    void FragmentChanged(CCmdFrag& fragment) override;
    void GameChanged(CScript& game, unsigned what) override;
    /// Sets the modified flag, then passes the report on.
    void Modified() override;
    void KeyboardOutOfDate() override;
    bool SelectNode(CMTObj& node) override;

private:
    int InsertModuleAt(std::size_t row, std::unique_ptr<CVConfig> module);
    std::unique_ptr<CVConfig> TakeModule(std::size_t row);
    int InsertGameAt(std::size_t row, std::unique_ptr<CScript> game);
    std::unique_ptr<CScript> TakeGame(std::size_t row);
    void RenumberModules(std::size_t from);
    void RenumberGames(std::size_t from);
    void DestroyContents();
    void Revise();
    void ReviseModuleOf(CMTObj& node);

    DocumentObserver* m_observer = nullptr;
    ModuleView* m_moduleView = nullptr;
    CScript* m_currentGame = nullptr;
    // A Module's row is its position number, kept current on every change of the list.
    std::vector<std::unique_ptr<CVConfig>> m_modules;
    std::vector<std::unique_ptr<CScript>> m_games;
    std::unordered_map<const CScript*, std::size_t> m_gameRows;
    std::string m_engineFolder;
    std::uint32_t m_reserved = 0;
    bool m_writeAll = true;
    std::int32_t m_gamePaneWidth = 0;
    std::int32_t m_modulePaneWidth = 0;
    std::string m_pathName;
    bool m_modified = false;
    std::uint64_t m_revision = 0;
};

} // namespace vantor
