#pragma once

class QMdiArea;
class QMenuBar;
class QToolBar;

namespace vantor {

class CommandRouter;

/// Fills the menu bar: File, Edit, View, Library, Window (with the open Library windows) and
/// Help. Every menu re-evaluates its commands' states right before it opens.
void BuildMainMenus(QMenuBar* menuBar, CommandRouter& router, QMdiArea* mdiArea);

/// Fills the toolbar, left to right: New Library, Open Library, Save Library | Cut, Copy,
/// Paste, Delete | Move Up, Move Down, Preview | New Game, New Module | New Definition, New
/// Bind, New Alias, New Action Alias | New Command | Properties, Keyboard, About, What's This.
void BuildMainToolBar(QToolBar* toolBar, const CommandRouter& router);

} // namespace vantor
