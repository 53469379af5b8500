#pragma once

class QMenu;
class QWidget;

namespace vantor {

class CommandRouter;

/// The Module Pane's context menu for the empty space below the tree.
inline constexpr int kEmptySpaceMenu = 148;

/// The Module Pane's context menu `menuId` (as CMTObj::GetMenuId answers, or kEmptySpaceMenu)
/// with its texts and mnemonics. Each entry runs the router's command, as the menu bar's would,
/// and shows that command's state and keys now. An unknown id gives the "(None)" menu.
QMenu* BuildModuleContextMenu(int menuId, CommandRouter& router, QWidget* parent);

} // namespace vantor
