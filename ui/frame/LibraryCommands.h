#pragma once

#include "ui/frame/CommandTarget.h"

namespace vantor {

class CChildFrame;
class CScript;
class CVConfig;

/// The commands of one Library window that act on its document: the Library menu (Library
/// properties, new Modules and Games, imports, exports, rematching, previews) and the Game
/// operations the Game Pane shares with it. The window asks it after its own commands.
class LibraryCommands : public CommandTarget {
public:
    explicit LibraryCommands(CChildFrame& window);

    bool Handles(CommandId id) const override;
    bool IsEnabled(CommandId id) const override;
    void Execute(CommandId id) override;

    /// Writes the Game's script and shows what went wrong when it could not be written.
    void SaveGameScript(CScript& game);
    /// Lets the user choose the Game's script file.
    void BrowseForScript(CScript& game);
    /// Shows the Game's script as a coloured page.
    void PreviewGameScript(CScript& game);
    /// Shows the Module's script as a coloured page.
    void PreviewModuleScript(CVConfig& module);

private:
    CChildFrame& m_window;
};

} // namespace vantor
