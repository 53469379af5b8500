#pragma once

namespace vantor {

/// Every user command of the editor, numbered as in the resource tables. One command is one
/// QAction, shared by the menu bar, the toolbar, the accelerators and the context menus.
enum class CommandId : int {
    // Objects of a Module (the Module pane and the Command pane handle them).
    NewModule = 32771,
    EditDelete = 32772,
    NewDefinition = 32773,
    NewAlias = 32774,
    NewBind = 32775,
    NewStartup = 32776,
    EditRename = 32777,
    NewActionAlias = 32801,
    NewCommand = 32812,
    MoveUp = 32806,
    MoveDown = 32807,

    // Application.
    Options = 32778,
    NewLibrary = 32813,
    HomePage = 32814,

    // Library document.
    NewGame = 32784,
    LibraryProperties = 32791,
    ImportModule = 32793,
    ImportScriptFile = 32794,
    ExportModule = 32795,
    RematchCommands = 32803,
    ImportDefinitions = 32804,
    ShowGamePane = 32816,
    ShowModulePane = 32817,
    ShowCommandPane = 32818,
    PreviewGameScript = 32823,
    PreviewModuleScript = 32824,

    // Game pane.
    SaveScript = 32808,
    BrowseForScript = 32809,
    Preview = 32827,

    // Main frame.
    ViewProperties = 32805,
    ShowPropertyWindow = 32819,
    ViewKeyboard = 32820,

    // Framework commands.
    FileNew = 57600,
    FileOpen = 57601,
    FileClose = 57602,
    FileSave = 57603,
    FileSaveAs = 57604,
    FilePrintSetup = 57606,
    FilePrint = 57607,
    FileMru1 = 57616,
    FileMru2 = 57617,
    FileMru3 = 57618,
    FileMru4 = 57619,
    EditCopy = 57634,
    EditCut = 57635,
    EditPaste = 57637,
    EditSelectAll = 57642,
    EditUndo = 57643,
    WindowCascade = 57650,
    WindowTile = 57651,
    AppAbout = 57664,
    AppExit = 57665,
    HelpTopics = 57666,
    ContextHelp = 57669,
    NextPane = 57680,
    PrevPane = 57681,
    ViewToolbar = 59392,
    ViewStatusBar = 59393,
};

/// Number of entries of the recent-file list in the File menu.
inline constexpr int kRecentFileCount = 4;

/// The recent-file command for entry index (0 to kRecentFileCount - 1).
constexpr CommandId RecentFileCommand(int index) {
    return static_cast<CommandId>(static_cast<int>(CommandId::FileMru1) + index);
}

/// The recent-file entry index of a command, or -1 when it is not a recent-file command.
constexpr int RecentFileIndex(CommandId id) {
    const int offset = static_cast<int>(id) - static_cast<int>(CommandId::FileMru1);
    return offset >= 0 && offset < kRecentFileCount ? offset : -1;
}

} // namespace vantor
