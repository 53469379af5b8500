#pragma once

// Ids of the numbered strings in the string table (LoadString). The same id always means the
// same text; grouped by the part of the program that uses them.
namespace vantor {

enum StringId : int {
    // Names of a Module's four lists.
    IDS_DEFINITION_LIST = 133, ///< "Definitions"
    IDS_ALIAS_LIST = 134,      ///< "Aliases"
    IDS_BIND_LIST = 135,       ///< "Binds"
    IDS_STARTUP_LIST = 136,    ///< "Startups"

    // Default names; each takes the naming counter's value.
    IDS_NEW_DEFINITION = 137, ///< "NewDefinition%d"
    IDS_NEW_ALIAS = 139,      ///< "NewAlias%d"
    IDS_NEW_MODULE = 147,     ///< "New Module%d"
    IDS_NEW_GAME = 155,       ///< "New Game%d"

    // Delete confirmations.
    IDS_CONFIRM_DELETE_MODULE = 142,
    IDS_CONFIRM_DELETE_DEFINITION = 143,
    IDS_CONFIRM_DELETE_BIND = 144,
    IDS_CONFIRM_DELETE_ALIAS = 145,
    IDS_CONFIRM_DELETE_GAME = 172,

    // Rename refusals.
    IDS_MODULE_NAME_EMPTY = 150,
    IDS_GAME_NAME_EMPTY = 154,
    IDS_NAME_EMPTY = 156,
    IDS_DEFINITION_NAME_EMPTY = 188,
    IDS_DEFINITION_NAME_INVALID = 189,
    IDS_ALIAS_NAME_EMPTY = 190,
    IDS_ALIAS_NAME_INVALID = 191,

    // The script file dialogs of Games and of the script import.
    IDS_SCRIPT_EXTENSION = 157,       ///< "cfg"
    IDS_SCRIPT_FILTER = 158,          ///< "Script files (*.cfg, *.rc)|..."
    IDS_IMPORT_SCRIPT_TITLE = 159,    ///< "Import Game Script File"
    IDS_SAVE_GAME_SCRIPT_TITLE = 160, ///< "Save Game Script As"

    // Labels of the parameter fields.
    IDS_LABEL_INTEGER = 175,
    IDS_LABEL_REAL = 176,
    IDS_LABEL_STRING = 177,
    IDS_LABEL_PARAMETERS = 178,

    // Fragments: display text of an empty command and the refusals of SetCommand/SetParam.
    IDS_COMMAND_INVALID = 179,
    IDS_NO_COMMAND = 180, ///< "???"
    IDS_INTEGER_ILLEGAL = 181,
    IDS_REAL_ILLEGAL = 182,
    IDS_INTEGER_OUT_OF_RANGE = 184,
    IDS_REAL_OUT_OF_RANGE = 185,
    IDS_STRING_HAS_QUOTES = 211,
    IDS_RANGE_ILLEGAL = 214,

    // A Module's script section and the end of a script.
    IDS_SCRIPT_MODULE = 198, ///< "\n// Module: %s\n"
    IDS_SCRIPT_AUTHOR = 199, ///< "// Author: %s\n"
    IDS_SCRIPT_END = 200,    ///< "\n// End Vantor configuration file\n"

    // Script section headers of the lists.
    IDS_SCRIPT_ALIASES = 201,  ///< "// Aliases:\n"
    IDS_SCRIPT_BINDS = 202,    ///< "// Binds:\n"
    IDS_SCRIPT_STARTUPS = 203, ///< "// Startups:\n"

    // The editor's shell: start-up, main window, application commands.
    IDS_RESTORE_FAILED = 229,        ///< "Couldn't restore all previously open files."
    IDS_PROPERTY_WINDOW_TITLE = 231, ///< "Properties (F7)"
    IDS_HOME_PAGE = 247,             ///< the product's home page address
    IDS_MANUAL_FAILED = 900,         ///< "The user manual %1 could not be opened."
    IDS_HOME_PAGE_FAILED = 901,      ///< "The home page %1 could not be opened..."
    IDS_APP_TITLE = 57344,           ///< "Vantor"
    IDS_IDLE_MESSAGE = 57345,        ///< "Ready"
};

} // namespace vantor
