#pragma once

#include "ui/frame/CommandTarget.h"

class QString;

namespace vantor {

class CChildFrame;
class CScript;
class CVConfig;

/// The commands of one Library window that act on its document: the Library menu (Library
/// properties, new Modules and Games, imports, exports, rematching, previews) and the Game
/// operations the Game Pane shares with it. The window asks it after its own commands.
///
/// Every failure is reported with its message and leaves the Library as it was. File dialogs
/// and messages go through the application's message service; long passes (rematching) show
/// the processing dialog over the main window.
class LibraryCommands : public CommandTarget {
public:
    explicit LibraryCommands(CChildFrame& window);

    bool Handles(CommandId id) const override;
    bool IsEnabled(CommandId id) const override;
    void Execute(CommandId id) override;

    /// Writes the Game's script and shows what went wrong when it could not be written.
    void SaveGameScript(CScript& game);
    /// Lets the user choose the Game's script file; true when one was chosen (and stored).
    bool BrowseForScript(CScript& game);
    /// Shows the Game's script as a coloured page.
    void PreviewGameScript(CScript& game);
    /// Shows the Module's script as a coloured page.
    void PreviewModuleScript(CVConfig& module);
    /// Asks for a definitions file and imports it as a new Module (also the Library
    /// Properties dialog's "Import Defs...").
    void ImportDefinitions();

private:
    void EditProperties();
    void NewModule();
    void NewGame();
    void ImportScriptFile();
    void ImportModule();
    void ExportModule();
    void RematchCommands();
    /// The Module of the node selected in the Module Pane, or null.
    CVConfig* SelectedModule() const;
    /// The Game selected in the Game Pane (the current Game), or null.
    CScript* SelectedGame() const;
    /// The Library's engine folder as a path.
    QString EngineFolder() const;
    /// Shows the message of a failed operation (a string id; 0: nothing failed).
    void Report(int messageId) const;

    CChildFrame& m_window;
};

} // namespace vantor
