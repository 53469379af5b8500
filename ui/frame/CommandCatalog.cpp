#include "ui/frame/CommandCatalog.h"

#include <QAction>
#include <QIcon>
#include <QKeySequence>

#include <algorithm>
#include <array>

namespace vantor {
namespace {

using Keys = std::array<QKeyCombination, 2>;
constexpr QKeyCombination kNoKey{};

struct CommandInfo {
    CommandId id;
    const char* name; // objectName without the "action" prefix
    const char* text;
    const char* statusTip;
    Keys keys;
    const char* themeIcon;   // freedesktop icon name, or nullptr
    const char* bundledIcon; // file under :/icons/, or nullptr
    bool checkable;
};

constexpr Keys Key(QKeyCombination a, QKeyCombination b = kNoKey) {
    return {a, b};
}
constexpr Keys kNone{kNoKey, kNoKey};

// Where the keys are ours to choose: Move Up and Move Down are Ctrl+Up and Ctrl+Down, New
// Command is Insert (Ctrl+E stays New Startup), and Show Property Window is F7.
const CommandInfo kCommands[] = {
    // File
    {CommandId::NewLibrary, "NewLibrary", "&New Library", "Create a new Library with the wizard",
     Key(Qt::CTRL | Qt::Key_N), "document-new", "new-library.png", false},
    {CommandId::FileNew, "FileNew", "New &Empty Library", "Create a new, empty Library", kNone,
     nullptr, nullptr, false},
    {CommandId::FileOpen, "FileOpen", "&Open Library...", "Open an existing Library",
     Key(Qt::CTRL | Qt::Key_O), "document-open", "open.png", false},
    {CommandId::FileClose, "FileClose", "&Close", "Close the active Library", kNone,
     "document-close", nullptr, false},
    {CommandId::FileSave, "FileSave", "&Save Library", "Save the active Library",
     Key(Qt::CTRL | Qt::Key_S), "document-save", "save.png", false},
    {CommandId::FileSaveAs, "FileSaveAs", "Save Library &As...",
     "Save the active Library under a new name", kNone, "document-save-as", nullptr, false},
    {CommandId::FilePrintSetup, "FilePrintSetup", "P&rint Setup...",
     "Change the printer and the page settings", kNone, "document-page-setup", nullptr, false},
    {CommandId::FilePrint, "FilePrint", "&Print...", "Print", Key(Qt::CTRL | Qt::Key_P),
     "document-print", nullptr, false},
    {CommandId::FileMru1, "FileMru1", "&1", "Open this Library", kNone, nullptr, nullptr, false},
    {CommandId::FileMru2, "FileMru2", "&2", "Open this Library", kNone, nullptr, nullptr, false},
    {CommandId::FileMru3, "FileMru3", "&3", "Open this Library", kNone, nullptr, nullptr, false},
    {CommandId::FileMru4, "FileMru4", "&4", "Open this Library", kNone, nullptr, nullptr, false},
    {CommandId::AppExit, "AppExit", "E&xit", "Quit Vantor; asks to save modified Libraries",
     Key(Qt::CTRL | Qt::Key_Q), "application-exit", nullptr, false},

    // Edit
    {CommandId::EditUndo, "EditUndo", "&Undo", "Undo the last action", Key(Qt::CTRL | Qt::Key_Z),
     "edit-undo", nullptr, false},
    {CommandId::EditCut, "EditCut", "Cu&t", "Cut the selection and put it on the Clipboard",
     Key(Qt::CTRL | Qt::Key_X, Qt::SHIFT | Qt::Key_Delete), "edit-cut", "cut.png", false},
    {CommandId::EditCopy, "EditCopy", "&Copy", "Copy the selection and put it on the Clipboard",
     Key(Qt::CTRL | Qt::Key_C), "edit-copy", "copy.png", false},
    {CommandId::EditPaste, "EditPaste", "&Paste", "Insert the Clipboard contents",
     Key(Qt::CTRL | Qt::Key_V), "edit-paste", "paste.png", false},
    {CommandId::EditDelete, "EditDelete", "&Delete", "Delete the selection",
     Key(QKeyCombination(Qt::Key_Delete)), "edit-delete", "delete.png", false},
    {CommandId::EditRename, "EditRename", "&Rename", "Rename the selected object", kNone, nullptr,
     nullptr, false},
    {CommandId::EditSelectAll, "EditSelectAll", "Select &All", "Select every command in the list",
     Key(Qt::CTRL | Qt::Key_A), "edit-select-all", nullptr, false},
    {CommandId::MoveUp, "MoveUp", "Move &Up", "Move the selection up one place",
     Key(Qt::CTRL | Qt::Key_Up), "go-up", "move-up.png", false},
    {CommandId::MoveDown, "MoveDown", "Move Do&wn", "Move the selection down one place",
     Key(Qt::CTRL | Qt::Key_Down), "go-down", "move-down.png", false},

    // View
    {CommandId::ViewToolbar, "ViewToolbar", "&Toolbar", "Show or hide the toolbar", kNone, nullptr,
     nullptr, true},
    {CommandId::ViewStatusBar, "ViewStatusBar", "&Status Bar", "Show or hide the status bar", kNone,
     nullptr, nullptr, true},
    {CommandId::ViewProperties, "ViewProperties", "&Properties", "Show or hide the Property Window",
     Key(Qt::ALT | Qt::Key_Enter, Qt::ALT | Qt::Key_Return), "document-properties",
     "properties.png", true},
    {CommandId::ViewKeyboard, "ViewKeyboard", "&Keyboard", "Show or hide the Keyboard window",
     Key(Qt::CTRL | Qt::Key_K), "input-keyboard", "keyboard.png", true},
    {CommandId::ShowPropertyWindow, "ShowPropertyWindow", "Show Property Window",
     "Show the Property Window and move the keyboard focus into it",
     Key(QKeyCombination(Qt::Key_F7)), nullptr, nullptr, false},
    {CommandId::ShowGamePane, "ShowGamePane", "Show Game Pane",
     "Move the keyboard focus to the Game Pane", Key(QKeyCombination(Qt::Key_F9)), nullptr, nullptr,
     false},
    {CommandId::ShowModulePane, "ShowModulePane", "Show Module Pane",
     "Move the keyboard focus to the Module Pane", Key(QKeyCombination(Qt::Key_F10)), nullptr,
     nullptr, false},
    {CommandId::ShowCommandPane, "ShowCommandPane", "Show Command Pane",
     "Move the keyboard focus to the Command Pane", Key(QKeyCombination(Qt::Key_F11)), nullptr,
     nullptr, false},
    {CommandId::NextPane, "NextPane", "Ne&xt Pane", "Switch to the next pane",
     Key(QKeyCombination(Qt::Key_F6)), nullptr, nullptr, false},
    {CommandId::PrevPane, "PrevPane", "Pre&vious Pane", "Switch back to the previous pane",
     Key(Qt::SHIFT | Qt::Key_F6), nullptr, nullptr, false},

    // Library
    {CommandId::LibraryProperties, "LibraryProperties", "&Properties...",
     "Edit the game engine folder and the save options of the Library", kNone, nullptr, nullptr,
     false},
    {CommandId::NewModule, "NewModule", "New &Module", "Add a new Module to the Library",
     Key(Qt::CTRL | Qt::Key_M), nullptr, "new-module.png", false},
    {CommandId::NewGame, "NewGame", "New &Game", "Add a new Game to the Library",
     Key(Qt::CTRL | Qt::Key_G), nullptr, "new-game.png", false},
    {CommandId::NewDefinition, "NewDefinition", "New Definition",
     "Add a new command Definition to the Module", Key(Qt::CTRL | Qt::Key_D), nullptr,
     "new-definition.png", false},
    {CommandId::NewAlias, "NewAlias", "New &Alias", "Add a new Alias to the Module",
     Key(Qt::CTRL | Qt::Key_L), nullptr, "new-alias.png", false},
    {CommandId::NewActionAlias, "NewActionAlias", "New Action Alias",
     "Add a new Action Alias (a + and a - half) to the Module", kNone, nullptr,
     "new-action-alias.png", false},
    {CommandId::NewBind, "NewBind", "New &Bind", "Add a new Bind to the Module",
     Key(Qt::CTRL | Qt::Key_B), nullptr, "new-bind.png", false},
    {CommandId::NewStartup, "NewStartup", "New Startup", "Add a new Startup command to the Module",
     Key(Qt::CTRL | Qt::Key_E), nullptr, nullptr, false},
    {CommandId::NewCommand, "NewCommand", "N&ew Command",
     "Add a new command to the selected Alias or Bind", Key(QKeyCombination(Qt::Key_Insert)),
     nullptr, "new-command.png", false},
    {CommandId::ImportScriptFile, "ImportScriptFile", "Import &Script File...",
     "Import a game script file as a new Module", kNone, nullptr, nullptr, false},
    {CommandId::ImportModule, "ImportModule", "&Import Module...",
     "Import a Vantor Module file into the Library", kNone, nullptr, nullptr, false},
    {CommandId::ExportModule, "ExportModule", "E&xport Module...",
     "Export the selected Module to a Vantor Module file", kNone, nullptr, nullptr, false},
    {CommandId::ImportDefinitions, "ImportDefinitions", "Import De&finitions...",
     "Import command Definitions from a text file as a new Module", kNone, nullptr, nullptr, false},
    {CommandId::RematchCommands, "RematchCommands", "&Rematch Commands",
     "Match every command again against the known Definitions and Aliases", kNone, nullptr, nullptr,
     false},
    {CommandId::SaveScript, "SaveScript", "&Save Script", "Write the selected Game's script file",
     kNone, nullptr, nullptr, false},
    {CommandId::BrowseForScript, "BrowseForScript", "Browse for Script...",
     "Choose the script file of the selected Game", kNone, nullptr, nullptr, false},
    {CommandId::PreviewGameScript, "PreviewGameScript", "&Preview Script",
     "Show the selected Game's script in the web browser", kNone, nullptr, nullptr, false},
    {CommandId::PreviewModuleScript, "PreviewModuleScript", "&Preview Script",
     "Show the selected Module's script in the web browser", kNone, nullptr, nullptr, false},
    {CommandId::Preview, "Preview", "Preview Script or Module",
     "Show the script of the selected Game or Module in the web browser", kNone,
     "document-print-preview", "preview.png", false},

    // Window
    {CommandId::WindowCascade, "WindowCascade", "&Cascade",
     "Arrange the Library windows so they overlap", kNone, nullptr, nullptr, false},
    {CommandId::WindowTile, "WindowTile", "&Tile", "Arrange the Library windows side by side",
     kNone, nullptr, nullptr, false},

    // Help and application
    {CommandId::Options, "Options", "&Options...",
     "Change the default author and the editor's options", kNone, "preferences-system", nullptr,
     false},
    {CommandId::HelpTopics, "HelpTopics", "&Help Topics", "Open the Vantor user manual",
     Key(QKeyCombination(Qt::Key_F1)), "help-contents", nullptr, false},
    {CommandId::ContextHelp, "ContextHelp", "What's &This?",
     "Click on a button or a window to learn what it does", Key(Qt::SHIFT | Qt::Key_F1), nullptr,
     "context-help.png", false},
    {CommandId::HomePage, "HomePage", "Vantor Home Page",
     "Open the Vantor home page in the web browser", kNone, "go-home", nullptr, false},
    {CommandId::AppAbout, "AppAbout", "&About Vantor...", "Show the program's version and maker",
     kNone, "help-about", "about.png", false},
};

QIcon CommandIcon(const CommandInfo& info) {
    const QIcon bundled = info.bundledIcon
                              ? QIcon(QStringLiteral(":/icons/") + QLatin1String(info.bundledIcon))
                              : QIcon();
    if (!info.themeIcon)
        return bundled;
    return QIcon::fromTheme(QLatin1String(info.themeIcon), bundled);
}

} // namespace

std::vector<std::pair<CommandId, QAction*>> CreateCommandActions(QObject* owner) {
    std::vector<std::pair<CommandId, QAction*>> actions;
    actions.reserve(std::size(kCommands));
    for (const CommandInfo& info : kCommands) {
        auto* action = new QAction(QString::fromLatin1(info.text), owner);
        action->setObjectName(QStringLiteral("action") + QLatin1String(info.name));
        action->setStatusTip(QString::fromLatin1(info.statusTip));
        action->setWhatsThis(action->statusTip());
        QList<QKeySequence> shortcuts;
        for (QKeyCombination key : info.keys)
            if (key != kNoKey)
                shortcuts.append(QKeySequence(key));
        action->setShortcuts(shortcuts);
        action->setIcon(CommandIcon(info));
        action->setCheckable(info.checkable);
        // Toggles must not flicker when their key is held down.
        action->setAutoRepeat(!info.checkable && info.id != CommandId::ShowPropertyWindow);
        actions.emplace_back(info.id, action);
    }
    std::sort(actions.begin(), actions.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    return actions;
}

} // namespace vantor
