#pragma once

#include <cstdint>

// Numeric codes shared by the model and its views. Several of them are stored in files
// (flag bits, parameter types, list types), so their values never change.
namespace vantor {

/// Object type codes answered by `GetType` and asked for by `GetInsertPoint`.
enum ObjectType : int {
    TypeNode = 0,        ///< a node without a type of its own
    TypeDefinition = 1,  ///< CVCommand
    TypeAlias = 2,       ///< CVAlias
    TypeBind = 3,        ///< CVBind
    TypeActionAlias = 5, ///< CVAliasAct
    TypeActionHalf = 6,  ///< CVAliasActSub
    TypeStartup = 7,     ///< a fragment of the Startup List (insertion queries only)
    TypeDefinitionList = 17,
    TypeAliasList = 18,
    TypeBindList = 19,
    TypeStartupList = 20,
    TypeModule = 32, ///< CVConfig
};

/// Operation codes of `IsAllowed`.
enum AllowedOp : int {
    OpRename = 2,
    OpDelete = 3,
    OpMove = 4,
    OpCopy = 5,        ///< copy, cut and drag
    OpAddCommands = 8, ///< add, paste or drop command fragments
};

/// Operation codes of `GetInsertPoint`.
enum InsertOp : int {
    InsertNew = 1,
    InsertPaste = 7, ///< paste or drop
};

/// Bits of a node's flags field.
enum NodeFlag : std::uint32_t {
    FlagExpanded = 0x1,     ///< the node's tree item is expanded
    FlagLocked = 0x2,       ///< Module: stored, never set or shown
    FlagSlider = 0x10,      ///< Definition and fragment: use a slider for the parameter
    FlagCustomImage = 0x40, ///< Definition: fragments show its stored command image
    FlagPlus = 0x100,       ///< Action Alias half: set on the "+" half
};

/// Parameter types of Definitions (1 to 7) and fragments (0 to 8).
enum ParamType : int {
    ParamUnset = 0,
    ParamNone = 1,
    ParamAction = 2, ///< "+name" / "-name"
    ParamToggle = 3, ///< "name 1" / "name 0"
    ParamInteger = 4,
    ParamReal = 5,
    ParamString = 6,
    ParamUser = 7,
    ParamUserDefined = 8, ///< the command names no Definition or Alias
};

/// Context menus of the Module pane, as answered by `GetMenuId`.
enum MenuId : int {
    MenuNone = 104,
    MenuModule = 144,
    MenuDefinition = 145,
    MenuAlias = 151,
    MenuBind = 152,
    MenuDefinitionList = 155,
    MenuBindList = 156,
    MenuAliasList = 157,
    MenuStartupList = 158,
    MenuActionAlias = 159,
    MenuActionHalf = 160,
};

} // namespace vantor
