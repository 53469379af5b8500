#include "ui/frame/LibraryCommands.h"

#include "ui/frame/CChildFrame.h"

namespace vantor {

LibraryCommands::LibraryCommands(CChildFrame& window) : m_window(window) {}

bool LibraryCommands::Handles(CommandId /*id*/) const {
    return false;
}

bool LibraryCommands::IsEnabled(CommandId /*id*/) const {
    return false;
}

void LibraryCommands::Execute(CommandId /*id*/) {}

void LibraryCommands::SaveGameScript(CScript& /*game*/) {}

void LibraryCommands::BrowseForScript(CScript& /*game*/) {}

void LibraryCommands::PreviewGameScript(CScript& /*game*/) {}

void LibraryCommands::PreviewModuleScript(CVConfig& /*module*/) {}

} // namespace vantor
